#include "common/ui/Registry.h"

#include "common/ui/EventQueue.h"
#include "common/ui/Window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <memory>
#include <vector>

namespace ui::detail {
namespace {

struct MenuBuilding {
    QPointer<QMenuBar> bar;
    QPointer<Window> barOwner;
    QPointer<QMenu> popup;
    std::vector<QPointer<QMenu>> openMenus;  // title menu, then submenus
};

struct State {
    std::map<int, QPointer<Window>> windows;
    std::map<int, ControlEntry> controls;
    // Owns the command actions; menus and toolbars only show them.
    std::unique_ptr<QObject> commandOwner;
    std::map<int, QAction*> commands;
    std::map<int, std::unique_ptr<QMenu>> popups;
    std::map<int, ImageEntry> images;
    std::map<int, QFont> fonts;
    MenuBuilding menu;
    QPointer<Window> toolBarOwner;
};

// Never destroyed: widgets must not die after Qt's own globals at exit; ResetAll frees them.
State& state() {
    static State* instance = new State;
    return *instance;
}

// Check marks change only when the program sets them, as with native menus; a triggered
// checkable action gets its mark back.
constexpr const char* kCheckedProperty = "qh_checked";

}  // namespace

Window* findWindow(int window) {
    auto it = state().windows.find(window);
    if (it == state().windows.end()) {
        return nullptr;
    }
    if (it->second.isNull()) {
        state().windows.erase(it);
        return nullptr;
    }
    return it->second.data();
}

void registerWindow(int window, Window* widget) {
    state().windows[window] = widget;
}

void forgetWindow(int window) {
    state().windows.erase(window);
    auto& controls = state().controls;
    for (auto it = controls.begin(); it != controls.end();) {
        it = windowOfControl(it->first) == window ? controls.erase(it) : std::next(it);
    }
}

const ControlEntry* findControl(int control) {
    auto it = state().controls.find(control);
    if (it == state().controls.end()) {
        return nullptr;
    }
    if (it->second.widget.isNull()) {
        state().controls.erase(it);
        return nullptr;
    }
    return &it->second;
}

QWidget* controlWidget(int control) {
    const ControlEntry* entry = findControl(control);
    return entry != nullptr ? entry->widget.data() : nullptr;
}

void registerControl(int control, QWidget* widget, ControlKind kind) {
    state().controls[control] = ControlEntry{widget, kind};
}

void forgetControl(int control) {
    state().controls.erase(control);
}

QWidget* controlParent(int control) {
    Window* window = findWindow(windowOfControl(control));
    return window != nullptr ? window->client() : nullptr;
}

QAction* findCommand(int command) {
    auto it = state().commands.find(command);
    return it != state().commands.end() ? it->second : nullptr;
}

QAction* commandAction(int command) {
    if (QAction* existing = findCommand(command)) {
        return existing;
    }
    if (!state().commandOwner) {
        state().commandOwner = std::make_unique<QObject>();
    }
    auto* action = new QAction(state().commandOwner.get());
    action->setData(command);
    QObject::connect(action, &QAction::triggered, action, [action, command] {
        if (action->isCheckable()) {
            action->setChecked(action->property(kCheckedProperty).toBool());
        }
        queueMenuEvent(command);
    });
    state().commands[command] = action;
    return action;
}

void setCommandChecked(QAction* action, bool checked) {
    action->setProperty(kCheckedProperty, checked);
    action->setCheckable(true);
    action->setChecked(checked);
}

void beginMenuBar(QMenuBar* bar, Window* owner) {
    state().menu = MenuBuilding{bar, owner, nullptr, {}};
}

void beginPopup(QMenu* popup) {
    state().menu = MenuBuilding{nullptr, nullptr, popup, {}};
}

QMenuBar* buildingMenuBar() {
    return state().menu.bar.data();
}

Window* buildingMenuBarOwner() {
    return state().menu.barOwner.data();
}

QMenu* buildingMenu() {
    MenuBuilding& menu = state().menu;
    while (!menu.openMenus.empty() && menu.openMenus.back().isNull()) {
        menu.openMenus.pop_back();
    }
    if (!menu.openMenus.empty()) {
        return menu.openMenus.back().data();
    }
    return menu.popup.data();
}

void pushBuildingMenu(QMenu* menu) {
    state().menu.openMenus.emplace_back(menu);
}

void popBuildingMenu() {
    // The title menu of a menu bar stays open until the next title.
    std::size_t keep = state().menu.bar.isNull() ? 0 : 1;
    if (state().menu.openMenus.size() > keep) {
        state().menu.openMenus.pop_back();
    }
}

void setBuildingMenuTitle(QMenu* menu) {
    state().menu.openMenus.clear();
    state().menu.openMenus.emplace_back(menu);
}

void beginToolBar(Window* owner) {
    state().toolBarOwner = owner;
}

Window* buildingToolBarOwner() {
    return state().toolBarOwner.data();
}

QMenu* findPopup(int popup) {
    auto it = state().popups.find(popup);
    return it != state().popups.end() ? it->second.get() : nullptr;
}

void replacePopup(int popup, QMenu* menu) {
    state().popups[popup].reset(menu);
}

const ImageEntry* findImage(int image) {
    auto it = state().images.find(image);
    return it != state().images.end() ? &it->second : nullptr;
}

void storeImage(int image, ImageEntry entry) {
    state().images[image] = std::move(entry);
}

void forgetImage(int image) {
    state().images.erase(image);
}

const QFont* findFont(int font) {
    auto it = state().fonts.find(font);
    return it != state().fonts.end() ? &it->second : nullptr;
}

void storeFont(int font, const QFont& value) {
    state().fonts[font] = value;
}

void clearRegistry() {
    State& s = state();
    for (auto& [number, window] : s.windows) {
        delete window.data();
    }
    s.windows.clear();
    s.controls.clear();
    s.menu = MenuBuilding{};
    s.toolBarOwner = nullptr;
    s.popups.clear();
    s.commands.clear();
    s.commandOwner.reset();
    s.images.clear();
    s.fonts.clear();
}

}  // namespace ui::detail
