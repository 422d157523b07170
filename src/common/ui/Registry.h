#pragma once
// The numbered objects of the layer: windows, controls, commands, popup menus, images and fonts.
// GUI thread only. Lookups of unknown numbers give nullptr.

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QAction;
class QMenu;
class QMenuBar;

namespace ui::detail {

class Window;

enum class ControlKind {
    StringField,
    Button,
    Tree,
    ListView,
    ComboBox,
    Editor,
    Frame,
    Label,
    Image,
    ProgressBar,
    Splitter,
    Adopted,
};

struct ControlEntry {
    QPointer<QWidget> widget;
    ControlKind kind;
};

// An image keeps every size of its file as an icon, and one picture for image controls and
// drawing.
struct ImageEntry {
    QIcon icon;
    QPixmap pixmap;
};

inline int windowOfControl(int control) {
    return control / 100;
}

// ---- Windows
Window* findWindow(int window);
void registerWindow(int window, Window* widget);
// Removes the window and its controls from the registry; the caller destroys the widget.
void forgetWindow(int window);

// ---- Controls
// A control whose widget was destroyed along with its parent counts as absent.
const ControlEntry* findControl(int control);
QWidget* controlWidget(int control);
template <typename WidgetType>
WidgetType* controlAs(int control, ControlKind kind) {
    const ControlEntry* entry = findControl(control);
    if (entry == nullptr || entry->kind != kind) {
        return nullptr;
    }
    return dynamic_cast<WidgetType*>(entry->widget.data());
}
void registerControl(int control, QWidget* widget, ControlKind kind);
void forgetControl(int control);
// The client widget of the control's window, or nullptr.
QWidget* controlParent(int control);

// ---- Commands: one action per number, shared by menus, toolbar and popups.
QAction* findCommand(int command);
QAction* commandAction(int command);  // created on first use
// Sets the check mark that the action keeps when it is triggered.
void setCommandChecked(QAction* action, bool checked);

// ---- Menu building: the menu bar or popup most recently created, with its open submenus.
void beginMenuBar(QMenuBar* bar, Window* owner);
void beginPopup(QMenu* popup);
QMenuBar* buildingMenuBar();
Window* buildingMenuBarOwner();
QMenu* buildingMenu();  // the innermost open menu or submenu, nullptr if none
void pushBuildingMenu(QMenu* menu);
void popBuildingMenu();
void setBuildingMenuTitle(QMenu* menu);  // a new title of the menu bar; closes open submenus

// ---- Toolbar building: the toolbar most recently created.
void beginToolBar(Window* owner);
Window* buildingToolBarOwner();

// ---- Popup menus
QMenu* findPopup(int popup);
void replacePopup(int popup, QMenu* menu);

// ---- Images and fonts
const ImageEntry* findImage(int image);
void storeImage(int image, ImageEntry entry);
void forgetImage(int image);
const QFont* findFont(int font);
void storeFont(int font, const QFont& value);

// Destroys everything the registry holds.
void clearRegistry();

}  // namespace ui::detail
