// Texts, geometry and values of the plain controls.

#include "UiFixture.h"

#include "common/text/AnsiText.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace uitest {
namespace {

class ControlsTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(
            ui::OpenWindow(2, 520, 500, "WinAPI-Code online einreichen", ui::kWindowDefault));
    }
};

TEST_F(ControlsTest, EditorJoinsLinesWithCrLf) {
    ASSERT_TRUE(ui::CreateEditor(208, 150, 90, 300, 100));
    // A non-breaking space (A0) is part of the text and stays one.
    ui::SetText(208,
                "If a\r\n \xA0"
                "b\r\nEndIf");
    EXPECT_EQ(ui::GetText(208),
              "If a\r\n \xA0"
              "b\r\nEndIf");
    EXPECT_EQ(ui::GetText(208).find('\n', 0), 5u);
}

TEST_F(ControlsTest, LabelBreaksLinesAtCr) {
    const std::string notes = common::ansi("Wichtig:\r\t• Explizit-Modus\r\t• Richtiges Einrücken");
    ASSERT_TRUE(ui::CreateLabel(212, 150, 150, 350, 90, notes, ui::kWrap));
    auto* label = static_cast<QLabel*>(ui::ControlWidget(212));
    EXPECT_EQ(label->text().count('\n'), 2);
    EXPECT_TRUE(label->wordWrap());
    EXPECT_EQ(ui::GetText(212), notes);

    ASSERT_TRUE(ui::CreateLabel(206, 450, 70, 30, 20, "0 %", ui::kRightAligned));
    EXPECT_TRUE(static_cast<QLabel*>(ui::ControlWidget(206))->alignment() & Qt::AlignRight);
}

TEST_F(ControlsTest, TextsKeepAmpersandsAndAnsiBytes) {
    ASSERT_TRUE(ui::CreateButton(214, 0, 0, 100, 20, "Code & Links"));
    EXPECT_EQ(ui::GetText(214), "Code & Links");
    const std::string euro = common::ansi("Preis: 5 € „netto“");
    ASSERT_TRUE(ui::CreateStringField(204, 0, 30, 200, 20, euro));
    EXPECT_EQ(ui::GetText(204), euro);
    EXPECT_EQ(static_cast<QLineEdit*>(ui::ControlWidget(204))->text(),
              QString::fromUtf8("Preis: 5 € „netto“"));
}

TEST_F(ControlsTest, ReadOnlyFieldAndFrames) {
    ASSERT_TRUE(ui::CreateStringField(209, 100, 190, 280, 20, "/usr/bin/pb",
                                      ui::kReadOnly | ui::kSunkenEdge));
    EXPECT_TRUE(static_cast<QLineEdit*>(ui::ControlWidget(209))->isReadOnly());

    ASSERT_TRUE(ui::CreateFrame(211, 10, 10, 480, 90, "Fortschritt"));
    EXPECT_EQ(ui::GetText(211), "Fortschritt");
    ASSERT_TRUE(ui::CreateFrame(201, 10, 10, 500, 450, ""));
    EXPECT_EQ(static_cast<QGroupBox*>(ui::ControlWidget(201))->title(), "");
}

TEST_F(ControlsTest, ProgressBarStaysEmptyWithoutRangeAndClampsValues) {
    ASSERT_TRUE(ui::CreateProgressBar(205, 60, 70, 380, 20, 0, 0));
    auto* bar = static_cast<QProgressBar*>(ui::ControlWidget(205));
    EXPECT_EQ(ui::ProgressValue(205), 0);
    EXPECT_LT(bar->minimum(), bar->maximum());  // never the busy indicator
    EXPECT_FALSE(bar->isTextVisible());

    ui::SetProgressRange(205, 0, 200);
    ui::SetProgressValue(205, 150);
    EXPECT_EQ(ui::ProgressValue(205), 150);
    ui::SetProgressValue(205, 500);
    EXPECT_EQ(ui::ProgressValue(205), 200);
}

TEST_F(ControlsTest, ResizeKeepsWhatIsMinusOneAndRecreationReplaces) {
    ASSERT_TRUE(ui::CreateButton(214, 300, 470, 100, 20, "Senden"));
    ui::ResizeControl(214, -1, 440, 120, -1);
    EXPECT_EQ(ui::ControlX(214), 300);
    EXPECT_EQ(ui::ControlY(214), 440);
    EXPECT_EQ(ui::ControlWidth(214), 120);
    EXPECT_EQ(ui::ControlHeight(214), 20);

    ASSERT_TRUE(ui::CreateStringField(214, 0, 0, 50, 20, "Feld"));
    EXPECT_EQ(ui::GetText(214), "Feld");
    ui::FreeControl(214);
    EXPECT_FALSE(ui::ControlExists(214));
}

TEST_F(ControlsTest, ListRowsAndComboEntries) {
    ASSERT_TRUE(ui::CreateListView(203, 0, 20, 500, 340, "Name", 235));
    ui::AddListColumn(203, "Kategorie", 235);
    ui::AddListRow(203, {"CreateWindow", "Fenster"});
    ui::AddListRow(203, {"ReadFile", "Dateien"});
    EXPECT_EQ(ui::ItemCount(203), 2);
    EXPECT_EQ(ui::SelectedListRow(203), -1);
    ui::SetSelectedListRow(203, 1);
    EXPECT_EQ(ui::SelectedListRow(203), 1);
    ui::RemoveListRow(203, 0);
    EXPECT_EQ(ui::ListCellText(203, 0, 0), "ReadFile");
    EXPECT_EQ(ui::ListCellText(203, 0, 2), "");
    ui::ClearItems(203);
    EXPECT_EQ(ui::ItemCount(203), 0);

    ASSERT_TRUE(ui::CreateComboBox(210, 150, 120, 350, 20));
    ui::AddComboItem(210, "Fenster");
    ui::AddComboItem(210, "Dateien");
    ui::SetComboIndex(210, 1);
    EXPECT_EQ(ui::GetText(210), "Dateien");
    ui::SetComboIndex(210, 5);
    EXPECT_EQ(ui::ComboIndex(210), 1);
}

}  // namespace
}  // namespace uitest
