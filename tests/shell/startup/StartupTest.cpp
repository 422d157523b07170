#include "../QuellhortFixture.h"

#include "common/platform/Platform.h"
#include "shell/Commands.h"
#include "shell/EventLoop.h"
#include "shell/Identifiers.h"
#include "shell/ShellState.h"
#include "shell/Startup.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

#include <thread>

using namespace testsupport;
using ui::testing::ShownMessages;

namespace {

const char* const kDefaults =
    "[Einstellungen]\r\nPBPfad = \r\nFensterstatus = 0\r\nFensterbreite = 800\r\n"
    "Fensterhoehe = 600\r\nSplitterposition = 200\r\nToolBar_Icongroesse = 32\r\n"
    "Administratormodus = 0\r\n";

class StartupTest : public QuellhortFixture {};

TEST_F(StartupTest, FirstStartOnANewAccountCreatesEverything) {
    installProgram();
    ASSERT_TRUE(start());
    EXPECT_TRUE(QFileInfo(path("Codes")).isDir());
    EXPECT_TRUE(QFileInfo(path("Einstellungen")).isDir());
    EXPECT_TRUE(exists("Einstellungen/Kategorien.ini"));
    EXPECT_EQ(readFile("Einstellungen/Kategorien.ini"), "");
    EXPECT_EQ(ReadBytes(settingsFile()), kDefaults);
    EXPECT_EQ(ui::WindowTitle(0), "Quellhort 1.2.2");
    EXPECT_EQ(ui::WindowWidth(0), 800);
    EXPECT_EQ(ui::WindowHeight(0), 600);
    EXPECT_EQ(ui::StatusText(0), "0 Kategorien, 0 Codes");
    EXPECT_TRUE(ShownMessages().empty());
}

TEST_F(StartupTest, StartsFromAnotherWorkingDirectory) {
    installProgram();
    QDir().mkpath(m_root + "/Anderswo");
    QDir::setCurrent(m_root + "/Anderswo");
    ASSERT_TRUE(start());
    EXPECT_EQ(QDir::currentPath(), m_programDir);
    EXPECT_TRUE(exists("Einstellungen/Kategorien.ini"));
    EXPECT_FALSE(QFileInfo::exists(m_root + "/Anderswo/Codes"));
}

TEST_F(StartupTest, MissingPiecesStopTheStartWithTheirMessage) {
    struct Case {
        const char* name;
        const char* missing;  // file removed from the program directory
        bool brokenScintilla;
        const char* text;
    };
    const Case cases[] = {
        {"executable under another name", "Quellhort", false,
         "Die Programmdatei ''Quellhort.exe'' konnte im Programmverzeichnis nicht gefunden "
         "werden.\rUm das Problem beheben zu können, instalieren Sie diese Anwendung neu."},
        {"editor component", nullptr, true,
         "Die Datei ''Scintilla.dll'' konnte im Programmverzeichnis nicht gefunden werden.\r"
         "Bitte installieren Sie diese Anwendung neu."},
        {"highlighting module", "SyntaxHilighting.so", false,
         "Die Datei ''SyntaxHilighting.dll'' konnte im Programmverzeichnis nicht gefunden "
         "werden.\rBitte installieren Sie diese Anwendung neu."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(path("Codes")).removeRecursively();
        QDir(path("Einstellungen")).removeRecursively();
        installProgram();
        if (c.missing) {
            QFile::remove(path(c.missing));
        }
        ui::testing::ClearShownMessages();
        shell::StartupOptions options = shell::DefaultStartupOptions();
        options.executableDir = m_programDir;
        if (c.brokenScintilla) {
            options.scintillaLibrary = m_root + "/fehlt/libqscintilla2_qt6.so";
        }
        EXPECT_FALSE(shell::StartQuellhort(options));
        ASSERT_EQ(ShownMessages().size(), 1u);
        EXPECT_EQ(ShownMessages()[0].title, "Fehler");
        EXPECT_EQ(ShownMessages()[0].text, Ansi(c.text));
        EXPECT_EQ(ShownMessages()[0].icon, ui::MessageIcon::Error);
        EXPECT_FALSE(ui::WindowExists(0));
        // The folders come before the component checks.
        EXPECT_EQ(exists("Einstellungen/Kategorien.ini"),
                  std::string(c.missing ? c.missing : "") != "Quellhort");
        EXPECT_FALSE(QFileInfo::exists(settingsFile()));
    }
}

TEST_F(StartupTest, AbsurdSettingsStillGiveAUsableWindow) {
    installProgram();
    writeSettings(
        "[Einstellungen]\nFensterbreite = 0\nFensterhoehe = 100000\n"
        "Splitterposition = -50\nToolBar_Icongroesse = 7\n");
    ASSERT_TRUE(start());
    EXPECT_GE(ui::WindowWidth(0), 550);
    ui::ResetAll();
    writeSettings(
        "[Einstellungen]\nFensterbreite = -20\nFensterhoehe = 100000\n"
        "Splitterposition = -50\nToolBar_Icongroesse = 7\n");
    ASSERT_TRUE(start());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_GE(ui::WindowWidth(0), 550);
    EXPECT_GE(ui::WindowHeight(0), 300);
    EXPECT_LE(ui::WindowHeight(0), screen.height());
    EXPECT_EQ(ui::SplitterPosition(shell::kSplitter), 200);
    EXPECT_EQ(ui::ToolBarIconSize(0), 7);
    for (int command : {shell::kCmdIconSize16, shell::kCmdIconSize24, shell::kCmdIconSize32}) {
        EXPECT_FALSE(ui::IsMenuItemChecked(command));
    }
}

TEST_F(StartupTest, AdministratorModeExtendsTheTitle) {
    installProgram();
    writeSettings(
        QByteArray(kDefaults).replace("Administratormodus = 0", "Administratormodus = 1"));
    ASSERT_TRUE(start());
    EXPECT_EQ(ui::WindowTitle(0), "Quellhort 1.2.2 - Administrator");
}

TEST_F(StartupTest, QuitAndCloseBoxSaveTheSettings) {
    for (const bool viaCloseBox : {false, true}) {
        SCOPED_TRACE(viaCloseBox ? "close box" : "Beenden");
        installProgram();
        writeSettings(kDefaults);
        ASSERT_TRUE(start());
        ui::testing::ResizeWindowByUser(0, 900, 650);
        if (viaCloseBox) {
            ui::testing::RequestClose(0);
        } else {
            ui::testing::TriggerCommand(shell::kCmdQuit);
        }
        EXPECT_FALSE(pump());
        shell::Shutdown();
        const QByteArray saved = ReadBytes(settingsFile());
        EXPECT_TRUE(saved.contains("Fensterbreite = 900\r\nFensterhoehe = 650\r\n"))
            << saved.data();
        EXPECT_TRUE(m_started.empty());
    }
}

TEST_F(StartupTest, CloseBoxOfTheMainWindowIsDeadWhileADialogIsOpen) {
    installProgram();
    ASSERT_TRUE(start());
    ui::OpenWindow(4, 370, 110, "Kategorie erstellen", ui::kWindowNoClose | ui::kWindowCentered, 0);
    ui::DisableWindow(0, true);
    ui::testing::RequestClose(0);
    EXPECT_TRUE(pump());
    ui::CloseDialog(4, 0);
    ui::testing::RequestClose(0);
    EXPECT_FALSE(pump());
}

TEST_F(StartupTest, UpdaterQuestionDecidesWhetherTheProgramEnds) {
    installProgram();
    writeSettings(kDefaults);
    ASSERT_TRUE(start());
    ui::testing::TriggerCommand(shell::kCmdUpdater);  // answered No by default
    EXPECT_TRUE(pump());
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].title, "Vedezorevavaze");
    EXPECT_EQ(ShownMessages()[0].text,
              Ansi("Um die Software aktualisieren zu können, muss die Software vorher beendet "
                   "werden.\rMöchten Sie diese Software jetzt beenden und aktualisieren?"));
    EXPECT_EQ(ShownMessages()[0].icon, ui::MessageIcon::Question);
    EXPECT_EQ(ShownMessages()[0].buttons, ui::MessageButtons::YesNo);
    EXPECT_TRUE(m_started.empty());

