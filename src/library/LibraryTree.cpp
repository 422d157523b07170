#include "library/LibraryTree.h"

#include "common/ui/Ui.h"
#include "library/LibraryPaths.h"
#include "library/Store.h"

#include <string>

namespace library {
namespace {

std::function<void(bool)>& refreshedHandler() {
    static std::function<void(bool)> handler;
    return handler;
}

void setAllExpanded(bool expanded) {
    const int count = ui::ItemCount(kMainTree);
    for (int item = 0; item < count; ++item) {
        ui::SetTreeItemExpanded(kMainTree, item, expanded);
    }
    ui::HighlightTreeItem(kMainTree, 0);
    ui::ScrollToTop(kMainTree);
}

}  // namespace

int CategoryOfItem(int treeControl, int item) {
    if (item >= ui::ItemCount(treeControl)) {
        return -1;
    }
    for (int above = item - 1; above >= 0; --above) {
        if (ui::TreeItemLevel(treeControl, above) == 0) {
            return above;
        }
    }
    return -1;
}

LibraryCounts FillLibraryTree(int treeControl) {
    LibraryCounts counts;
    ui::ClearItems(treeControl);
    for (const std::string& category : ReadNameList(CategoryIndexPath())) {
        ui::AddTreeItem(treeControl, category, 0);
        ++counts.categories;
        // A category whose name cannot be a file name has no code index to open.
        if (const auto codeIndex = CodeIndexPath(category)) {
            for (const std::string& title : ReadNameList(*codeIndex)) {
                ui::AddTreeItem(treeControl, title, 1);
                ++counts.codes;
            }
        }
    }
    return counts;
}

void SetTreeRefreshedHandler(std::function<void(bool)> handler) {
    refreshedHandler() = std::move(handler);
}

void RefreshLibraryTree() {
    const LibraryCounts counts = FillLibraryTree(kMainTree);
    ui::SetStatusText(kMainWindow, std::to_string(counts.categories) + " Kategorien, " +
                                       std::to_string(counts.codes) + " Codes");
    if (refreshedHandler()) {
        refreshedHandler()(ui::ItemCount(kMainTree) > 0);
    }
}

void ExpandAllItems() {
    setAllExpanded(true);
}

void CollapseAllItems() {
    setAllExpanded(false);
}

}  // namespace library
