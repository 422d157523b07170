#include "shell/Startup.h"

#include "common/platform/Platform.h"
#include "common/text/AnsiText.h"
#include "common/ui/Ui.h"
#include "library/LibraryPaths.h"
#include "library/LibraryTree.h"
#include "shell/Commands.h"
#include "shell/EventLoop.h"
#include "shell/Identifiers.h"
#include "shell/MainWindow.h"
#include "shell/Menus.h"
#include "shell/ShellState.h"
#include "viewer/ScintillaComponent.h"
#include "viewer/Viewer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace shell {
namespace {

constexpr const char* kExecutableFile = "Quellhort";

void showStartupError(const std::string& utf8Text) {
    ui::MessageBox("Fehler", common::ansi(utf8Text), ui::MessageIcon::Error,
                   ui::MessageButtons::Ok);
}

bool isFile(const QString& path) {
    return QFileInfo(path).isFile();
}

void ensureLibraryFolders() {
    for (const auto folder : {library::kCodesFolder, library::kSettingsFolder}) {
        const QString path = common::diskPath(folder);
        if (!QFileInfo(path).isDir()) {
            QDir().mkdir(path);
        }
    }
    const QString index = common::diskPath(library::CategoryIndexPath());
    if (!QFileInfo::exists(index)) {
        QFile file(index);
        file.open(QIODevice::WriteOnly);  // failure is not reported; start-up goes on
    }
}

}  // namespace

StartupOptions DefaultStartupOptions() {
    return {common::ExecutableDir(), viewer::ScintillaLibraryFile()};
}

bool StartQuellhort(const StartupOptions& options) {
    ResetState();

    if (!isFile(kExecutableFile)) {
        common::SetCurrentDir(options.executableDir);
        if (!isFile(kExecutableFile)) {
            showStartupError(
                "Die Programmdatei ''Quellhort.exe'' konnte im Programmverzeichnis nicht gefunden "
                "werden.\rUm das Problem beheben zu können, instalieren Sie diese Anwendung neu.");
            return false;
        }
    }

    ensureLibraryFolders();

    if (!isFile(options.scintillaLibrary)) {
        showStartupError(
            "Die Datei ''Scintilla.dll'' konnte im Programmverzeichnis nicht gefunden werden.\r"
            "Bitte installieren Sie diese Anwendung neu.");
        return false;
    }
    if (!isFile(kHighlighterFile)) {
        showStartupError(
            "Die Datei ''SyntaxHilighting.dll'' konnte im Programmverzeichnis nicht gefunden "
            "werden.\rBitte installieren Sie diese Anwendung neu.");
        return false;
    }

    EnsureSettingsFile();
    LoadSettings(State().settings);

    if (!OpenMainWindow()) {
        return false;
    }
    LoadImages();
    ui::LoadFont(kCaptionFont, "", 12);
    BuildMenuBar();
    BuildViewerPopup();
    BuildToolBar();
    BuildMainControls();

    library::SetTreeRefreshedHandler(ApplyToolbarStates);
    library::RefreshLibraryTree();

    if (State().settings.administratorMode == 1) {
        ui::SetWindowTitle(kMainWindow, ui::WindowTitle(kMainWindow) + " - Administrator");
    }
    return true;
}

int RunQuellhort(int argc, char** argv) {
    // The program reads no command line; Qt is not shown one either.
    static int qtArgc = argc > 0 ? 1 : 0;
    ui::InitApplication(qtArgc, argv);
    if (!StartQuellhort(DefaultStartupOptions())) {
        return 0;
    }
    RunEventLoop();
    if (!State().endAtOnce) {
        Shutdown();
    }
    return 0;
}

}  // namespace shell