    m_startSucceeds = false;  // the program ends even when the updater cannot start
    ui::testing::ResizeWindowByUser(0, 900, 650);
    ui::testing::QueueAnswer(ui::Answer::Yes);
    ui::testing::TriggerCommand(shell::kCmdUpdater);
    EXPECT_FALSE(pump());
    ASSERT_EQ(m_started.size(), 1u);
    EXPECT_EQ(m_started[0].program, m_programDir + "/Vedezorevavaze");
    EXPECT_TRUE(m_started[0].arguments.empty());
    EXPECT_TRUE(shell::State().endAtOnce);
    EXPECT_EQ(ReadBytes(settingsFile()), kDefaults);
}

TEST_F(StartupTest, RestartStartsTheOwnExecutableAfterSaving) {
    installProgram();
    writeSettings(kDefaults);
    ASSERT_TRUE(start());
    ui::testing::QueueAnswer(ui::Answer::Yes);
    ui::testing::TriggerCommand(shell::kCmdIconSize24);
    EXPECT_FALSE(pump());
    shell::Shutdown();
    EXPECT_TRUE(ReadBytes(settingsFile()).contains("ToolBar_Icongroesse = 24\r\n"));
    ASSERT_EQ(m_started.size(), 1u);
    EXPECT_EQ(m_started[0].program, common::ExecutablePath());
}

TEST_F(StartupTest, CloseFlagsAreServedProgressWindowFirst) {
    installProgram();
    ASSERT_TRUE(start());
    struct Case {
        bool form;
        bool formStays;
    };
    for (const Case c : {Case{false, true}, Case{true, false}}) {
        ui::OpenWindow(2, 520, 500, "WinAPI-Code online einreichen", ui::kWindowNoClose, 0);
        ui::DisableWindow(0, true);
        ui::OpenWindow(3, 500, 140, "WinAPI-Code senden", ui::kWindowNoClose, 2);
        ui::DisableWindow(2, true);
        // The worker sets its flags while no event comes; the loop must still wake for them.
        std::thread worker([&] {
            shell::SetCloseProgressFlag();
            if (c.form) {
                shell::SetCloseFormFlag();
            }
        });
        worker.join();
        EXPECT_TRUE(shell::HandleEvent(ui::WaitEvent()));
        EXPECT_FALSE(ui::WindowExists(3));
        EXPECT_EQ(ui::WindowExists(2), c.formStays);
        EXPECT_EQ(ui::IsWindowEnabled(2), c.formStays);
        EXPECT_EQ(ui::IsWindowEnabled(0), !c.formStays);
        ui::CloseDialog(2, 0);
    }
}

TEST_F(StartupTest, AboutBoxNamesTheProduct) {
    installProgram();
    ASSERT_TRUE(start());
    ui::testing::TriggerCommand(shell::kCmdAbout);
    EXPECT_TRUE(pump());
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].title, "Informationen");
    EXPECT_EQ(ShownMessages()[0].icon, ui::MessageIcon::Information);
    EXPECT_EQ(ShownMessages()[0].buttons, ui::MessageButtons::Ok);
    EXPECT_EQ(ShownMessages()[0].text.rfind("Quellhort 1.2.2\r", 0), 0u);
}

}  // namespace
