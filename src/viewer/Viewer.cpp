#include "viewer/Viewer.h"

#include "viewer/CodeViewer.h"
#include "viewer/EditorPrefs.h"
#include "viewer/Highlighter.h"

#include "common/ui/Ui.h"
#include "library/LibraryPaths.h"
#include "library/LibraryTree.h"

namespace viewer {
namespace {

constexpr int kOpenInIdeCommand = 19;
constexpr int kCommandLinksCommand = 20;
constexpr int kCodeLevel = 1;

CodeViewer* viewerOf(int control) {
    return dynamic_cast<CodeViewer*>(ui::ControlWidget(control));
}

}  // namespace

int CreateCodeViewer(int control, int x, int y, int w, int h, const std::string& libraryFile) {
    if (!LoadHighlighter(libraryFile)) {
        return 0;
    }
    QWidget* parent = ui::ParentForControl(control);
    if (parent == nullptr) {
        return 0;
    }
    auto* viewer = new CodeViewer(ReadEditorPrefs(), parent);
    // The layer takes the widget even when it fails, and frees it then.
    return ui::AdoptControl(control, viewer, x, y, w, h) ? control : 0;
}

void SetViewerReadOnly(int control, bool on) {
    if (CodeViewer* viewer = viewerOf(control)) {
        viewer->setViewerReadOnly(on);
    }
}

void SetViewerText(int control, const std::string& ansiText) {
    if (CodeViewer* viewer = viewerOf(control)) {
        viewer->setAnsiText(ansiText);
    }
}

bool LoadViewerFile(int control, const std::string& ansiPath) {
    CodeViewer* viewer = viewerOf(control);
    return viewer != nullptr && viewer->loadFile(ansiPath);
}

int ViewerTextLength(int control) {
    const CodeViewer* viewer = viewerOf(control);
    return viewer != nullptr ? viewer->ansiLength() : 0;
}

TextMode ViewerTextMode(int control) {
    const CodeViewer* viewer = viewerOf(control);
    return viewer != nullptr ? viewer->textMode() : TextMode::EightBit;
}

void CopyViewerSelection(int control) {
    if (CodeViewer* viewer = viewerOf(control)) {
        viewer->copySelection();
    }
}

void SelectAllViewerText(int control) {
    if (CodeViewer* viewer = viewerOf(control)) {
        viewer->selectAllText();
    }
}

void DisableViewerPopup(int control) {
    if (CodeViewer* viewer = viewerOf(control)) {
        viewer->disablePopup();
    }
}

void ShowSelectedCode(int treeControl, int viewerControl, const std::string& idePath) {
    const int item = ui::CurrentTreeItem(treeControl);
    if (item >= 0 && ui::TreeItemLevel(treeControl, item) == kCodeLevel) {
        ui::DisableCommand(kCommandLinksCommand, false);
        if (idePath != "0") {
            ui::DisableCommand(kOpenInIdeCommand, false);
        }
        const int categoryItem = library::CategoryOfItem(treeControl, item);
        const std::string category = ui::TreeItemText(treeControl, categoryItem);
        const std::string title = ui::TreeItemText(treeControl, item);
        SetViewerReadOnly(viewerControl, false);
        // A name that could address a file outside its category shows nothing new.
        if (const auto codeFile = library::CodeFilePath(category, title)) {
            LoadViewerFile(viewerControl, *codeFile);
        }
    } else {
        ui::DisableCommand(kOpenInIdeCommand, true);
        ui::DisableCommand(kCommandLinksCommand, true);
        SetViewerReadOnly(viewerControl, false);
        SetViewerText(viewerControl, "");
    }
    SetViewerReadOnly(viewerControl, true);
}

}  // namespace viewer
