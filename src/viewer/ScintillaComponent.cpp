#include "viewer/ScintillaComponent.h"

#include <Qsci/qsciscintilla.h>

#include <dlfcn.h>

namespace viewer {

QString ScintillaLibraryFile() {
    // The shared object that holds QsciScintilla's code is the component in use.
    Dl_info info{};
    const auto symbol = &QsciScintilla::staticMetaObject;
    if (dladdr(static_cast<const void*>(symbol), &info) == 0 || info.dli_fname == nullptr) {
        return QString();
    }
    return QString::fromLocal8Bit(info.dli_fname);
}

}  // namespace viewer
