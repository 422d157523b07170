#pragma once
// The main window: opening it at the saved size and state, its controls (search row, splitter
// with tree and viewer, status bar), keeping the layout on every resize, the toolbar icon size
// and what the settings store of it at shutdown. GUI thread.

#include "shell/Settings.h"

namespace shell {

// Opens window 0 from the settings: size, maximized state, title; minimum size 550 x 300.
bool OpenMainWindow();
// Creates the status bar and the controls 1 to 5 and places the splitter from the settings.
void BuildMainControls();
// Re-lays out the main window and, when it is open, the search window.
void LayoutMainWindow();
// Moves the check mark to the chosen size, keeps it in the settings for the next start and
// offers to restart now.
void SetToolbarIconSize(int size);
// The window's state, inner size and splitter position as SaveSettings stores them.
MainWindowSnapshot MainWindowSnapshotNow();

}  // namespace shell
