#include "viewer/Highlighter.h"

#include "common/platform/Platform.h"
#include "common/text/AnsiText.h"

#include <QDir>
#include <QLibrary>

namespace viewer {
namespace {

SyntaxHighlightFunction g_highlighter = nullptr;

}  // namespace

bool LoadHighlighter(const std::string& fileName) {
    const QString name = common::diskPath(fileName);
    if (name.isEmpty()) {
        return false;
    }
    SyntaxHighlightFunction function = nullptr;
    // The first folder whose module loads decides; an explicit path keeps the system's library
    // search out of it.
    for (const QString& folder : {QDir::currentPath(), common::ExecutableDir()}) {
        const QString path = QDir(folder).absoluteFilePath(name);
        QLibrary library(path);
        if (library.load()) {
            function =
                reinterpret_cast<SyntaxHighlightFunction>(library.resolve("SyntaxHighlight"));
            break;
        }
    }
    if (function == nullptr) {
        return false;
    }
    g_highlighter = function;
    return true;
}

SyntaxHighlightFunction CurrentHighlighter() {
    return g_highlighter;
}

}  // namespace viewer
