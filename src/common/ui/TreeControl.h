#pragma once
// The tree control: a flat sequence of items in the order they were added, each of level 0 or
// 1; a level-1 item hangs under the nearest level-0 item before it. Item numbers stay those of
// the fully expanded tree.

#include <QTreeWidget>

#include <vector>

namespace ui::detail {

class TreeControl : public QTreeWidget {
public:
    explicit TreeControl(QWidget* parent);
    ~TreeControl() override;

    void clearItems();
    void addItem(const QString& text, int level);
    int itemCount() const { return static_cast<int>(m_items.size()); }
    // nullptr when out of range; the items added so far are in the tree when it returns.
    QTreeWidgetItem* item(int index) const;
    int indexOf(const QTreeWidgetItem* item) const;  // -1 for nullptr
    int levelOf(int index) const;
    // Selects the item alone without moving the current item.
    void highlight(QTreeWidgetItem* item);

private:
    void forgoCurrentItem();
    // Puts the categories added since the last call into the tree in one step.
    void attachPending() const;

    std::vector<QTreeWidgetItem*> m_items;
    // New top-level items wait here, outside the tree, until they are needed or the event loop
    // runs: one insertion of many items costs far less than many insertions of one.
    mutable QList<QTreeWidgetItem*> m_pending;
    QTreeWidgetItem* m_lastTopItem = nullptr;
};

}  // namespace ui::detail
