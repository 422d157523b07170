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

    void clearItems();
    void addItem(const QString& text, int level);
    int itemCount() const { return static_cast<int>(m_items.size()); }
    QTreeWidgetItem* item(int index) const;          // nullptr when out of range
    int indexOf(const QTreeWidgetItem* item) const;  // -1 for nullptr
    int levelOf(int index) const;
    // Selects the item alone without moving the current item.
    void highlight(QTreeWidgetItem* item);

private:
    void forgoCurrentItem();

    std::vector<QTreeWidgetItem*> m_items;
    QTreeWidgetItem* m_lastTopItem = nullptr;
};

}  // namespace ui::detail
