#include "common/ui/TreeControl.h"

#include <QTimer>

namespace ui::detail {
namespace {

constexpr int kIndexRole = Qt::UserRole;
constexpr int kLevelRole = Qt::UserRole + 1;

}  // namespace

TreeControl::TreeControl(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    forgoCurrentItem();
}

TreeControl::~TreeControl() {
    qDeleteAll(m_pending);
}

void TreeControl::clearItems() {
    qDeleteAll(m_pending);
    m_pending.clear();
    clear();
    forgoCurrentItem();
    m_items.clear();
    m_lastTopItem = nullptr;
}

void TreeControl::addItem(const QString& text, int level) {
    QTreeWidgetItem* parentItem = level > 0 ? m_lastTopItem : nullptr;
    // The item is filled before it joins the tree, so no change of its data is signalled.
    auto* created = new QTreeWidgetItem;
    created->setText(0, text);
    created->setData(0, kIndexRole, static_cast<int>(m_items.size()));
    created->setData(0, kLevelRole, level);
    if (parentItem != nullptr) {
        parentItem->addChild(created);
    } else {
        if (m_pending.isEmpty()) {
            QTimer::singleShot(0, this, [this] { attachPending(); });
        }
        m_pending.append(created);
    }
    if (level <= 0) {
        m_lastTopItem = created;
    }
    m_items.push_back(created);
}

void TreeControl::forgoCurrentItem() {
    // Marks "no current item" as chosen, so that gaining the focus does not make the first item
    // current behind the program's back.
    setCurrentIndex(QModelIndex());
}

void TreeControl::attachPending() const {
    if (m_pending.isEmpty()) {
        return;
    }
    auto* self = const_cast<TreeControl*>(this);
    self->addTopLevelItems(m_pending);
    m_pending.clear();
}

QTreeWidgetItem* TreeControl::item(int index) const {
    if (index < 0 || index >= itemCount()) {
        return nullptr;
    }
    attachPending();
    return m_items[static_cast<std::size_t>(index)];
}

int TreeControl::indexOf(const QTreeWidgetItem* item) const {
    return item != nullptr ? item->data(0, kIndexRole).toInt() : -1;
}

int TreeControl::levelOf(int index) const {
    QTreeWidgetItem* found = item(index);
    return found != nullptr ? found->data(0, kLevelRole).toInt() : 0;
}

void TreeControl::highlight(QTreeWidgetItem* item) {
    selectionModel()->select(indexFromItem(item), QItemSelectionModel::ClearAndSelect);
}

}  // namespace ui::detail
