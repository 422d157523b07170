// The test driver: acts on the real widgets as a user would.

#include "common/ui/TestDriver.h"

#include "common/text/AnsiText.h"
#include "common/ui/EventQueue.h"
#include "common/ui/Registry.h"
#include "common/ui/SplitterControl.h"
#include "common/ui/TreeControl.h"
#include "common/ui/Window.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <utility>

namespace ui::testing {
namespace {

using detail::ControlKind;

// Mouse input of a scroll area goes to its viewport.
QWidget* mouseTarget(QWidget* widget) {
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
        return area->viewport();
    }
    return widget;
}

// A point inside the row of an item, near its left end so that long texts do not matter.
QPoint pointOnItem(QTreeWidget* view, QTreeWidgetItem* item) {
    view->scrollToItem(item);
    const QRect rect = view->visualItemRect(item);
    return QPoint(rect.left() + std::min(rect.width() / 2, 8), rect.center().y());
}

// The tree item as the user reaches it: its category opened first. Null when there is none.
std::pair<detail::TreeControl*, QTreeWidgetItem*> revealTreeItem(int control, int item) {
    auto* tree = detail::controlAs<detail::TreeControl>(control, ControlKind::Tree);
    QTreeWidgetItem* found = tree != nullptr ? tree->item(item) : nullptr;
    if (found != nullptr && found->parent() != nullptr) {
        found->parent()->setExpanded(true);
    }
    return {tree, found};
}

void clickItem(QTreeWidget* view, QTreeWidgetItem* item) {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, pointOnItem(view, item));
}

void sendContextMenu(QWidget* target, QPoint position) {
    QContextMenuEvent request(QContextMenuEvent::Mouse, position, target->mapToGlobal(position));
    QApplication::sendEvent(target, &request);
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint position, Qt::MouseButtons buttons) {
    QMouseEvent event(type, position, target->mapToGlobal(position), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

}  // namespace

void TypeText(int control, const std::string& text) {
    QWidget* widget = detail::controlWidget(control);
    if (widget == nullptr) {
        return;
    }
    for (const QChar c : common::toQString(text)) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            // QTest knows keys only for ASCII; other characters arrive as the text of a key.
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(widget, &press);
            QCoreApplication::sendEvent(widget, &release);
        }
    }
}

void PressReturn(int control) {
    if (QWidget* widget = detail::controlWidget(control)) {
        QTest::keyClick(widget, Qt::Key_Return);
    }
}

void Click(int control) {
    if (QWidget* widget = detail::controlWidget(control)) {
        QWidget* target = mouseTarget(widget);
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
    }
}

void RightClickControl(int control) {
    if (QWidget* widget = detail::controlWidget(control)) {
        QWidget* target = mouseTarget(widget);
        sendContextMenu(target, target->rect().center());
    }
}

void SelectTreeItem(int control, int item) {
    if (const auto [tree, found] = revealTreeItem(control, item); found != nullptr) {
        clickItem(tree, found);
    }
}

void RightClickTreeItem(int control, int item) {
    if (const auto [tree, found] = revealTreeItem(control, item); found != nullptr) {
        sendContextMenu(tree->viewport(), pointOnItem(tree, found));
    }
}

void SelectListRow(int control, int row) {
    auto* list = detail::controlAs<QTreeWidget>(control, ControlKind::ListView);
    QTreeWidgetItem* found = list != nullptr ? list->topLevelItem(row) : nullptr;
    if (found != nullptr) {
        clickItem(list, found);
    }
}

void ChooseComboEntry(int control, int index) {
    if (auto* combo = detail::controlAs<QComboBox>(control, ControlKind::ComboBox)) {
        combo->setCurrentIndex(index);
    }
}

void TriggerCommand(int command) {
    if (QAction* action = detail::findCommand(command)) {
        action->trigger();
    }
}

void ResizeWindowByUser(int window, int width, int height) {
    if (detail::Window* w = detail::findWindow(window)) {
        w->resize(width, height);
        QCoreApplication::processEvents();
    }
}

void RequestClose(int window) {
    if (detail::Window* w = detail::findWindow(window)) {
        w->close();
    }
}

void DragSplitter(int control, int position) {
    auto* splitter = detail::controlAs<detail::SplitterControl>(control, ControlKind::Splitter);
    if (splitter == nullptr) {
        return;
    }
    QWidget* bar = splitter->bar();
    const QPoint grab = bar->rect().center();
    const int distance = position - splitter->position();
    const QPoint target =
        splitter->isVertical() ? grab + QPoint(distance, 0) : grab + QPoint(0, distance);
    sendMouse(bar, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    sendMouse(bar, QEvent::MouseMove, target, Qt::LeftButton);
    sendMouse(bar, QEvent::MouseButtonRelease, target, Qt::NoButton);
}

std::vector<Event> TakeEvents() {
    QCoreApplication::processEvents();
    return detail::takeQueuedEvents();
}

bool WaitFor(const std::function<bool()>& cond, int timeoutMs) {
    return QTest::qWaitFor(cond, timeoutMs);
}

}  // namespace ui::testing
