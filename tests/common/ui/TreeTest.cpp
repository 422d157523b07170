// The tree: a flat item sequence with levels, a current item and a separate highlight.

#include "UiFixture.h"

namespace uitest {
namespace {

using ui::ControlEventType;

class TreeTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(ui::OpenWindow(0, 400, 300, "Quellhort", ui::kWindowResizable));
        ASSERT_TRUE(ui::CreateTree(3, 0, 0, 300, 300));
        for (const auto& [text, level] :
             std::vector<std::pair<std::string, int>>{{"Fenster", 0},
                                                      {"CreateWindow", 1},
                                                      {"MoveWindow", 1},
                                                      {"Dateien", 0},
                                                      {"ReadFile", 1}}) {
            ui::AddTreeItem(3, text, level);
        }
        driver::TakeEvents();
    }
};

TEST_F(TreeTest, ItemsKeepTheirAddOrderAndLevels) {
    EXPECT_EQ(ui::ItemCount(3), 5);
    EXPECT_EQ(ui::TreeItemText(3, 3), "Dateien");
    EXPECT_EQ(ui::TreeItemLevel(3, 4), 1);
    EXPECT_EQ(ui::TreeItemText(3, 5), "");
    EXPECT_EQ(ui::CurrentTreeItem(3), -1);
    EXPECT_FALSE(ui::IsTreeItemExpanded(3, 0));

    ui::SetTreeItemExpanded(3, 0, true);
    EXPECT_TRUE(ui::IsTreeItemExpanded(3, 0));
    EXPECT_EQ(ui::TreeItemText(3, 4), "ReadFile");  // numbering ignores collapsing
}

TEST_F(TreeTest, SetCurrentOpensTheParentAndReportsAChange) {
    ui::SetCurrentTreeItem(3, 4);
    EXPECT_EQ(ui::CurrentTreeItem(3), 4);
    EXPECT_EQ(ui::HighlightedTreeItem(3), 4);
    EXPECT_TRUE(ui::IsTreeItemExpanded(3, 3));
    EXPECT_EQ(controlEvents(3), std::vector<ControlEventType>{ControlEventType::Change});

    // Also when the item was current already.
    ui::SetCurrentTreeItem(3, 4);
    EXPECT_EQ(controlEvents(3), std::vector<ControlEventType>{ControlEventType::Change});
}

TEST_F(TreeTest, HighlightLeavesTheCurrentItem) {
    ui::SetCurrentTreeItem(3, 2);
    driver::TakeEvents();

    ui::HighlightTreeItem(3, 0);
    EXPECT_EQ(ui::HighlightedTreeItem(3), 0);
    EXPECT_EQ(ui::CurrentTreeItem(3), 2);
    EXPECT_TRUE(controlEvents(3).empty());

    // Making the same item current again brings its highlight back.
    ui::SetCurrentTreeItem(3, 2);
    EXPECT_EQ(ui::HighlightedTreeItem(3), 2);
}

TEST_F(TreeTest, ClearingLeavesNoCurrentItem) {
    ui::SetCurrentTreeItem(3, 1);
    ui::ClearItems(3);
    EXPECT_EQ(ui::ItemCount(3), 0);
    EXPECT_EQ(ui::CurrentTreeItem(3), -1);
    EXPECT_EQ(ui::HighlightedTreeItem(3), -1);

    // Numbering starts again at 0.
    ui::AddTreeItem(3, "Neu", 0);
    EXPECT_EQ(ui::TreeItemText(3, 0), "Neu");
}

TEST_F(TreeTest, CodeBeforeAnyCategoryStaysAtTheRoot) {
    ui::ClearItems(3);
    ui::AddTreeItem(3, "Lose", 1);
    ui::AddTreeItem(3, "Fenster", 0);
    EXPECT_EQ(ui::ItemCount(3), 2);
    EXPECT_EQ(ui::TreeItemLevel(3, 0), 1);
    ui::SetCurrentTreeItem(3, 0);
    EXPECT_EQ(ui::CurrentTreeItem(3), 0);
}

}  // namespace
}  // namespace uitest
