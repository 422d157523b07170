#include "../LibraryWindowFixture.h"

#include "library/CategoryAdmin.h"
#include "library/CodeAdmin.h"
#include "library/LibraryTree.h"
#include "library/SearchWindow.h"

using namespace testsupport;
using namespace library;

namespace {

constexpr int kCmdCreateCategory = 5;
constexpr int kCmdAddCode = 7;
constexpr int kCmdRemoveCode = 8;
constexpr int kCmdShowLinks = 20;

class WholeWayTest : public LibraryWindowFixture {};

// An administrator builds a library from nothing, finds the new code by a word of its text,
// shows it and removes it again, all through the program's own windows.
TEST_F(WholeWayTest, CreateAddFindShowAndRemoveACode) {
    startQuellhort();
    EXPECT_EQ(ui::StatusText(0), "0 Kategorien, 0 Codes");
    EXPECT_FALSE(ui::IsControlEnabled(kMainSearchField));

    command(kCmdCreateCategory);
    type(kCategoryNameField, "Fenster");
    click(kCreateCategoryButton);
    ASSERT_FALSE(ui::WindowExists(kCreateCategoryWindow));
    EXPECT_EQ(treeItems(kMainTree), std::vector<std::string>{"0:Fenster"});

    command(kCmdAddCode);
    ASSERT_TRUE(ui::WindowExists(kAddCodeWindow));
    type(kTitleField, "Fenster zentrieren");
    type(kCodeEditor, "GetWindowRect_(WindowID(0), @Rechteck.RECT)");
    ui::testing::PressReturn(kCodeEditor);
    type(kCodeEditor, "MoveWindow_(WindowID(0), 10, 10, 300, 200, #True)");
    for (const char* name : {"GetWindowRect", "MoveWindow"}) {
        click(kAddLinkButton);
        ASSERT_TRUE(ui::WindowExists(kAddLinkWindow));
        type(kCommandField, name);
        type(kLinkField, std::string("https://learn.example/") + name);
        click(kAppendLinkButton);
    }
    click(kAddCodeButton);
    ASSERT_FALSE(ui::WindowExists(kAddCodeWindow));
    const std::string code =
        "GetWindowRect_(WindowID(0), @Rechteck.RECT)\r\n"
        "MoveWindow_(WindowID(0), 10, 10, 300, 200, #True)";
    EXPECT_EQ(readLibraryFile("Codes/Fenster/Fenster zentrieren.pb"), code);
    EXPECT_EQ(readLibraryFile("Einstellungen/Fenster/Fenster zentrieren.ini"),
              "GetWindowRect\r\nhttps://learn.example/GetWindowRect\r\n"
              "MoveWindow\r\nhttps://learn.example/MoveWindow\r\n");
    EXPECT_EQ(readLibraryFile("Einstellungen/Fenster.ini"), "Fenster zentrieren\r\n");
    EXPECT_EQ(ui::StatusText(0), "1 Kategorien, 1 Codes");
    EXPECT_TRUE(ui::IsControlEnabled(kMainSearchField));

    type(kMainSearchField, "movewindow_");
    returnIn(kMainSearchField);
    ASSERT_TRUE(ui::WindowExists(kSearchWindow));
    ASSERT_EQ(listRows(kSearchResults), std::vector<std::string>{"Fenster zentrieren|Fenster"});
    ui::testing::SelectListRow(kSearchResults, 0);
    settle();
    click(kShowAndCloseButton);
    EXPECT_FALSE(ui::WindowExists(kSearchWindow));
    EXPECT_EQ(ui::CurrentTreeItem(kMainTree), 1);
    EXPECT_EQ(viewerText(), code);
    EXPECT_TRUE(ui::IsCommandEnabled(kCmdShowLinks));

    command(kCmdRemoveCode);
    ASSERT_TRUE(ui::WindowExists(kRemoveCodeWindow));
    ui::testing::SelectTreeItem(kRemovalTree, 1);
    settle();
    click(kRemoveCodeButton);
    EXPECT_FALSE(ui::WindowExists(kRemoveCodeWindow));
    EXPECT_TRUE(ui::IsWindowEnabled(0));
    EXPECT_FALSE(exists("Codes/Fenster/Fenster zentrieren.pb"));
    EXPECT_FALSE(exists("Einstellungen/Fenster/Fenster zentrieren.ini"));
    EXPECT_EQ(readLibraryFile("Einstellungen/Fenster.ini"), "");
    EXPECT_EQ(treeItems(kMainTree), std::vector<std::string>{"0:Fenster"});
    EXPECT_EQ(ui::StatusText(0), "1 Kategorien, 0 Codes");
    EXPECT_EQ(viewerText(), "");
    EXPECT_TRUE(ui::testing::ShownMessages().empty());
}

}  // namespace
