#pragma once
// The PureBasic editor's colours and font as the viewer uses them, read from group "Editor" of
// %APPDATA%/PureBasic/PureBasic.prefs. GUI thread only (the default of the line-number
// background comes from the application palette).

#include <array>
#include <string>

namespace viewer {

// Number of token kinds that have their own colour key (kinds 0 to 12).
constexpr int kColouredKinds = 13;

// Colours are Windows COLORREF values: red + 256 * green + 65536 * blue, as Scintilla takes them.
struct EditorPrefs {
    std::array<int, kColouredKinds> kindColors{};  // foreground of styles 0 to 12
    int backgroundColor = 0;
    std::string fontName;  // ANSI text
    int fontSize = 0;
    int selectionFrontColor = 0;
    int selectionColor = 0;
    int lineNumberBackColor = 0;
    int lineNumberColor = 0;
};

// The values used for a missing file or key.
EditorPrefs DefaultEditorPrefs();

// Reads the editor's settings file; every missing key, or the whole file, takes its default.
EditorPrefs ReadEditorPrefs();

// The button-face colour of the application palette as a COLORREF.
int ButtonFaceColor();

}  // namespace viewer
