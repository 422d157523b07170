#include "shell/Settings.h"

#include "common/text/AnsiText.h"
#include "support/ProgramDirFixture.h"

#include <QDir>

using namespace shell;
using testsupport::ProgramDirFixture;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

class SettingsTest : public ProgramDirFixture {
protected:
    QString settingsFile() const { return m_appData + "/Velmora/Quellhort/Einstellungen.ini"; }
};

TEST_F(SettingsTest, NewFileHoldsTheEightDefaultLines) {
    EnsureSettingsFile();
    EXPECT_EQ(ReadBytes(settingsFile()),
              "[Einstellungen]\r\n"
              "PBPfad = \r\n"
              "Fensterstatus = 0\r\n"
              "Fensterbreite = 800\r\n"
              "Fensterhoehe = 600\r\n"
              "Splitterposition = 200\r\n"
              "ToolBar_Icongroesse = 32\r\n"
              "Administratormodus = 0\r\n");
    SettingsRecord settings;
    LoadSettings(settings);
    EXPECT_EQ(settings.idePath, "");
    EXPECT_EQ(settings.windowWidth, 800);
    EXPECT_EQ(settings.windowHeight, 600);
    EXPECT_EQ(settings.splitterPosition, 200);
    EXPECT_EQ(settings.toolbarIconSize, 32);
    EXPECT_EQ(settings.administratorMode, 0);
}

TEST_F(SettingsTest, ExistingFileIsKeptAndRead) {
    WriteBytes(settingsFile(),
               "[einstellungen]\nPBPfad=   /opt/pb/purebasic  \nFensterbreite=1024\n"
               "Administratormodus = 1\n");
    EnsureSettingsFile();
    SettingsRecord settings;
    LoadSettings(settings);
    EXPECT_EQ(settings.idePath, "/opt/pb/purebasic");
    EXPECT_EQ(settings.windowWidth, 1024);
    EXPECT_EQ(settings.windowHeight, 600);  // missing key: default
    EXPECT_EQ(settings.administratorMode, 1);
}

TEST_F(SettingsTest, SavingFollowsTheWindowState) {
    struct Case {
        MainWindowState state;
        const char* expected;
    };
    const Case cases[] = {
        {MainWindowState::Normal,
         "Fensterstatus = 0\r\nFensterbreite = 1000\r\nFensterhoehe = 700\r\n"},
        {MainWindowState::Maximized,
         "Fensterstatus = 16777216\r\nFensterbreite = 800\r\nFensterhoehe = 600\r\n"},
        {MainWindowState::Minimized,
         "Fensterstatus = 0\r\nFensterbreite = 800\r\nFensterhoehe = 600\r\n"},
    };
    for (const Case& c : cases) {
        QFile::remove(settingsFile());
        EnsureSettingsFile();
        SettingsRecord settings;
        LoadSettings(settings);
        settings.idePath = "/usr/bin/pb";
        settings.toolbarIconSize = 24;
        SaveSettings(settings, {c.state, 1000, 700, 321});
        const QByteArray expected = QByteArray("[Einstellungen]\r\nPBPfad = /usr/bin/pb\r\n") +
                                    c.expected +
                                    "Splitterposition = 321\r\nToolBar_Icongroesse = 24\r\n"
                                    "Administratormodus = 0\r\n";
        EXPECT_EQ(ReadBytes(settingsFile()), expected) << int(c.state);
    }
}

TEST_F(SettingsTest, PerUserFolderMayHoldAnyCharacter) {
    const QString appData = m_root + QString::fromUtf8("/Дмитрий €");
    QDir().mkpath(appData);
    qputenv("APPDATA", appData.toUtf8());
    EnsureSettingsFile();
    SettingsRecord settings;
    LoadSettings(settings);
    EXPECT_EQ(settings.windowWidth, 800);
    settings.toolbarIconSize = 16;
    SaveSettings(settings, {MainWindowState::Normal, 900, 700, 250});
    EXPECT_TRUE(ReadBytes(appData + "/Velmora/Quellhort/Einstellungen.ini")
                    .contains("ToolBar_Icongroesse = 16\r\n"));
}

TEST_F(SettingsTest, NumbersBeyondTheRangeReadAsItsEnds) {
    WriteBytes(settingsFile(),
               "[Einstellungen]\nFensterbreite = 99999999999999999999\n"
               "Fensterhoehe = -9223372036854775808\nSplitterposition = -3000000000\n");
    SettingsRecord settings;
    LoadSettings(settings);
    EXPECT_EQ(settings.windowWidth, 2147483647);
    EXPECT_EQ(settings.windowHeight, -2147483647 - 1);
    EXPECT_EQ(settings.splitterPosition, -2147483647 - 1);
}

TEST_F(SettingsTest, UnusableSettingsFileLosesNothingAndSaysNothing) {
    QDir().mkpath(settingsFile());  // a folder where the file should be
    EnsureSettingsFile();
    SettingsRecord settings;
    LoadSettings(settings);
    EXPECT_EQ(settings.windowWidth, 0);  // initial values stay
    EXPECT_EQ(settings.idePath, "");
    SaveSettings(settings, {MainWindowState::Normal, 800, 600, 200});
    EXPECT_TRUE(QFileInfo(settingsFile()).isDir());
}

TEST_F(SettingsTest, SaveDoesNothingWhenTheFileVanished) {
    SettingsRecord settings;
    SaveSettings(settings, {MainWindowState::Normal, 800, 600, 200});
    EXPECT_FALSE(QFileInfo::exists(settingsFile()));
}

TEST_F(SettingsTest, PerUserFolderFallsBackWithoutAppData) {
    qputenv("APPDATA", "");
    qputenv("XDG_CONFIG_HOME", (m_root + "/xdg").toUtf8());
    EXPECT_EQ(SettingsFilePath(), m_root + "/xdg/Velmora/Quellhort/Einstellungen.ini");
    qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace
