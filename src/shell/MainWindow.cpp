#include "shell/MainWindow.h"

#include "common/text/AnsiText.h"
#include "common/ui/Ui.h"
#include "library/SearchWindow.h"
#include "shell/Identifiers.h"
#include "shell/ShellState.h"
#include "viewer/Viewer.h"

#include <algorithm>

namespace shell {
namespace {

constexpr int kSearchRowHeight = 20;
constexpr int kSearchButtonWidth = 100;
constexpr int kSplitterSideMinimum = 200;

int splitterHeight() {
    return ui::WindowHeight(kMainWindow) - ui::MenuBarHeight(kMainWindow) -
           ui::ToolBarHeight(kMainWindow) - ui::StatusBarHeight(kMainWindow) - kSearchRowHeight;
}

// The search window follows the main window's layout passes.
void layoutSearchWindow() {
    using namespace library;
    const int w = ui::WindowWidth(kSearchWindow);
    const int h = ui::WindowHeight(kSearchWindow);
    ui::ResizeControl(kSearchWindowField, -1, -1, w - kSearchButtonWidth, -1);
    ui::ResizeControl(kSearchWindowButton, w - kSearchButtonWidth, -1, -1, -1);
    ui::ResizeControl(kSearchResults, -1, -1, w, h - 60);
    ui::ResizeControl(kShowResultButton, w - 480, h - 30, -1, -1);
    ui::ResizeControl(kShowAndCloseButton, w - 320, h - 30, -1, -1);
    ui::ResizeControl(kCloseSearchButton, w - 160, h - 30, -1, -1);
}

}  // namespace

bool OpenMainWindow() {
    const SettingsRecord& settings = State().settings;
    unsigned flags =
        ui::kWindowResizable | ui::kWindowMinMax | ui::kWindowCentered | ui::kWindowMainWindow;
    if (settings.windowState == kMaximizedState) {
        flags |= ui::kWindowMaximized;
    }
    const std::string title = std::string(kProductName) + " " + kVersion;
    // A hand-edited negative size opens as small as the window's minimum allows.
    const int width = std::max(0, settings.windowWidth);
    const int height = std::max(0, settings.windowHeight);
    if (!ui::OpenWindow(kMainWindow, width, height, title, flags)) {
        return false;
    }
    ui::SetWindowMinimumSize(kMainWindow, 550, 300);
    return true;
}

void BuildMainControls() {
    const int w = ui::WindowWidth(kMainWindow);
    const int t = ui::ToolBarHeight(kMainWindow);
    ui::CreateStatusBar(kMainWindow);
    ui::CreateStringField(kSearchField, 0, t, w - kSearchButtonWidth, kSearchRowHeight, "");
    ui::CreateButton(kSearchButton, w - kSearchButtonWidth, t, kSearchButtonWidth, kSearchRowHeight,
                     "Suchen");
    ui::DisableControl(kSearchButton, true);
    ui::CreateTree(kLibraryTree, 0, 0, 0, 0);
    if (viewer::CreateCodeViewer(kViewer, 0, 0, 0, 0, kHighlighterFile) != 0) {
        viewer::SetViewerReadOnly(kViewer, true);
        viewer::DisableViewerPopup(kViewer);
    }
    ui::CreateSplitter(kSplitter, 0, t + kSearchRowHeight, w, splitterHeight(), kLibraryTree,
                       kViewer, ui::kVerticalBar);
    ui::SetSplitterMinimums(kSplitter, kSplitterSideMinimum, kSplitterSideMinimum);
    ui::SetSplitterPosition(kSplitter, State().settings.splitterPosition);
}

void LayoutMainWindow() {
    const int w = ui::WindowWidth(kMainWindow);
    ui::ResizeControl(kSearchField, -1, -1, w - kSearchButtonWidth, -1);
    ui::ResizeControl(kSearchButton, w - kSearchButtonWidth, -1, -1, -1);
    ui::ResizeControl(kSplitter, -1, -1, w, splitterHeight());
    if (ui::WindowExists(library::kSearchWindow)) {
        layoutSearchWindow();
    }
}

void SetToolbarIconSize(int size) {
    ui::SetMenuItemChecked(kCmdIconSize16, size == 16);
    ui::SetMenuItemChecked(kCmdIconSize24, size == 24);
    ui::SetMenuItemChecked(kCmdIconSize32, size == 32);
    State().settings.toolbarIconSize = size;
    const ui::Answer answer = ui::MessageBox(
        common::ansi("ToolBar-Icongröße ändern"),
        common::ansi("Die Einstellung für die ToolBar-Icongröße wurde jetzt geändert.\rDamit die "
                     "Änderung wirksam wird, muss die Anwendung neu gestartet werden.\rMöchten "
                     "Sie die Anwendung jetzt neu starten?"),
        ui::MessageIcon::Question, ui::MessageButtons::YesNo);
    if (answer == ui::Answer::Yes) {
        RequestRestart();
        RequestQuit();
    }
}

MainWindowSnapshot MainWindowSnapshotNow() {
    MainWindowSnapshot snapshot;
    switch (ui::GetWindowState(kMainWindow)) {
        case ui::WindowState::Normal:
            snapshot.state = MainWindowState::Normal;
            break;
        case ui::WindowState::Maximized:
            snapshot.state = MainWindowState::Maximized;
            break;
        case ui::WindowState::Minimized:
            snapshot.state = MainWindowState::Minimized;
            break;
    }
    snapshot.width = ui::WindowWidth(kMainWindow);
    snapshot.height = ui::WindowHeight(kMainWindow);
    snapshot.splitterPosition = ui::SplitterPosition(kSplitter);
    return snapshot;
}

}  // namespace shell
