#pragma once
// Code administration: the dialogs "Code hinzufügen" (window 6) with its command-link dialog
// "Hinzufügen" (window 7), and "Entfernen" (window 8). Adding and removing write straight to
// the library folders and end with RefreshLibraryTree. Each dialog is centred on its parent
// (window 7 on window 6, the others on the main window) and disables it while open; the event
// loop closes them with ui::CloseDialog. GUI thread.

namespace library {

inline constexpr int kAddCodeWindow = 6;
inline constexpr int kAddCodeFrame = 601;
inline constexpr int kAddCodeImage = 602;
inline constexpr int kTitleLabel = 603;
inline constexpr int kCodeCategoryLabel = 604;
inline constexpr int kCodeLabel = 605;
inline constexpr int kTitleField = 606;
inline constexpr int kCodeCategoryChoice = 607;
inline constexpr int kCodeEditor = 608;
inline constexpr int kLinksLabel = 609;
inline constexpr int kLinkList = 610;
inline constexpr int kAddLinkButton = 611;
inline constexpr int kRemoveLinkButton = 612;
inline constexpr int kAddCodeButton = 613;
inline constexpr int kAddCodeCancel = 614;

inline constexpr int kAddLinkWindow = 7;
inline constexpr int kAddLinkFrame = 701;
inline constexpr int kAddLinkImage = 702;
inline constexpr int kCommandLabel = 703;
inline constexpr int kLinkLabel = 708;
inline constexpr int kCommandField = 709;
inline constexpr int kLinkField = 710;
inline constexpr int kAppendLinkButton = 711;
inline constexpr int kAddLinkCancel = 712;

inline constexpr int kRemoveCodeWindow = 8;
inline constexpr int kRemoveCodeFrame = 801;
inline constexpr int kRemoveCodeImage = 802;
inline constexpr int kRemovalTree = 803;
inline constexpr int kRemoveCodeButton = 804;
inline constexpr int kRemoveCodeCancel = 805;

// Opens window 6 with the categories in index order, the first one chosen, and both
// "Hinzufügen" of the code and "Entfernen" of a link disabled. `iconImage` is the loaded image
// of the dialog's icon.
void OpenAddCodeDialog(int iconImage);
// "Hinzufügen" (613) is enabled exactly when title and code hold more than spaces and a
// category is chosen.
void EnableAddCode();
// Opens window 7 over window 6 with "Hinzufügen" (711) disabled.
void OpenAddLinkDialog(int iconImage);
// Appends the command and link of window 7, unchanged, as a row of list 610.
void AppendCommandLink();
// Link "Entfernen" (612) is enabled exactly while a row of list 610 is selected.
void EnableLinkRemoval();
// Removes the selected row of list 610; afterwards no row is selected and 612 is disabled.
void RemoveSelectedLink();
// Writes the code of window 6 into the chosen category: the code file (the editor's text, lines
// joined by CR LF, nothing added), the title in the sorted code index, and the link file with
// a command line and a link line per row of 610. A title unfit for a file name is refused with
// a message; a title already listed asks whether to replace that code, and a replaced code
// keeps its one index line. False when nothing was written: the dialog is to stay open.
bool AddCode();

// Fills tree 803 from the indexes as the main tree is filled; nothing is counted.
void FillRemovalTree();
// Opens window 8 with every category expanded, item 0 current and the focus in the tree.
void OpenRemoveCodeDialog(int iconImage);
// "Entfernen" (804) is enabled exactly while a code (not a category) is current in tree 803.
void EnableCodeRemoval();
// Removes the code current in tree 803 from the category above it, without asking: its code
// file, its link file and every line of its title in that code index.
void RemoveCode();

}  // namespace library
