#include "shell/EventLoop.h"

#include "library/LibraryTree.h"
#include "shell/CommandLinks.h"
#include "shell/Commands.h"
#include "shell/Identifiers.h"
#include "shell/MainWindow.h"
#include "shell/ShellState.h"
#include "viewer/Viewer.h"

namespace shell {
namespace {

// Dialog windows closed through the upload worker's flags.
constexpr int kSubmissionWindow = 2;
constexpr int kProgressWindow = 3;

void serveCloseFlags() {
    ShellState& state = State();
    if (state.closeProgressFlag.exchange(0) == 1) {
        ui::CloseDialog(kProgressWindow, kSubmissionWindow);
    }
    if (state.closeFormFlag.exchange(0) == 1) {
        ui::CloseDialog(kSubmissionWindow, kMainWindow);
    }
}

void dispatchCommand(int command) {
    switch (command) {
        case kCmdUpdater:
            StartUpdater();
            break;
        case kCmdQuit:
            RequestQuit();
            break;
        case kCmdExpandAll:
            library::ExpandAllItems();
            break;
        case kCmdCollapseAll:
            library::CollapseAllItems();
            break;
        case kCmdAbout:
            ShowAbout();
            break;
        case kCmdCopy:
            viewer::CopyViewerSelection(kViewer);
            break;
        case kCmdSelectAll:
            viewer::SelectAllViewerText(kViewer);
            break;
        case kCmdIconSize16:
            SetToolbarIconSize(16);
            break;
        case kCmdIconSize24:
            SetToolbarIconSize(24);
            break;
        case kCmdIconSize32:
            SetToolbarIconSize(32);
            break;
        case kCmdShowLinks:
            ShowCommandLinks();
            break;
        default:
            if (command >= kCmdFirstLink && command <= kCmdLastLink) {
                OpenCommandLink(command - kCmdFirstLink);
            }
            break;
    }
}

void dispatchControl(const ui::Event& event) {
    switch (event.number) {
        case kLibraryTree:
            viewer::ShowSelectedCode(kLibraryTree, kViewer, State().settings.idePath);
            break;
        case kViewer:
            // The viewer's own context menu is off; its requests show the copy popup instead.
            if (event.type == ui::ControlEventType::RightClick) {
                ui::DisplayPopupMenu(kViewerPopup, kMainWindow);
            }
            break;
        default:
            break;
    }
}

}  // namespace

bool HandleEvent(const ui::Event& event) {
    ShellState& state = State();
    state.currentEvent = event;
    serveCloseFlags();
    switch (event.kind) {
        case ui::EventKind::Resize:
            LayoutMainWindow();
            break;
        case ui::EventKind::Menu:
            dispatchCommand(event.number);
            break;
        case ui::EventKind::Control:
            dispatchControl(event);
            break;
        default:
            break;
    }
    return !state.endAtOnce && state.currentEvent.kind != ui::EventKind::CloseRequest;
}

void RunEventLoop() {
    while (HandleEvent(ui::WaitEvent())) {
    }
}

}  // namespace shell
