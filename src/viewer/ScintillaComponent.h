#pragma once
// The editor component on this platform: the QScintilla library the program runs with, which
// start-up checks for as its component file.

#include <QString>

namespace viewer {

// Full path of the shared library that holds QsciScintilla; "" when it cannot be told.
QString ScintillaLibraryFile();

}  // namespace viewer
