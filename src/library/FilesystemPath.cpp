#include "library/FilesystemPath.h"

#include "common/text/AnsiText.h"

#include <QFile>

namespace library {

std::filesystem::path FilesystemPath(std::string_view ansiPath) {
    return QFile(common::diskPath(ansiPath)).filesystemFileName();
}

}  // namespace library
