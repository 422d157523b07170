#pragma once
// The code viewers of the program, addressed by control number: the main window's viewer 4 and
// the submission form's editor 213. An operation on a number that holds no viewer does nothing
// and returns 0. Texts and paths are ANSI text. GUI thread only.

#include "viewer/TextMode.h"

#include <string>

namespace viewer {

// Loads the highlighter module `libraryFile` (see LoadHighlighter), then creates a viewer as
// control `control` of window control / 100 with the editor's current colours and font.
// Returns `control`, or 0 (and creates nothing) when the module or its "SyntaxHighlight"
// function is missing or the control cannot be made. The UI layer owns the control.
int CreateCodeViewer(int control, int x, int y, int w, int h, const std::string& libraryFile);

void SetViewerReadOnly(int control, bool on);
// Replaces the text; the viewer must not be read-only.
void SetViewerText(int control, const std::string& ansiText);
// Shows a code file by its byte-order mark; 1 when loaded, 0 when it is missing, unreadable or
// empty (the viewer then keeps its text and mode).
bool LoadViewerFile(int control, const std::string& ansiPath);
// Number of characters, which is the length of the text as ANSI text.
int ViewerTextLength(int control);
// The text mode set by the last loaded file; EightBit for a new viewer or an unknown number.
TextMode ViewerTextMode(int control);

// Command 13: copies the selection to the clipboard.
void CopyViewerSelection(int control);
// Command 14: selects the whole text.
void SelectAllViewerText(int control);
// Switches off Scintilla's own context menu (the main viewer shows popup menu 2 instead).
void DisableViewerPopup(int control);

// Shows the code that is current in tree `treeControl` in viewer `viewerControl` and sets the
// states of commands 19 and 20: a code item loads "Codes\<category>\<title>.pb" and enables 20,
// and 19 unless idePath is "0"; a category or no item empties the viewer and disables both.
// The viewer is left read-only.
void ShowSelectedCode(int treeControl, int viewerControl, const std::string& idePath);

}  // namespace viewer
