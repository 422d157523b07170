// Windows: sizes, the bars of a main window, reopening, closing and their events.

#include "UiFixture.h"

#include "common/text/AnsiText.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace uitest {
namespace {

using ui::EventKind;

class WindowsTest : public UiTest {
protected:
    static int eventsOf(EventKind kind, int window) {
        int count = 0;
        for (const ui::Event& event : driver::TakeEvents()) {
            count += event.kind == kind && event.window == window ? 1 : 0;
        }
        return count;
    }

    static void openMainWindow(int width, int height) {
        ASSERT_TRUE(
            ui::OpenWindow(0, width, height, "Quellhort 1.2.2",
                           ui::kWindowMainWindow | ui::kWindowResizable | ui::kWindowMinMax));
        ASSERT_TRUE(ui::CreateMenuBar(0));
        ui::MenuTitle("Programm");
        ui::MenuItem(2, "Beenden");
        ASSERT_TRUE(ui::CreateToolBar(0, 16));
        ui::ToolBarButton(2, 0, "Beenden");
        ASSERT_TRUE(ui::CreateStatusBar(0));
    }
};

TEST_F(WindowsTest, PlainWindowHasTheInnerSizeAsked) {
    ASSERT_TRUE(ui::OpenWindow(4, 370, 110, "Kategorie erstellen", ui::kWindowDefault));
    EXPECT_EQ(ui::WindowWidth(4), 370);
    EXPECT_EQ(ui::WindowHeight(4), 110);
    EXPECT_EQ(ui::WindowTitle(4), "Kategorie erstellen");
    EXPECT_EQ(ui::MenuBarHeight(4), 0);
    ASSERT_TRUE(ui::CreateButton(405, 150, 80, 100, 20, "Erstellen"));
    EXPECT_EQ(ui::ControlWidget(405)->mapTo(ui::ControlWidget(405)->window(), QPoint(0, 0)),
              QPoint(150, 80));
    // Opening is no resize.
    EXPECT_EQ(eventsOf(EventKind::Resize, 4), 0);
}

TEST_F(WindowsTest, MainWindowPlacesBarsAndControlsUnderTheMenuBar) {
    openMainWindow(600, 400);
    const int m = ui::MenuBarHeight(0);
    const int t = ui::ToolBarHeight(0);
    const int b = ui::StatusBarHeight(0);
    EXPECT_GT(m, 0);
    EXPECT_GT(t, 0);
    EXPECT_GT(b, 0);
    EXPECT_EQ(ui::WindowHeight(0), 400);  // the menu bar is counted

    ASSERT_TRUE(ui::CreateStringField(1, 0, t, 500, 20, ""));
    QWidget* field = ui::ControlWidget(1);
    EXPECT_EQ(field->mapTo(field->window(), QPoint(0, 0)), QPoint(0, m + t));

    QWidget* client = ui::ParentForControl(1);
    auto* toolBar = client->findChild<QToolBar*>();
    auto* statusBar = client->findChild<QStatusBar*>();
    EXPECT_EQ(toolBar->geometry(), QRect(0, 0, 600, t));
    EXPECT_EQ(statusBar->geometry(), QRect(0, 400 - m - b, 600, b));

    ui::SetStatusText(0, "12 Kategorien, 345 Codes");
    EXPECT_EQ(ui::StatusText(0), "12 Kategorien, 345 Codes");

    // The bars follow the width by themselves.
    driver::ResizeWindowByUser(0, 700, 450);
    EXPECT_EQ(ui::WindowWidth(0), 700);
    EXPECT_EQ(toolBar->geometry(), QRect(0, 0, 700, t));
    EXPECT_EQ(statusBar->geometry(), QRect(0, 450 - m - b, 700, b));
    EXPECT_EQ(eventsOf(EventKind::Resize, 0), 1);
}

TEST_F(WindowsTest, UserCannotResizeBelowTheMinimum) {
    openMainWindow(600, 400);
    ui::SetWindowMinimumSize(0, 550, 300);
    driver::ResizeWindowByUser(0, 100, 100);
    EXPECT_EQ(ui::WindowWidth(0), 550);
    EXPECT_EQ(ui::WindowHeight(0), 300);
}

TEST_F(WindowsTest, FixedSizeWindowKeepsItsSizeAgainstTheUser) {
    ASSERT_TRUE(ui::OpenWindow(6, 470, 380, common::ansi("Code hinzufügen"), ui::kWindowDefault));
    driver::ResizeWindowByUser(6, 800, 600);
    EXPECT_EQ(ui::WindowWidth(6), 470);
    ui::ResizeWindow(6, 480, 390);
    EXPECT_EQ(ui::WindowWidth(6), 480);
    EXPECT_EQ(ui::WindowHeight(6), 390);
}

TEST_F(WindowsTest, ReopeningANumberReplacesTheWindowAndItsControls) {
    ASSERT_TRUE(ui::OpenWindow(9, 500, 400, "Suchen", ui::kWindowResizable));
    ASSERT_TRUE(ui::CreateButton(906, 340, 370, 150, 20, common::ansi("Schließen")));
    ASSERT_TRUE(ui::OpenWindow(9, 500, 400, "Suchen 2", ui::kWindowResizable));
    EXPECT_TRUE(ui::WindowExists(9));
    EXPECT_EQ(ui::WindowTitle(9), "Suchen 2");
    EXPECT_FALSE(ui::ControlExists(906));
    EXPECT_EQ(ui::GetText(906), "");
}

TEST_F(WindowsTest, CloseDialogEnablesTheParentAndDestroysTheDialog) {
    openMainWindow(600, 400);
    ASSERT_TRUE(ui::OpenWindow(4, 370, 110, "Kategorie erstellen",
                               ui::kWindowNoClose | ui::kWindowCentered, 0));
    ASSERT_TRUE(ui::CreateStringField(404, 150, 30, 200, 20, ""));
    ui::DisableWindow(0, true);
    EXPECT_FALSE(ui::IsWindowEnabled(0));
    EXPECT_TRUE(ui::IsWindowEnabled(4));

    ui::CloseDialog(4, 0);
    EXPECT_TRUE(ui::IsWindowEnabled(0));
    EXPECT_FALSE(ui::WindowExists(4));
    EXPECT_FALSE(ui::ControlExists(404));
}

TEST_F(WindowsTest, CloseBoxIsReportedOrIgnored) {
    openMainWindow(600, 400);
    ASSERT_TRUE(ui::OpenWindow(1, 500, 250, "Pfadeinstellung", ui::kWindowNoClose));
    driver::TakeEvents();

    driver::RequestClose(1);
    EXPECT_EQ(eventsOf(EventKind::CloseRequest, 1), 0);
    EXPECT_TRUE(ui::ParentForControl(101)->window()->isVisible());

    // The program decides what a close request does; the window stays until then.
    driver::RequestClose(0);
    EXPECT_EQ(eventsOf(EventKind::CloseRequest, 0), 1);
    EXPECT_TRUE(ui::WindowExists(0));
    EXPECT_TRUE(ui::ParentForControl(1)->window()->isVisible());
}

TEST_F(WindowsTest, CentredWindowFitsTheScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_TRUE(ui::OpenWindow(0, area.width() + 300, area.height() + 300, "Quellhort",
                               ui::kWindowResizable | ui::kWindowCentered));
    EXPECT_LE(ui::WindowWidth(0), area.width());
    EXPECT_LE(ui::WindowHeight(0), area.height());

    ASSERT_TRUE(ui::OpenWindow(4, 200, 100, "Dialog", ui::kWindowCentered, 0));
    const QWidget* dialog = ui::ParentForControl(401)->window();
    const QWidget* main = ui::ParentForControl(1)->window();
    EXPECT_NEAR(dialog->geometry().center().x(), main->geometry().center().x(), 1);
    EXPECT_NEAR(dialog->geometry().center().y(), main->geometry().center().y(), 1);
}

TEST_F(WindowsTest, HiddenWindowAppearsOnShow) {
    ASSERT_TRUE(ui::OpenWindow(9, 500, 400, "Suchen", ui::kWindowHidden | ui::kWindowResizable));
    QWidget* window = ui::ParentForControl(901)->window();
    EXPECT_FALSE(window->isVisible());
    ui::ShowWindow(9);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowsTest, MaximizedStateIsReportedAndResizes) {
    openMainWindow(400, 300);
    driver::TakeEvents();
    ui::SetWindowState(0, ui::WindowState::Maximized);
    EXPECT_TRUE(
        driver::WaitFor([] { return ui::GetWindowState(0) == ui::WindowState::Maximized; }));
    EXPECT_TRUE(driver::WaitFor([] { return ui::WindowWidth(0) > 400; }));
    EXPECT_GE(eventsOf(EventKind::Resize, 0), 1);
    ui::SetWindowState(0, ui::WindowState::Normal);
    EXPECT_TRUE(driver::WaitFor([] { return ui::GetWindowState(0) == ui::WindowState::Normal; }));
}

TEST_F(WindowsTest, UnknownNumbersDoNothing) {
    ui::CloseWindow(7);
    ui::CloseDialog(7, 6);
    ui::SetWindowTitle(7, "x");
    ui::ResizeControl(777, 1, 2, 3, 4);
    ui::SetText(777, "x");
    EXPECT_FALSE(ui::WindowExists(7));
    EXPECT_EQ(ui::WindowTitle(7), "");
    EXPECT_EQ(ui::WindowWidth(7), 0);
    EXPECT_FALSE(ui::IsWindowEnabled(7));
    EXPECT_EQ(ui::ControlWidth(777), 0);
    EXPECT_EQ(ui::GetText(777), "");
    EXPECT_EQ(ui::ItemCount(777), 0);
    EXPECT_EQ(ui::CurrentTreeItem(777), -1);
    EXPECT_FALSE(ui::CreateButton(777, 0, 0, 10, 10, "x"));
    EXPECT_TRUE(driver::TakeEvents().empty());
}

}  // namespace
}  // namespace uitest
