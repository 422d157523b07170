// The splitter: the position is the first side's width, fitted to both minimums.

#include "UiFixture.h"

namespace uitest {
namespace {

class SplitterTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(ui::OpenWindow(0, 1200, 600, "Quellhort", ui::kWindowResizable));
        ASSERT_TRUE(ui::CreateTree(3, 0, 0, 0, 0));
        ASSERT_TRUE(ui::CreateEditor(4, 0, 0, 0, 0));
        ASSERT_TRUE(ui::CreateSplitter(5, 0, 40, 800, 500, 3, 4, ui::kVerticalBar));
        ui::SetSplitterMinimums(5, 200, 200);
    }

    // The sides fill the splitter exactly, with the 4-pixel bar between them.
    static void expectSidesFit(int position) {
        const int width = ui::ControlWidth(5);
        EXPECT_EQ(ui::SplitterPosition(5), position);
        EXPECT_EQ(ui::ControlWidth(3), position);
        EXPECT_EQ(ui::ControlX(4), position + 4);
        EXPECT_EQ(ui::ControlWidth(4), width - position - 4);
        EXPECT_EQ(ui::ControlHeight(3), ui::ControlHeight(5));
    }
};

TEST_F(SplitterTest, PositionIsFittedToTheMinimums) {
    struct Case {
        int asked;
        int expected;
    };
    for (const Case& c : std::vector<Case>{
             {300, 300}, {200, 200}, {199, 200}, {0, 200}, {596, 596}, {597, 596}, {5000, 596}}) {
        SCOPED_TRACE(c.asked);
        ui::SetSplitterPosition(5, c.asked);
        expectSidesFit(c.expected);
    }
}

TEST_F(SplitterTest, FirstSideKeepsItsWidthWhenTheSplitterChangesSize) {
    ui::SetSplitterPosition(5, 300);
    ui::ResizeControl(5, -1, -1, 1000, -1);
    expectSidesFit(300);
    ui::ResizeControl(5, -1, -1, 600, 300);
    expectSidesFit(300);

    // Too narrow for both: the first side keeps its minimum, the second gets the rest.
    ui::ResizeControl(5, -1, -1, 300, -1);
    EXPECT_EQ(ui::SplitterPosition(5), 200);
    EXPECT_EQ(ui::ControlWidth(4), 96);

    // The width asked for comes back when there is room again.
    ui::ResizeControl(5, -1, -1, 900, -1);
    expectSidesFit(300);
}

TEST_F(SplitterTest, DraggingTheBarMovesThePositionWithinTheMinimums) {
    ui::SetSplitterPosition(5, 300);
    driver::DragSplitter(5, 450);
    expectSidesFit(450);
    driver::DragSplitter(5, 50);
    expectSidesFit(200);
    driver::DragSplitter(5, 790);
    expectSidesFit(596);
}

TEST_F(SplitterTest, FreeingTheSplitterFreesItsSides) {
    EXPECT_EQ(ui::ControlWidget(3)->parentWidget(), ui::ControlWidget(5));
    ui::FreeControl(5);
    EXPECT_FALSE(ui::ControlExists(5));
    EXPECT_FALSE(ui::ControlExists(3));
    EXPECT_FALSE(ui::ControlExists(4));
}

}  // namespace
}  // namespace uitest
