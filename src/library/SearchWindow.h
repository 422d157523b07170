#pragma once
// The search of the main window and the search window (window 9): the window lists every code
// file under "Codes" whose name or content holds the search text, and shows a chosen result in
// the main tree. The window is not modal; the main window stays usable beside it. GUI thread.

#include "common/ui/Ui.h"

namespace library {

// The search row of the main window.
inline constexpr int kMainSearchField = 1;
inline constexpr int kMainSearchButton = 2;

inline constexpr int kSearchWindow = 9;
inline constexpr int kSearchWindowField = 901;
inline constexpr int kSearchWindowButton = 902;
inline constexpr int kSearchResults = 903;
inline constexpr int kShowResultButton = 904;
inline constexpr int kShowAndCloseButton = 905;
inline constexpr int kCloseSearchButton = 906;

// Return in the main search field with more than spaces in it opens the search window.
void SearchOnReturn(ui::ControlEventType type);
// Opens the search window for the text of the main search field (an open one is replaced),
// centred on the main window, and lists the results.
void OpenSearchWindow();
// Return in field 901 with more than spaces in it searches again.
void SearchAgainOnReturn(ui::ControlEventType type);
// Empties the result list, disables the two show buttons and searches for the text of 901,
// taken as it stands (spaces included).
void SearchAgain();
// The two show buttons are enabled exactly while a result row is selected.
void EnableResultButtons();
// Makes the selected result the current item of the main tree: the first item with the
// result's category text, then the first item after it with its name. When the tree holds no
// such pair, selects nothing, says so in a message box and leaves the window open; otherwise
// closes the window first when closeWindow is set.
void ShowSearchResult(bool closeWindow);
void CloseSearchWindow();

}  // namespace library
