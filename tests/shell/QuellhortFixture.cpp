#include "QuellhortFixture.h"

#include "common/platform/Platform.h"
#include "common/text/AnsiText.h"
#include "shell/EventLoop.h"
#include "shell/Startup.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace testsupport {
namespace {

QString distDir() {
    return qEnvironmentVariable("QH_DIST_DIR");
}

}  // namespace

std::string Ansi(const char* utf8) {
    return common::ansi(utf8);
}

void QuellhortFixture::SetUp() {
    ProgramDirFixture::SetUp();
    ui::ResetAll();
    ui::testing::ScriptDialogs();
    ui::testing::ClearShownMessages();
    common::SetProgramStarter(
        [this](const QString& program, const std::vector<QString>& args, const QString&) {
            m_started.push_back({program, args});
            return m_startSucceeds;
        });
    common::SetLinkOpener([this](const QString& target) {
        m_opened.push_back(target);
        return true;
    });
}

void QuellhortFixture::TearDown() {
    ui::ResetAll();
    common::SetProgramStarter({});
    common::SetLinkOpener({});
    ProgramDirFixture::TearDown();
}

void QuellhortFixture::installProgram() {
    writeFile("Quellhort", "");
    QFile::copy(distDir() + "/SyntaxHilighting.so", path("SyntaxHilighting.so"));
    QDir().mkpath(path("Grafiken"));
    QDirIterator pictures(distDir() + "/Grafiken", QDir::Files);
    while (pictures.hasNext()) {
        const QString file = pictures.next();
        QFile::copy(file, path("Grafiken/" + QFileInfo(file).fileName()));
    }
}

QString QuellhortFixture::settingsFile() const {
    return m_appData + "/Velmora/Quellhort/Einstellungen.ini";
}

void QuellhortFixture::writeSettings(const QByteArray& settings) {
    WriteBytes(settingsFile(), settings);
}

bool QuellhortFixture::start() {
    shell::StartupOptions options = shell::DefaultStartupOptions();
    options.executableDir = m_programDir;
    return shell::StartQuellhort(options);
}

bool QuellhortFixture::pump() {
    for (const ui::Event& event : ui::testing::TakeEvents()) {
        if (!shell::HandleEvent(event)) {
            return false;
        }
    }
    return true;
}

}  // namespace testsupport
