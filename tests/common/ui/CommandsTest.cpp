// Menu items, toolbar buttons and popup items share one action per command number.

#include "UiFixture.h"

#include "common/text/AnsiText.h"

#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace uitest {
namespace {

class CommandsTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(ui::OpenWindow(0, 600, 400, "Quellhort 1.2.2",
                                   ui::kWindowMainWindow | ui::kWindowResizable));
        ASSERT_TRUE(ui::CreateMenuBar(0));
        ui::MenuTitle("Ansicht");
        ui::OpenSubMenu("Kategorie");
        ui::MenuItem(3, "Alle aufklappen");
        ui::MenuItem(4, "Alle zuklappen");
        ui::CloseSubMenu();
        ui::OpenSubMenu(common::ansi("ToolBar-Icongröße"));
        ui::MenuItem(16, "16x16");
        ui::MenuItem(17, "24x24");
        ui::CloseSubMenu();
        ui::MenuTitle("Hilfe");
        ui::MenuItem(12, "Informationen");
        ASSERT_TRUE(ui::CreateToolBar(0, 24));
        ui::ToolBarButton(3, 0, "Kategorie aufklappen");
        ui::ToolBarButton(4, 0, "Kategorie zuklappen");
        ui::ToolBarSeparator();
        ui::ToolBarButton(12, 0, "Informationen");
        driver::TakeEvents();
    }

    static QToolButton* toolButton(int command) {
        auto* bar = ui::ParentForControl(1)->findChild<QToolBar*>();
        for (QAction* action : bar->actions()) {
            if (action->data().toInt() == command) {
                return qobject_cast<QToolButton*>(bar->widgetForAction(action));
            }
        }
        return nullptr;
    }

    static std::vector<int> menuEvents() {
        std::vector<int> commands;
        for (const ui::Event& event : driver::TakeEvents()) {
            if (event.kind == ui::EventKind::Menu) {
                commands.push_back(event.number);
            }
        }
        return commands;
    }
};

TEST_F(CommandsTest, ToolbarKeepsOrderTooltipsAndIconSize) {
    EXPECT_EQ(ui::ToolBarLayout(0), (std::vector<int>{3, 4, 0, 12}));
    EXPECT_EQ(ui::ToolBarTooltip(3), "Kategorie aufklappen");
    EXPECT_EQ(ui::ToolBarTooltip(16), "");  // a menu item without a button
    EXPECT_EQ(ui::ToolBarIconSize(0), 24);
    EXPECT_EQ(ui::MenuItemText(17), "24x24");
}

TEST_F(CommandsTest, MenuItemAndButtonAreDisabledTogether) {
    ui::DisableCommand(4, true);
    EXPECT_FALSE(ui::IsCommandEnabled(4));
    EXPECT_FALSE(toolButton(4)->isEnabled());
    EXPECT_TRUE(toolButton(3)->isEnabled());

    QTest::mouseClick(toolButton(4), Qt::LeftButton);
    driver::TriggerCommand(4);
    EXPECT_TRUE(menuEvents().empty());

    ui::DisableCommand(4, false);
    EXPECT_TRUE(toolButton(4)->isEnabled());
    QTest::mouseClick(toolButton(4), Qt::LeftButton);
    driver::TriggerCommand(3);
    EXPECT_EQ(menuEvents(), (std::vector<int>{4, 3}));
}

TEST_F(CommandsTest, CheckMarkChangesOnlyWhenTheProgramSetsIt) {
    ui::SetMenuItemChecked(17, true);
    EXPECT_TRUE(ui::IsMenuItemChecked(17));
    EXPECT_FALSE(ui::IsMenuItemChecked(16));

    // Choosing an item reports it; the marks stay as the program left them.
    driver::TriggerCommand(17);
    driver::TriggerCommand(16);
    EXPECT_EQ(menuEvents(), (std::vector<int>{17, 16}));
    EXPECT_TRUE(ui::IsMenuItemChecked(17));
    EXPECT_FALSE(ui::IsMenuItemChecked(16));

    ui::SetMenuItemChecked(17, false);
    ui::SetMenuItemChecked(16, true);
    EXPECT_TRUE(ui::IsMenuItemChecked(16));
    EXPECT_FALSE(ui::IsMenuItemChecked(17));
}

TEST_F(CommandsTest, PopupIsRebuiltAndSharesItsCommands) {
    ASSERT_TRUE(ui::CreatePopupMenu(1));
    ui::MenuItem(100, "CreateWindow");
    ui::MenuItem(101, "Send & Receive");
    EXPECT_EQ(ui::PopupMenuCommands(1), (std::vector<int>{100, 101}));
    EXPECT_EQ(ui::MenuItemText(101), "Send & Receive");

    ASSERT_TRUE(ui::CreatePopupMenu(1));
    ui::MenuItem(100, "GetDC");
    EXPECT_EQ(ui::PopupMenuCommands(1), (std::vector<int>{100}));
    EXPECT_EQ(ui::MenuItemText(100), "GetDC");

    // Showing it must not block; the choice comes back as a menu event.
    ui::DisplayPopupMenu(1, 0);
    driver::TriggerCommand(100);
    EXPECT_EQ(menuEvents(), (std::vector<int>{100}));
}

TEST_F(CommandsTest, MenuBarCarriesTitlesInOrder) {
    auto* bar = ui::ParentForControl(1)->window()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QStringList titles;
    for (QAction* action : bar->actions()) {
        titles.append(action->text());
    }
    EXPECT_EQ(titles, (QStringList{"Ansicht", "Hilfe"}));
}

TEST_F(CommandsTest, BarsNeedAMainWindow) {
    ASSERT_TRUE(ui::OpenWindow(4, 370, 110, "Kategorie erstellen", ui::kWindowDefault));
    EXPECT_FALSE(ui::CreateMenuBar(4));
    EXPECT_FALSE(ui::CreateToolBar(4, 16));
    EXPECT_FALSE(ui::CreateStatusBar(4));
    EXPECT_FALSE(ui::CommandExists(99));
    EXPECT_FALSE(ui::IsCommandEnabled(99));
}

}  // namespace
}  // namespace uitest
