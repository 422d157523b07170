#pragma once
// The command surface of the main window: images, menu bar, viewer popup, toolbar, and the
// rules that enable and disable commands. GUI thread.

namespace shell {

// Images 1-14 from Grafiken, the program's own icon; the IDE icon slot stays empty until the
// editor's association is known.
void LoadImages();
void BuildMenuBar();
void BuildViewerPopup();
void BuildToolBar();
// Commands that need a non-empty tree, and the search field, follow whether it has items.
void ApplyToolbarStates(bool treeHasItems);

}  // namespace shell
