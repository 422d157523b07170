#include "library/LibraryFiles.h"

#include "common/text/AnsiText.h"
#include "library/FilesystemPath.h"

#include <QDir>
#include <QFile>

#include <filesystem>
#include <system_error>

namespace library {
namespace {

namespace fs = std::filesystem;

// Without write permission on a folder its entries cannot be deleted, so every folder below
// gets it first, and every file too, as a Windows delete of a read-only file needs.
void makeWritable(const fs::path& folder) {
    std::error_code error;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, error);
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_symlink(typeError)) {
            continue;
        }
        if (it->is_directory(typeError)) {
            makeWritable(it->path());
        } else {
            std::error_code permissionError;
            fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add,
                            permissionError);
        }
    }
}

}  // namespace

void CreateFolder(std::string_view path) {
    QDir().mkdir(common::diskPath(path));
}

void DeleteFolder(std::string_view path) {
    const fs::path folder = FilesystemPath(path);
    std::error_code error;
    if (!fs::is_directory(fs::symlink_status(folder, error))) {
        return;
    }
    makeWritable(folder);
    fs::remove_all(folder, error);
}

bool WriteWholeFile(std::string_view path, std::string_view bytes) {
    QFile file(common::diskPath(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const auto size = static_cast<qint64>(bytes.size());
    return file.write(bytes.data(), size) == size && file.flush();
}

void DeleteFile(std::string_view path) {
    QFile::remove(common::diskPath(path));
}

}  // namespace library
