#include "library/LibraryTree.h"

#include "common/ui/Ui.h"
#include "support/ProgramDirFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kTree = 203;

class CategoryOfItemTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui::ResetAll();
        ASSERT_TRUE(ui::OpenWindow(2, 300, 200, "Baum", ui::kWindowHidden));
        ASSERT_TRUE(ui::CreateTree(kTree, 0, 0, 300, 200));
    }
    void TearDown() override { ui::ResetAll(); }

    static void fill(const std::vector<std::pair<std::string, int>>& items) {
        for (const auto& [text, level] : items) {
            ui::AddTreeItem(kTree, text, level);
        }
    }
};

TEST_F(CategoryOfItemTest, FindsTheNearestCategoryAbove) {
    // The same title under two categories is told apart by its position.
    fill({{"Fenster", 0}, {"Titel", 1}, {"Zweiter", 1}, {"Leer", 0}, {"Dateien", 0}, {"Titel", 1}});
    EXPECT_EQ(library::CategoryOfItem(kTree, 1), 0);
    EXPECT_EQ(library::CategoryOfItem(kTree, 2), 0);
    EXPECT_EQ(library::CategoryOfItem(kTree, 5), 4);
}

TEST_F(CategoryOfItemTest, GivesMinusOneWithoutACategoryAbove) {
    fill({{"Verwaist", 1}, {"Fenster", 0}, {"Titel", 1}});
    EXPECT_EQ(library::CategoryOfItem(kTree, 0), -1);
    EXPECT_EQ(library::CategoryOfItem(kTree, -1), -1);
    EXPECT_EQ(library::CategoryOfItem(kTree, 3), -1);
    EXPECT_EQ(library::CategoryOfItem(kTree + 1, 1), -1);
}

class MainTreeTest : public testsupport::ProgramDirFixture {
protected:
    void SetUp() override {
        ProgramDirFixture::SetUp();
        ui::ResetAll();
        ASSERT_TRUE(ui::OpenWindow(0, 400, 300, "Quellhort", ui::kWindowMainWindow));
        ui::CreateStatusBar(0);
        ASSERT_TRUE(ui::CreateTree(library::kMainTree, 0, 0, 400, 250));
        library::SetTreeRefreshedHandler([this](bool hasItems) { m_reported.push_back(hasItems); });
        writeFile("Einstellungen/Kategorien.ini", "B\r\nA\r\nOhne\r\n\r\n../Weg\r\n");
        writeFile("Einstellungen/B.ini", "b1\r\nb2");
        writeFile("Einstellungen/A.ini", "a1\r\n\r\n");
        writeFile("Einstellungen/.ini", "unerreichbar\r\n");
    }
    void TearDown() override {
        library::SetTreeRefreshedHandler({});
        ui::ResetAll();
        ProgramDirFixture::TearDown();
    }
    std::vector<bool> m_reported;
};

TEST_F(MainTreeTest, RefreshBuildsTheTreeAndTheCountsFromTheIndexes) {
    library::RefreshLibraryTree();
    const std::vector<std::pair<std::string, int>> expected = {
        {"B", 0}, {"b1", 1},   {"b2", 1}, {"A", 0},     {"a1", 1},
        {"", 1},  {"Ohne", 0}, {"", 0},   {"../Weg", 0}};
    ASSERT_EQ(ui::ItemCount(library::kMainTree), static_cast<int>(expected.size()));
    for (int i = 0; i < static_cast<int>(expected.size()); ++i) {
        EXPECT_EQ(ui::TreeItemText(library::kMainTree, i), expected[i].first) << i;
        EXPECT_EQ(ui::TreeItemLevel(library::kMainTree, i), expected[i].second) << i;
    }
    // Neither the empty name nor a name that leaves its folder reaches a code index.
    EXPECT_EQ(ui::StatusText(0), "5 Kategorien, 4 Codes");
    EXPECT_EQ(m_reported, std::vector<bool>{true});

    writeFile("Einstellungen/Kategorien.ini", "");
    library::RefreshLibraryTree();
    EXPECT_EQ(ui::ItemCount(library::kMainTree), 0);
    EXPECT_EQ(ui::StatusText(0), "0 Kategorien, 0 Codes");
    EXPECT_EQ(m_reported, (std::vector<bool>{true, false}));
}

TEST_F(MainTreeTest, ExpandAndCollapseHighlightTheFirstItemAndKeepTheCurrentOne) {
    library::RefreshLibraryTree();
    EXPECT_EQ(ui::CurrentTreeItem(library::kMainTree), -1);
    ui::SetCurrentTreeItem(library::kMainTree, 4);  // "a1", inside a collapsed category
    ui::SetTreeItemExpanded(library::kMainTree, 3, false);
    library::ExpandAllItems();
    for (int category : {0, 3}) {
        EXPECT_TRUE(ui::IsTreeItemExpanded(library::kMainTree, category));
    }
    EXPECT_EQ(ui::CurrentTreeItem(library::kMainTree), 4);
    EXPECT_EQ(ui::HighlightedTreeItem(library::kMainTree), 0);
    library::CollapseAllItems();
    for (int category : {0, 3}) {
        EXPECT_FALSE(ui::IsTreeItemExpanded(library::kMainTree, category));
    }
    EXPECT_EQ(ui::CurrentTreeItem(library::kMainTree), 4);
    EXPECT_EQ(ui::HighlightedTreeItem(library::kMainTree), 0);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ui::InitApplication(argc, argv);
    return RUN_ALL_TESTS();
}
