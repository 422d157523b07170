#pragma once
// Where the components that start-up checks for live on this platform.

#include <QString>

namespace shell {

// The QScintilla library file the program runs with (the editor component).
QString ScintillaLibraryFile();

}  // namespace shell
