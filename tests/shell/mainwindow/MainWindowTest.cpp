#include "../QuellhortFixture.h"

#include "shell/Commands.h"
#include "shell/Identifiers.h"
#include "shell/ShellState.h"

using namespace testsupport;
using namespace shell;

namespace {

class MainWindowTest : public QuellhortFixture {
protected:
    bool startWith(const QByteArray& settings) {
        installProgram();
        writeSettings(settings);
        return start();
    }
    static QByteArray settings(int width, int height, int splitter, int state = 0,
                               int iconSize = 32) {
        return QStringLiteral(
                   "[Einstellungen]\r\nPBPfad = /opt/pb\r\nFensterstatus = %1\r\n"
                   "Fensterbreite = %2\r\nFensterhoehe = %3\r\nSplitterposition = %4\r\n"
                   "ToolBar_Icongroesse = %5\r\nAdministratormodus = 0\r\n")
            .arg(state)
            .arg(width)
            .arg(height)
            .arg(splitter)
            .arg(iconSize)
            .toUtf8();
    }
    int splitterHeight() const {
        return ui::WindowHeight(0) - ui::MenuBarHeight(0) - ui::ToolBarHeight(0) -
               ui::StatusBarHeight(0) - 20;
    }
};

TEST_F(MainWindowTest, DefaultLayoutPlacesEveryControl) {
    ASSERT_TRUE(startWith(settings(800, 600, 200)));
    const int t = ui::ToolBarHeight(0);
    EXPECT_GT(t, 32);
    EXPECT_GT(ui::MenuBarHeight(0), 0);
    EXPECT_GT(ui::StatusBarHeight(0), 0);
    struct Place {
        int control, x, y, w, h;
    };
    const Place places[] = {{kSearchField, 0, t, 700, 20},
                            {kSearchButton, 700, t, 100, 20},
                            {kSplitter, 0, t + 20, 800, splitterHeight()}};
    for (const Place& p : places) {
        SCOPED_TRACE(p.control);
        EXPECT_EQ(ui::ControlX(p.control), p.x);
        EXPECT_EQ(ui::ControlY(p.control), p.y);
        EXPECT_EQ(ui::ControlWidth(p.control), p.w);
        EXPECT_EQ(ui::ControlHeight(p.control), p.h);
    }
    EXPECT_EQ(ui::SplitterPosition(kSplitter), 200);
    EXPECT_EQ(ui::ControlWidth(kLibraryTree), 200);
    EXPECT_EQ(ui::ControlWidth(kViewer), 800 - 200 - 4);
    EXPECT_FALSE(ui::IsControlEnabled(kSearchButton));
    EXPECT_TRUE(ui::IsMenuItemChecked(kCmdIconSize32));
    EXPECT_EQ(ui::ToolBarIconSize(0), 32);
}

TEST_F(MainWindowTest, SavedSplitterPositionIsCutToWhatFits) {
    struct Case {
        int saved, expected;
    };
    for (const Case c : {Case{900, 800 - 4 - 200}, Case{50, 200}, Case{350, 350}}) {
        SCOPED_TRACE(c.saved);
        ASSERT_TRUE(startWith(settings(800, 600, c.saved)));
        EXPECT_EQ(ui::SplitterPosition(kSplitter), c.expected);
        ui::ResetAll();
    }
}

TEST_F(MainWindowTest, ResizingChangesOnlyTheViewer) {
    ASSERT_TRUE(startWith(settings(800, 600, 250)));
    ui::testing::ResizeWindowByUser(0, 1100, 700);
    EXPECT_TRUE(pump());
    EXPECT_EQ(ui::WindowWidth(0), 1100);
    EXPECT_EQ(ui::ControlWidth(kSearchField), 1000);
    EXPECT_EQ(ui::ControlX(kSearchButton), 1000);
    EXPECT_EQ(ui::ControlWidth(kSplitter), 1100);
    EXPECT_EQ(ui::ControlHeight(kSplitter), splitterHeight());
    EXPECT_EQ(ui::SplitterPosition(kSplitter), 250);
    EXPECT_EQ(ui::ControlWidth(kViewer), 1100 - 250 - 4);
    ui::testing::ResizeWindowByUser(0, 550, 300);  // the minimum: tree 250, viewer the rest
    EXPECT_TRUE(pump());
    EXPECT_EQ(ui::SplitterPosition(kSplitter), 250);
    ui::testing::ResizeWindowByUser(0, 100, 100);
    EXPECT_TRUE(pump());
    EXPECT_EQ(ui::WindowWidth(0), 550);
    EXPECT_EQ(ui::WindowHeight(0), 300);
}

TEST_F(MainWindowTest, SavingFollowsMaximizedAndMinimized) {
    struct Case {
        ui::WindowState state;
        const char* status;
    };
    for (const Case c : {Case{ui::WindowState::Maximized, "Fensterstatus = 16777216\r\n"},
                         Case{ui::WindowState::Minimized, "Fensterstatus = 0\r\n"}}) {
        ASSERT_TRUE(startWith(settings(810, 610, 200)));
        ui::SetWindowState(0, c.state);
        ASSERT_TRUE(ui::testing::WaitFor([&] { return ui::GetWindowState(0) == c.state; }));
        ui::testing::DragSplitter(kSplitter, 300);
        Shutdown();
        const QByteArray saved = ReadBytes(settingsFile());
        EXPECT_TRUE(saved.contains(c.status)) << saved.data();
        EXPECT_TRUE(saved.contains("Fensterbreite = 810\r\nFensterhoehe = 610\r\n"))
            << saved.data();
        EXPECT_TRUE(saved.contains("Splitterposition = 300\r\n")) << saved.data();
    }
    ASSERT_TRUE(startWith(settings(810, 610, 200, kMaximizedState)));
    EXPECT_EQ(ui::GetWindowState(0), ui::WindowState::Maximized);
}

TEST_F(MainWindowTest, ToolbarIconSizeAsksAndTakesEffectAtTheNextStart) {
    ASSERT_TRUE(startWith(settings(800, 600, 200, 0, 24)));
    EXPECT_TRUE(ui::IsMenuItemChecked(kCmdIconSize24));
    EXPECT_EQ(ui::ToolBarIconSize(0), 24);

    ui::testing::TriggerCommand(kCmdIconSize16);  // answered No
    EXPECT_TRUE(pump());
    ASSERT_EQ(ui::testing::ShownMessages().size(), 1u);
    const auto& question = ui::testing::ShownMessages()[0];
    EXPECT_EQ(question.title, Ansi("ToolBar-Icongröße ändern"));
    EXPECT_EQ(question.text,
              Ansi("Die Einstellung für die ToolBar-Icongröße wurde jetzt geändert.\rDamit die "
                   "Änderung wirksam wird, muss die Anwendung neu gestartet werden.\rMöchten Sie "
                   "die Anwendung jetzt neu starten?"));
    EXPECT_TRUE(ui::IsMenuItemChecked(kCmdIconSize16));
    EXPECT_FALSE(ui::IsMenuItemChecked(kCmdIconSize24));
    EXPECT_EQ(ui::ToolBarIconSize(0), 24);
    EXPECT_EQ(State().restartRequest, 0);

    ui::testing::QueueAnswer(ui::Answer::Yes);  // the same size asks again
    ui::testing::TriggerCommand(kCmdIconSize16);
    EXPECT_FALSE(pump());
    EXPECT_EQ(State().restartRequest, 1);
    Shutdown();
    EXPECT_TRUE(ReadBytes(settingsFile()).contains("ToolBar_Icongroesse = 16\r\n"));
}

}  // namespace
