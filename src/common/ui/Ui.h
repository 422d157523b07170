#pragma once
// The numbered UI layer: every window, control, menu item, image and font of both programs is
// made and addressed through these functions by number. Texts are ANSI (Windows-1252) text.
//
// Numbers: windows 0-9; controls share one numbering whose hundreds digit is their window
// (controls 1-99 belong to window 0); commands (menu items, toolbar buttons, popup items);
// popup menus; images; fonts. An operation on a number that has no object does nothing and
// returns 0, false or empty text.
//
// Threads: all functions may be called from any thread. Calls from a worker thread are carried
// out on the GUI thread, and the worker waits for them (a message box blocks the worker until
// it is answered).

#include <string>
#include <vector>

class QWidget;

namespace ui {

// ---- Application -----------------------------------------------------------------------

// Creates the application object (offscreen when QT_QPA_PLATFORM says so) and loads Qt's and
// QScintilla's German translations. Safe to call more than once.
void InitApplication(int& argc, char** argv);

// Destroys every window, menu, image and font and empties the event queue (tests use it
// between cases; the programs at shutdown).
void ResetAll();

// ---- Events ----------------------------------------------------------------------------

enum class EventKind {
    None,          // nothing (a wake-up, or no event pending)
    Menu,          // a menu item, toolbar button or popup item was chosen: number = command
    Control,       // something happened to a control: number = control, type says what
    Resize,        // a window changed size: window = its number
    CloseRequest,  // the close box of a window was pressed: window = its number
};

enum class ControlEventType {
    Change,  // text or current item changed
    Click,   // button pressed, item clicked
    DoubleClick,
    Return,      // Return pressed in a one-line field
    RightClick,  // right click or context-menu request
    Selection,   // selected row of a list changed
};

struct Event {
    EventKind kind = EventKind::None;
    int number = 0;  // command or control number
    int window = -1;
    ControlEventType type = ControlEventType::Change;
};

// Processes Qt events until one of ours is queued, then returns it. A wake-up posted by a worker
// (WakeEventLoop) returns an event of kind None.
Event WaitEvent();
// Returns the next queued event without waiting (after processing pending Qt events), or an
// event of kind None when there is none.
Event PollEvent();
// Queues an event; callable from any thread.
void PostEvent(const Event& event);
// Makes a waiting WaitEvent return (kind None); callable from any thread.
void WakeEventLoop();

// ---- Windows ---------------------------------------------------------------------------

enum WindowFlags : unsigned {
    kWindowDefault = 0,
    kWindowResizable = 1u << 0,   // resizable frame
    kWindowMinMax = 1u << 1,      // minimize and maximize boxes
    kWindowNoClose = 1u << 2,     // no close box / no close entry in the window menu
    kWindowCentered = 1u << 3,    // centred over the parent window, or the screen without one
    kWindowHidden = 1u << 4,      // created invisible; ShowWindow shows it
    kWindowMaximized = 1u << 5,   // shown maximized
    kWindowMainWindow = 1u << 6,  // may carry menu bar, toolbar and status bar
    kWindowMinimize = 1u << 7,    // a minimize box without a maximize box
};

enum class WindowState { Normal, Maximized, Minimized };

// Opens window `window` with the given inner size (for a main window the height counts the menu
// bar). A window already open under that number is closed first. Returns false on failure.
bool OpenWindow(int window, int width, int height, const std::string& title, unsigned flags,
                int parent = -1);
void CloseWindow(int window);
bool WindowExists(int window);
// The close-dialog operation: enables window `parent`, then destroys window `dialog`.
void CloseDialog(int dialog, int parent);

void ShowWindow(int window);
void SetWindowTitle(int window, const std::string& title);
std::string WindowTitle(int window);
void SetWindowIcon(int window, int image);
// Inner size; for a main window the height includes the menu bar.
int WindowWidth(int window);
int WindowHeight(int window);
void ResizeWindow(int window, int width, int height);
void SetWindowMinimumSize(int window, int width, int height);
void SetWindowState(int window, WindowState state);
WindowState GetWindowState(int window);
void DisableWindow(int window, bool disabled);
bool IsWindowEnabled(int window);

// Heights of the bars of a main window (0 when it has none).
int MenuBarHeight(int window);
int ToolBarHeight(int window);
int StatusBarHeight(int window);

// ---- Menus, toolbar, status bar --------------------------------------------------------

// Menu building works on the menu most recently created (menu bar or popup).
bool CreateMenuBar(int window);
void MenuTitle(const std::string& title);
void OpenSubMenu(const std::string& title);
void CloseSubMenu();
// image 0 = no icon.
void MenuItem(int command, const std::string& text, int image = 0);
void MenuSeparator();
// Creates popup menu `popup` anew (an existing one of that number is replaced).
bool CreatePopupMenu(int popup);
// Shows the popup at the mouse cursor; returns at once, its choice arrives as a Menu event.
void DisplayPopupMenu(int popup, int window);
// Texts and command numbers of a popup's items, in order (for tests and the command links).
std::vector<int> PopupMenuCommands(int popup);
std::string MenuItemText(int command);

void SetMenuItemChecked(int command, bool checked);
bool IsMenuItemChecked(int command);
// Enables or disables a command everywhere: menu item, toolbar button, popup items.
void DisableCommand(int command, bool disabled);
bool IsCommandEnabled(int command);
bool CommandExists(int command);

// Creates the toolbar of a main window; its icons are shown at iconSize x iconSize pixels.
bool CreateToolBar(int window, int iconSize);
void ToolBarButton(int command, int image, const std::string& tooltip);
void ToolBarSeparator();
// Commands of the toolbar buttons left to right, 0 for a separator (for tests).
std::vector<int> ToolBarLayout(int window);
std::string ToolBarTooltip(int command);
int ToolBarIconSize(int window);

bool CreateStatusBar(int window);
void SetStatusText(int window, const std::string& text);
std::string StatusText(int window);

// ---- Controls --------------------------------------------------------------------------
// Each control is created in window (number / 100) at x, y with width w and height h.

enum ControlFlags : unsigned {
    kControlDefault = 0,
    kReadOnly = 1u << 0,      // string field: not editable
    kRightAligned = 1u << 1,  // label
    kWrap = 1u << 2,          // label: multi-line
    kSmooth = 1u << 3,        // progress bar: smooth instead of segmented
    kVerticalBar = 1u << 4,   // splitter: sides left and right of a vertical bar
    kSunkenEdge = 1u << 5,    // any: a sunken client edge
};

bool CreateStringField(int control, int x, int y, int w, int h, const std::string& text,
                       unsigned flags = kControlDefault);
bool CreateButton(int control, int x, int y, int w, int h, const std::string& text);
bool CreateTree(int control, int x, int y, int w, int h);
// Two-column report list: the first column here, more with AddListColumn.
bool CreateListView(int control, int x, int y, int w, int h, const std::string& firstColumn,
                    int firstColumnWidth);
void AddListColumn(int control, const std::string& title, int width);
bool CreateComboBox(int control, int x, int y, int w, int h);
bool CreateEditor(int control, int x, int y, int w, int h);
bool CreateFrame(int control, int x, int y, int w, int h, const std::string& caption);
bool CreateLabel(int control, int x, int y, int w, int h, const std::string& text,
                 unsigned flags = kControlDefault);
// w or h of 0 takes the image's natural size, also for images set later.
bool CreateImage(int control, int x, int y, int w, int h, int image);
bool CreateProgressBar(int control, int x, int y, int w, int h, int minimum, int maximum,
                       unsigned flags = kControlDefault);
// The splitter takes two existing controls as its sides.
bool CreateSplitter(int control, int x, int y, int w, int h, int first, int second,
                    unsigned flags = kControlDefault);
// Hosts a widget made elsewhere (the Scintilla viewer) as control `control`; the layer owns
// it from now on (on failure it is deleted) and reports its context-menu requests as
// RightClick events, after which the widget still receives them.
bool AdoptControl(int control, QWidget* widget, int x, int y, int w, int h);
// The parent widget for a control to be made in window (control / 100), or nullptr.
QWidget* ParentForControl(int control);
QWidget* ControlWidget(int control);

bool ControlExists(int control);
void FreeControl(int control);
// A coordinate or size of -1 stays unchanged.
void ResizeControl(int control, int x, int y, int w, int h);
int ControlX(int control);
int ControlY(int control);
int ControlWidth(int control);
int ControlHeight(int control);
void DisableControl(int control, bool disabled);
bool IsControlEnabled(int control);
void SetFocus(int control);

// Text of fields, buttons, labels, frames, editors (lines joined by CR LF) and the chosen entry
// of a combo box.
void SetText(int control, const std::string& text);
std::string GetText(int control);

// Trees: a flat sequence of items in display order, each with a text and a level (0, 1).
void ClearItems(int control);  // trees, lists and combo boxes
void AddTreeItem(int control, const std::string& text, int level);
int ItemCount(int control);  // trees, lists and combo boxes
std::string TreeItemText(int control, int item);
int TreeItemLevel(int control, int item);
// The item with the keyboard caret, or -1.
int CurrentTreeItem(int control);
// Makes the item current, opens its parent and scrolls it into view (a Change event follows).
void SetCurrentTreeItem(int control, int item);
void SetTreeItemExpanded(int control, int item, bool expanded);
bool IsTreeItemExpanded(int control, int item);
// Highlights the item without making it current; the current item's highlight is cleared.
void HighlightTreeItem(int control, int item);
int HighlightedTreeItem(int control);
void ScrollToTop(int control);

// Report lists.
void AddListRow(int control, const std::vector<std::string>& cells);
void RemoveListRow(int control, int row);
std::string ListCellText(int control, int row, int column);
int SelectedListRow(int control);  // -1 when none
void SetSelectedListRow(int control, int row);

// Combo boxes (not editable).
void AddComboItem(int control, const std::string& text);
int ComboIndex(int control);  // -1 when none
void SetComboIndex(int control, int index);

// Progress bars.
void SetProgressRange(int control, int minimum, int maximum);
void SetProgressValue(int control, int value);
int ProgressValue(int control);

// Image controls.
void SetImageControl(int control, int image);

// Splitters: the position is the width of the first side.
void SetSplitterPosition(int control, int position);
int SplitterPosition(int control);
void SetSplitterMinimums(int control, int first, int second);

// ---- Images and fonts ------------------------------------------------------------------

// Loads an ICO or PNG file (path in ANSI text, relative to the current directory). An icon
// keeps all its sizes for menus, toolbar and window icons; its picture (image controls,
// ImageWidth) is the 32 x 32 entry, or the largest when there is none.
bool LoadImage(int image, const std::string& path);
// Loads the icon of a program: an image file is loaded as it is; for a program file, the icon
// theme's icon named after the file's base name. False when there is none.
bool LoadProgramIcon(int image, const std::string& programPath);
bool ImageExists(int image);
int ImageWidth(int image);
int ImageHeight(int image);
void FreeImage(int image);

// family "" = the system's default face.
bool LoadFont(int font, const std::string& family, int points, bool bold = false);

// Copies `bannerImage`, draws `caption` in white with font `font` centred at y = 15 on the copy
// and shows the copy in image control `control`.
void DrawBannerCaption(int control, int bannerImage, const std::string& caption, int font);

// ---- Message boxes and the file dialog -------------------------------------------------

enum class MessageIcon { None, Error, Warning, Information, Question };
enum class MessageButtons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

// Text lines are separated by "\r". Buttons read "OK", "Ja", "Nein".
Answer MessageBox(const std::string& title, const std::string& text, MessageIcon icon,
                  MessageButtons buttons);

// Returns the chosen file's path, or "" when cancelled. Never changes the current directory.
std::string OpenFileDialog(const std::string& title, const std::string& startPath,
                           const std::string& pattern);

// ---- The clipboard ---------------------------------------------------------------------

std::string ClipboardText();

}  // namespace ui
