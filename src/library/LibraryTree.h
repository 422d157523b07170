#pragma once
// The library tree of the main window (and the tree of the remove-code dialog): a flat sequence
// of items, level 0 for a category and level 1 for a code, each code after its category. It is
// built from the indexes alone. GUI thread.

#include <functional>

namespace library {

// The main window's tree and status bar.
inline constexpr int kMainWindow = 0;
inline constexpr int kMainTree = 3;

// The index of the category item of the code item `item` of tree control treeControl: the
// nearest item above it with level 0. -1 when there is none (or no such item or tree).
int CategoryOfItem(int treeControl, int item);

// Fills treeControl (emptied first) with every category of the category index and, below each,
// the codes of its code index. Returns the numbers of categories and codes added.
struct LibraryCounts {
    int categories = 0;
    int codes = 0;
};
LibraryCounts FillLibraryTree(int treeControl);

// Told after every refresh whether the tree has items, to set the commands that need some.
void SetTreeRefreshedHandler(std::function<void(bool treeHasItems)> handler);
// Rebuilds the main tree from disk and shows the counts in the status bar.
void RefreshLibraryTree();
// Expands (collapses) every category, highlights item 0 without changing the current item,
// and scrolls to the top.
void ExpandAllItems();
void CollapseAllItems();

}  // namespace library
