// Menu bar, popup menus and the shared command actions.

#include "common/ui/GuiThread.h"
#include "common/ui/Registry.h"
#include "common/ui/Ui.h"
#include "common/ui/WidgetText.h"
#include "common/ui/Window.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>

namespace ui {
namespace {

using detail::runOnGui;

}  // namespace

bool CreateMenuBar(int window) {
    return runOnGui([&] {
        detail::Window* w = detail::findWindow(window);
        if (w == nullptr || !w->hasFlag(kWindowMainWindow)) {
            return false;
        }
        detail::beginMenuBar(w->createMenuBar(), w);
        return true;
    });
}

void MenuTitle(const std::string& title) {
    runOnGui([&] {
        QMenuBar* bar = detail::buildingMenuBar();
        if (bar == nullptr) {
            return;
        }
        detail::setBuildingMenuTitle(bar->addMenu(detail::toActionText(title)));
        if (detail::Window* owner = detail::buildingMenuBarOwner()) {
            owner->layoutBars();
        }
    });
}

void OpenSubMenu(const std::string& title) {
    runOnGui([&] {
        if (QMenu* menu = detail::buildingMenu()) {
            detail::pushBuildingMenu(menu->addMenu(detail::toActionText(title)));
        }
    });
}

void CloseSubMenu() {
    runOnGui([] { detail::popBuildingMenu(); });
}

void MenuItem(int command, const std::string& text, int image) {
    runOnGui([&] {
        QMenu* menu = detail::buildingMenu();
        if (menu == nullptr) {
            return;
        }
        QAction* action = detail::commandAction(command);
        action->setText(detail::toActionText(text));
        if (const detail::ImageEntry* entry = detail::findImage(image)) {
            action->setIcon(entry->icon);
        }
        menu->addAction(action);
    });
}

void MenuSeparator() {
    runOnGui([] {
        if (QMenu* menu = detail::buildingMenu()) {
            menu->addSeparator();
        }
    });
}

bool CreatePopupMenu(int popup) {
    return runOnGui([&] {
        auto* menu = new QMenu;
        detail::replacePopup(popup, menu);
        detail::beginPopup(menu);
        return true;
    });
}

void DisplayPopupMenu(int popup, int window) {
    runOnGui([&] {
        QMenu* menu = detail::findPopup(popup);
        if (menu == nullptr || detail::findWindow(window) == nullptr) {
            return;
        }
        // popup, not exec: the choice comes back through the event queue like any other.
        menu->popup(QCursor::pos());
    });
}

std::vector<int> PopupMenuCommands(int popup) {
    return runOnGui([&] {
        std::vector<int> commands;
        if (QMenu* menu = detail::findPopup(popup)) {
            for (QAction* action : menu->actions()) {
                if (!action->isSeparator()) {
                    commands.push_back(action->data().toInt());
                }
            }
        }
        return commands;
    });
}

std::string MenuItemText(int command) {
    return runOnGui([&] {
        QAction* action = detail::findCommand(command);
        return action != nullptr ? detail::fromActionText(action->text()) : std::string();
    });
}

void SetMenuItemChecked(int command, bool checked) {
    runOnGui([&] {
        if (QAction* action = detail::findCommand(command)) {
            detail::setCommandChecked(action, checked);
        }
    });
}

bool IsMenuItemChecked(int command) {
    return runOnGui([&] {
        QAction* action = detail::findCommand(command);
        return action != nullptr && action->isChecked();
    });
}

void DisableCommand(int command, bool disabled) {
    runOnGui([&] {
        if (QAction* action = detail::findCommand(command)) {
            action->setEnabled(!disabled);
        }
    });
}

bool IsCommandEnabled(int command) {
    return runOnGui([&] {
        QAction* action = detail::findCommand(command);
        return action != nullptr && action->isEnabled();
    });
}

bool CommandExists(int command) {
    return runOnGui([&] { return detail::findCommand(command) != nullptr; });
}

}  // namespace ui
