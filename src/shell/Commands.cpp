#include "shell/Commands.h"

#include "common/platform/Platform.h"
#include "common/text/AnsiText.h"
#include "common/ui/Ui.h"
#include "shell/MainWindow.h"
#include "shell/ShellState.h"

#include <QDir>

namespace shell {

void StartUpdater() {
    const ui::Answer answer = ui::MessageBox(
        "Vedezorevavaze",
        common::ansi("Um die Software aktualisieren zu können, muss die Software vorher beendet "
                     "werden.\rMöchten Sie diese Software jetzt beenden und aktualisieren?"),
        ui::MessageIcon::Question, ui::MessageButtons::YesNo);
    if (answer != ui::Answer::Yes) {
        return;
    }
    common::StartProgram(QDir::current().absoluteFilePath(QStringLiteral("Vedezorevavaze")), {},
                         QDir::currentPath());
    State().endAtOnce = true;
}

void ShowAbout() {
    const std::string text = std::string(kProductName) + " " + kVersion +
                             common::ansi(
                                 "\rEine Bibliothek kurzer PureBasic-Codes zur Windows-API.\r\r"
                                 "Hersteller: Velmora Software\r"
                                 "Webseite: https://www.velmora.example/quellhort\r"
                                 "E-Mail: quellhort@velmora.example\r\r"
                                 "Symbole: eigene Zeichnungen des Quellhort-Teams");
    ui::MessageBox("Informationen", text, ui::MessageIcon::Information, ui::MessageButtons::Ok);
}

void Shutdown() {
    SaveSettings(State().settings, MainWindowSnapshotNow());
    if (State().restartRequest == 1) {
        common::StartProgram(common::ExecutablePath(), {}, QString());
    }
    ui::ResetAll();
}

}  // namespace shell
