// Toolbar and status bar of a main window.

#include "common/text/AnsiText.h"
#include "common/ui/GuiThread.h"
#include "common/ui/Registry.h"
#include "common/ui/Ui.h"
#include "common/ui/Window.h"

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QStatusBar>
#include <QToolBar>

namespace ui {
namespace {

using detail::runOnGui;

QToolBar* buildingToolBar() {
    detail::Window* owner = detail::buildingToolBarOwner();
    return owner != nullptr ? owner->toolBar() : nullptr;
}

QToolBar* toolBarOf(int window) {
    detail::Window* w = detail::findWindow(window);
    return w != nullptr ? w->toolBar() : nullptr;
}

}  // namespace

bool CreateToolBar(int window, int iconSize) {
    return runOnGui([&] {
        detail::Window* w = detail::findWindow(window);
        if (w == nullptr || !w->hasFlag(kWindowMainWindow)) {
            return false;
        }
        w->createToolBar(iconSize);
        detail::beginToolBar(w);
        return true;
    });
}

void ToolBarButton(int command, int image, const std::string& tooltip) {
    runOnGui([&] {
        QToolBar* toolBar = buildingToolBar();
        if (toolBar == nullptr) {
            return;
        }
        // The button shows the command's own action, so it is enabled with the menu item.
        QAction* action = detail::commandAction(command);
        if (const detail::ImageEntry* entry = detail::findImage(image)) {
            action->setIcon(entry->icon);
        } else if (action->icon().isNull()) {
            // A button without a picture stays an empty button; Qt would show its text instead.
            QPixmap blank(toolBar->iconSize());
            blank.fill(Qt::transparent);
            action->setIcon(QIcon(blank));
        }
        action->setToolTip(common::toQString(tooltip));
        toolBar->addAction(action);
        detail::buildingToolBarOwner()->layoutBars();
    });
}

void ToolBarSeparator() {
    runOnGui([] {
        if (QToolBar* toolBar = buildingToolBar()) {
            toolBar->addSeparator();
        }
    });
}

std::vector<int> ToolBarLayout(int window) {
    return runOnGui([&] {
        std::vector<int> layout;
        if (QToolBar* toolBar = toolBarOf(window)) {
            for (QAction* action : toolBar->actions()) {
                layout.push_back(action->isSeparator() ? 0 : action->data().toInt());
            }
        }
        return layout;
    });
}

std::string ToolBarTooltip(int command) {
    return runOnGui([&] {
        QAction* action = detail::findCommand(command);
        if (action == nullptr) {
            return std::string();
        }
        for (QObject* user : action->associatedObjects()) {
            if (qobject_cast<QToolBar*>(user) != nullptr) {
                return common::fromQString(action->toolTip());
            }
        }
        return std::string();
    });
}

int ToolBarIconSize(int window) {
    return runOnGui([&] {
        QToolBar* toolBar = toolBarOf(window);
        return toolBar != nullptr ? toolBar->iconSize().width() : 0;
    });
}

bool CreateStatusBar(int window) {
    return runOnGui([&] {
        detail::Window* w = detail::findWindow(window);
        if (w == nullptr || !w->hasFlag(kWindowMainWindow)) {
            return false;
        }
        w->createStatusBar();
        return true;
    });
}

void SetStatusText(int window, const std::string& text) {
    runOnGui([&] {
        detail::Window* w = detail::findWindow(window);
        if (w != nullptr && w->statusField() != nullptr) {
            w->statusField()->setText(common::toQString(text));
        }
    });
}

std::string StatusText(int window) {
    return runOnGui([&] {
        detail::Window* w = detail::findWindow(window);
        if (w == nullptr || w->statusField() == nullptr) {
            return std::string();
        }
        return common::fromQString(w->statusField()->text());
    });
}

}  // namespace ui
