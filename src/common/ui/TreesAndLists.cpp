// Item operations of trees, report lists and combo boxes.

#include "common/text/AnsiText.h"
#include "common/ui/EventQueue.h"
#include "common/ui/GuiThread.h"
#include "common/ui/Registry.h"
#include "common/ui/TreeControl.h"
#include "common/ui/Ui.h"

#include <QComboBox>
#include <QTreeWidget>

namespace ui {
namespace {

using detail::ControlKind;
using detail::runOnGui;
using detail::TreeControl;

TreeControl* treeOf(int control) {
    return detail::controlAs<TreeControl>(control, ControlKind::Tree);
}

QTreeWidget* listOf(int control) {
    return detail::controlAs<QTreeWidget>(control, ControlKind::ListView);
}

QComboBox* comboOf(int control) {
    return detail::controlAs<QComboBox>(control, ControlKind::ComboBox);
}

}  // namespace

void ClearItems(int control) {
    runOnGui([&] {
        if (TreeControl* tree = treeOf(control)) {
            tree->clearItems();
        } else if (QTreeWidget* list = listOf(control)) {
            list->clear();
        } else if (QComboBox* combo = comboOf(control)) {
            combo->clear();
        }
    });
}

int ItemCount(int control) {
    return runOnGui([&] {
        if (TreeControl* tree = treeOf(control)) {
            return tree->itemCount();
        }
        if (QTreeWidget* list = listOf(control)) {
            return list->topLevelItemCount();
        }
        if (QComboBox* combo = comboOf(control)) {
            return combo->count();
        }
        return 0;
    });
}

// ---- Trees

void AddTreeItem(int control, const std::string& text, int level) {
    runOnGui([&] {
        if (TreeControl* tree = treeOf(control)) {
            tree->addItem(common::toQString(text), level);
        }
    });
}

std::string TreeItemText(int control, int item) {
    return runOnGui([&] {
        TreeControl* tree = treeOf(control);
        QTreeWidgetItem* found = tree != nullptr ? tree->item(item) : nullptr;
        return found != nullptr ? common::fromQString(found->text(0)) : std::string();
    });
}

int TreeItemLevel(int control, int item) {
    return runOnGui([&] {
        TreeControl* tree = treeOf(control);
        return tree != nullptr ? tree->levelOf(item) : 0;
    });
}

int CurrentTreeItem(int control) {
    return runOnGui([&] {
        TreeControl* tree = treeOf(control);
        return tree != nullptr ? tree->indexOf(tree->currentItem()) : -1;
    });
}

void SetCurrentTreeItem(int control, int item) {
    runOnGui([&] {
        TreeControl* tree = treeOf(control);
        QTreeWidgetItem* found = tree != nullptr ? tree->item(item) : nullptr;
        if (found == nullptr) {
            return;
        }
        if (QTreeWidgetItem* parentItem = found->parent()) {
            parentItem->setExpanded(true);
        }
        const bool changes = tree->currentItem() != found;
        tree->setCurrentItem(found);
        tree->highlight(found);
        tree->scrollToItem(found);
        // The caller relies on a change event even when the item was current already.
        if (!changes) {
            detail::queueControlEvent(control, ControlEventType::Change);
        }
    });
}

void SetTreeItemExpanded(int control, int item, bool expanded) {
    runOnGui([&] {
        TreeControl* tree = treeOf(control);
        if (QTreeWidgetItem* found = tree != nullptr ? tree->item(item) : nullptr) {
            found->setExpanded(expanded);
        }
    });
}

bool IsTreeItemExpanded(int control, int item) {
    return runOnGui([&] {
        TreeControl* tree = treeOf(control);
        QTreeWidgetItem* found = tree != nullptr ? tree->item(item) : nullptr;
        return found != nullptr && found->isExpanded();
    });
}

void HighlightTreeItem(int control, int item) {
    runOnGui([&] {
        TreeControl* tree = treeOf(control);
        QTreeWidgetItem* found = tree != nullptr ? tree->item(item) : nullptr;
        if (found == nullptr) {
            return;
        }
        tree->highlight(found);
    });
}

int HighlightedTreeItem(int control) {
    return runOnGui([&] {
        TreeControl* tree = treeOf(control);
        if (tree == nullptr) {
            return -1;
        }
        const QList<QTreeWidgetItem*> selected = tree->selectedItems();
        return selected.isEmpty() ? -1 : tree->indexOf(selected.first());
    });
}

void ScrollToTop(int control) {
    runOnGui([&] {
        if (QWidget* widget = detail::controlWidget(control)) {
            if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
                view->scrollToTop();
            }
        }
    });
}

// ---- Report lists

void AddListRow(int control, const std::vector<std::string>& cells) {
    runOnGui([&] {
        QTreeWidget* list = listOf(control);
        if (list == nullptr) {
            return;
        }
        QStringList texts;
        for (const std::string& cell : cells) {
            texts.append(common::toQString(cell));
        }
        list->addTopLevelItem(new QTreeWidgetItem(texts));
    });
}

void RemoveListRow(int control, int row) {
    runOnGui([&] {
        if (QTreeWidget* list = listOf(control)) {
            if (row >= 0 && row < list->topLevelItemCount()) {
                delete list->takeTopLevelItem(row);
            }
        }
    });
}

std::string ListCellText(int control, int row, int column) {
    return runOnGui([&] {
        QTreeWidget* list = listOf(control);
        QTreeWidgetItem* item = list != nullptr ? list->topLevelItem(row) : nullptr;
        if (item == nullptr || column < 0 || column >= list->columnCount()) {
            return std::string();
        }
        return common::fromQString(item->text(column));
    });
}

int SelectedListRow(int control) {
    return runOnGui([&] {
        QTreeWidget* list = listOf(control);
        if (list == nullptr) {
            return -1;
        }
        const QList<QTreeWidgetItem*> selected = list->selectedItems();
        return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.first());
    });
}

void SetSelectedListRow(int control, int row) {
    runOnGui([&] {
        QTreeWidget* list = listOf(control);
        if (list == nullptr) {
            return;
        }
        if (QTreeWidgetItem* item = list->topLevelItem(row)) {
            list->setCurrentItem(item);
            item->setSelected(true);
        } else {
            list->clearSelection();
        }
    });
}

// ---- Combo boxes

void AddComboItem(int control, const std::string& text) {
    runOnGui([&] {
        if (QComboBox* combo = comboOf(control)) {
            combo->addItem(common::toQString(text));
        }
    });
}

int ComboIndex(int control) {
    return runOnGui([&] {
        QComboBox* combo = comboOf(control);
        return combo != nullptr ? combo->currentIndex() : -1;
    });
}

void SetComboIndex(int control, int index) {
    runOnGui([&] {
        QComboBox* combo = comboOf(control);
        if (combo != nullptr && index >= -1 && index < combo->count()) {
            combo->setCurrentIndex(index);
        }
    });
}

}  // namespace ui
