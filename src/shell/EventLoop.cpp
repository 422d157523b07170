#include "shell/EventLoop.h"

#include "library/CategoryAdmin.h"
#include "library/CodeAdmin.h"
#include "library/FieldRules.h"
#include "library/LibraryTree.h"
#include "library/SearchWindow.h"
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
        case kCmdCreateCategory:
            library::OpenCreateCategoryDialog(kImageCreateCategory);
            break;
        case kCmdRemoveCategory:
            library::OpenRemoveCategoryDialog(kImageRemoveCategory);
            break;
        case kCmdAddCode:
            library::OpenAddCodeDialog(kImageAddCode);
            break;
        case kCmdRemoveCode:
            library::OpenRemoveCodeDialog(kImageRemoveCode);
            break;
        case kCmdRemoveEverything:
            library::RemoveEverything();
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

void dispatchCategoryControl(int control) {
    switch (control) {
        case library::kCategoryNameField:
            library::EnableIfFilled(library::kCategoryNameField, library::kCreateCategoryButton);
            break;
        case library::kCreateCategoryButton:
            // A refused name leaves the dialog open for a correction.
            if (library::CreateCategory()) {
                ui::CloseDialog(library::kCreateCategoryWindow, kMainWindow);
            }
            break;
        case library::kCreateCategoryCancel:
            ui::CloseDialog(library::kCreateCategoryWindow, kMainWindow);
            break;
        case library::kRemoveCategoryButton:
            library::RemoveCategory();
            ui::CloseDialog(library::kRemoveCategoryWindow, kMainWindow);
            break;
        case library::kRemoveCategoryCancel:
            ui::CloseDialog(library::kRemoveCategoryWindow, kMainWindow);
            break;
        default:
            break;
    }
}

void dispatchCodeControl(int control) {
    switch (control) {
        case library::kTitleField:
        case library::kCodeEditor:
            library::EnableAddCode();
            break;
        case library::kLinkList:
            library::EnableLinkRemoval();
            break;
        case library::kAddLinkButton:
            library::OpenAddLinkDialog(kImageAddCode);
            break;
        case library::kRemoveLinkButton:
            library::RemoveSelectedLink();
            break;
        case library::kAddCodeButton:
            // A refused title or a declined replacement leaves the dialog open.
            if (library::AddCode()) {
                ui::CloseDialog(library::kAddCodeWindow, kMainWindow);
            }
            break;
        case library::kAddCodeCancel:
            ui::CloseDialog(library::kAddCodeWindow, kMainWindow);
            break;
        case library::kCommandField:
        case library::kLinkField:
            library::EnableIfBothFilled(library::kCommandField, library::kLinkField,
                                        library::kAppendLinkButton);
            break;
        case library::kAppendLinkButton:
            library::AppendCommandLink();
            ui::CloseDialog(library::kAddLinkWindow, library::kAddCodeWindow);
            break;
        case library::kAddLinkCancel:
            ui::CloseDialog(library::kAddLinkWindow, library::kAddCodeWindow);
            break;
        case library::kRemovalTree:
            library::EnableCodeRemoval();
            break;
        case library::kRemoveCodeButton:
            library::RemoveCode();
            ui::CloseDialog(library::kRemoveCodeWindow, kMainWindow);
            break;
        case library::kRemoveCodeCancel:
            ui::CloseDialog(library::kRemoveCodeWindow, kMainWindow);
            break;
        default:
            break;
    }
}

void dispatchSearchControl(const ui::Event& event) {
    switch (event.number) {
        case library::kSearchWindowField:
            library::SearchAgainOnReturn(event.type);
            library::EnableIfFilled(library::kSearchWindowField, library::kSearchWindowButton);
            break;
        case library::kSearchWindowButton:
            library::SearchAgain();
            break;
        case library::kSearchResults:
            library::EnableResultButtons();
            break;
        case library::kShowResultButton:
            library::ShowSearchResult(false);
            break;
        case library::kShowAndCloseButton:
            library::ShowSearchResult(true);
            break;
        case library::kCloseSearchButton:
            library::CloseSearchWindow();
            break;
        default:
            break;
    }
}

void dispatchControl(const ui::Event& event) {
    // The hundreds digit of a control number is its window.
    switch (event.number / 100) {
        case library::kCreateCategoryWindow:
        case library::kRemoveCategoryWindow:
            dispatchCategoryControl(event.number);
            return;
        case library::kAddCodeWindow:
        case library::kAddLinkWindow:
        case library::kRemoveCodeWindow:
            dispatchCodeControl(event.number);
            return;
        case library::kSearchWindow:
            dispatchSearchControl(event);
            return;
        default:
            break;
    }
    switch (event.number) {
        case kSearchField:
            library::SearchOnReturn(event.type);
            library::EnableIfFilled(kSearchField, kSearchButton);
            break;
        case kSearchButton:
            library::OpenSearchWindow();
            break;
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
