// The numbered viewer operations as the program uses them: viewer 4 beside tree 3 in the main
// window, with commands 19 and 20 in the menu.

#include "ViewerFixture.h"

#include "viewer/CodeViewer.h"
#include "viewer/Viewer.h"

#include "common/text/AnsiText.h"
#include "common/ui/TestDriver.h"
#include "common/ui/Ui.h"

#include <QApplication>
#include <QFile>
#include <QFrame>

#include <gtest/gtest.h>

namespace viewertest {
namespace {

using Sci = QsciScintillaBase;
using viewer::TextMode;

constexpr int kTree = 3;
constexpr int kViewer = 4;
constexpr int kFormViewer = 213;
constexpr int kOpenInIde = 19;
constexpr int kCommandLinks = 20;
constexpr const char* kIdePath = "/opt/purebasic/compilers/purebasic";

// Tree items in display order.
enum Item { kWindows, kSimple, kSize, kEmptyCategory, kFiles, kRead };

const std::string kSimpleCode = "OpenWindow(0, 0, 0, 200, 100, \"Einfach\")\r\nEnd";

class ViewerOperationsTest : public testsupport::ProgramDirFixture {
protected:
    void SetUp() override {
        ProgramDirFixture::SetUp();
        ui::ResetAll();
        ASSERT_TRUE(ui::OpenWindow(0, 800, 600, "Quellhort", ui::kWindowMainWindow));
        ASSERT_TRUE(ui::CreateMenuBar(0));
        ui::MenuTitle("Code");
        ui::MenuItem(kOpenInIde, common::ansi("Code in PureBasic öffnen"));
        ui::MenuItem(kCommandLinks, "MSDN-Links anzeigen");
        ui::DisableCommand(kOpenInIde, true);
        ui::DisableCommand(kCommandLinks, true);
        ASSERT_TRUE(ui::CreateTree(kTree, 0, 0, 200, 400));
        ui::AddTreeItem(kTree, "Fenster", 0);
        ui::AddTreeItem(kTree, "Einfach", 1);
        ui::AddTreeItem(kTree, common::ansi("Größe"), 1);
        ui::AddTreeItem(kTree, "Leer", 0);
        ui::AddTreeItem(kTree, "Dateien", 0);
        ui::AddTreeItem(kTree, "Lesen", 1);
        writeFile("Codes/Fenster/Einfach.pb", QByteArray::fromStdString(kSimpleCode));
        writeFile("Codes/Fenster/Größe.pb", "\xEF\xBB\xBF; Größe Ω");

        ASSERT_EQ(viewer::CreateCodeViewer(kViewer, 200, 0, 400, 300, kFakeModule), kViewer);
        viewer::SetViewerReadOnly(kViewer, true);
        viewer::DisableViewerPopup(kViewer);
        ui::testing::TakeEvents();
    }

    void TearDown() override {
        ui::ResetAll();
        ProgramDirFixture::TearDown();
    }

    viewer::CodeViewer* widget(int control) const {
        return dynamic_cast<viewer::CodeViewer*>(ui::ControlWidget(control));
    }
    long send(int control, unsigned int message, unsigned long wParam = 0) const {
        return widget(control)->SendScintilla(message, wParam);
    }
    QString text(int control) const { return widget(control)->text(); }

    // Selects a tree item as the user does and runs the tree's event handler.
    void select(int item, const std::string& idePath = kIdePath) {
        ui::testing::SelectTreeItem(kTree, item);
        ui::testing::TakeEvents();
        ASSERT_EQ(ui::CurrentTreeItem(kTree), item);
        viewer::ShowSelectedCode(kTree, kViewer, idePath);
    }
    void expectCommands(bool openInIde, bool commandLinks) const {
        EXPECT_EQ(ui::IsCommandEnabled(kOpenInIde), openInIde);
        EXPECT_EQ(ui::IsCommandEnabled(kCommandLinks), commandLinks);
    }
};

TEST_F(ViewerOperationsTest, CreatesAVisibleSunkenViewerThatKeepsItsCreationSettings) {
    ASSERT_NE(widget(kViewer), nullptr);
    EXPECT_TRUE(widget(kViewer)->isVisible());
    EXPECT_EQ(ui::ControlWidth(kViewer), 400);
    EXPECT_EQ(widget(kViewer)->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(send(kViewer, Sci::SCI_STYLEGETBACK, Sci::STYLE_DEFAULT), 16777215);

    testsupport::WriteBytes(m_appData + "/PureBasic/PureBasic.prefs",
                            "[Editor]\r\nBackgroundColor = 12632256\r\n");
    ASSERT_TRUE(ui::OpenWindow(2, 600, 500, "Einreichen", ui::kWindowDefault, 0));
    ASSERT_EQ(viewer::CreateCodeViewer(kFormViewer, 150, 240, 430, 200, kFakeModule), kFormViewer);
    EXPECT_EQ(send(kFormViewer, Sci::SCI_STYLEGETBACK, Sci::STYLE_DEFAULT), 12632256);
    EXPECT_EQ(send(kViewer, Sci::SCI_STYLEGETBACK, Sci::STYLE_DEFAULT), 16777215);
    EXPECT_EQ(viewer::ViewerTextMode(kFormViewer), TextMode::EightBit);
}

TEST_F(ViewerOperationsTest, WithoutAUsableHighlighterOrWindowNoViewerIsCreated) {
    ASSERT_TRUE(ui::OpenWindow(2, 600, 500, "Einreichen", ui::kWindowDefault, 0));
    for (const char* module : {"Fehlt.so", "NoHighlighter.so"}) {
        EXPECT_EQ(viewer::CreateCodeViewer(kFormViewer, 0, 0, 100, 100, module), 0) << module;
        EXPECT_FALSE(ui::ControlExists(kFormViewer)) << module;
    }
    EXPECT_EQ(viewer::CreateCodeViewer(305, 0, 0, 100, 100, kFakeModule), 0) << "no window 3";
    EXPECT_FALSE(ui::ControlExists(305));
}

TEST_F(ViewerOperationsTest, OperationsOnANumberWithoutViewerDoNothing) {
    writeFile("Code.pb", "Debug 1");
    for (int control : {kFormViewer, kTree}) {
        SCOPED_TRACE(control);
        viewer::SetViewerReadOnly(control, false);
        viewer::SetViewerText(control, "Debug 2");
        EXPECT_FALSE(viewer::LoadViewerFile(control, "Code.pb"));
        EXPECT_EQ(viewer::ViewerTextLength(control), 0);
        viewer::SelectAllViewerText(control);
        viewer::CopyViewerSelection(control);
        viewer::DisableViewerPopup(control);
        viewer::ShowSelectedCode(kTree, control, kIdePath);
    }
    EXPECT_EQ(ui::ItemCount(kTree), 6);
    EXPECT_EQ(ui::TreeItemText(kTree, 0), "Fenster");
}

TEST_F(ViewerOperationsTest, ShowsTheSelectedCodeAndSetsCommands19And20) {
    select(kSimple);
    EXPECT_EQ(common::fromQString(text(kViewer)), kSimpleCode);
    EXPECT_EQ(viewer::ViewerTextMode(kViewer), TextMode::EightBit);
    expectCommands(true, true);
    EXPECT_NE(send(kViewer, Sci::SCI_GETREADONLY), 0);

    select(kEmptyCategory);
    EXPECT_EQ(text(kViewer), "");
    expectCommands(false, false);
    EXPECT_NE(send(kViewer, Sci::SCI_GETREADONLY), 0);

    select(kSize, "0");
    EXPECT_EQ(text(kViewer), QString::fromUtf8("; Größe Ω"));
    EXPECT_EQ(viewer::ViewerTextMode(kViewer), TextMode::Utf8);
    expectCommands(false, true);

    // Its file is missing: the previous code stays on display.
    select(kRead);
    EXPECT_EQ(text(kViewer), QString::fromUtf8("; Größe Ω"));
    expectCommands(true, true);

    select(kWindows);
    EXPECT_EQ(text(kViewer), "");
    EXPECT_EQ(viewer::ViewerTextMode(kViewer), TextMode::Utf8) << "clearing keeps the mode";
    expectCommands(false, false);
    EXPECT_NE(send(kViewer, Sci::SCI_GETREADONLY), 0);
}

TEST_F(ViewerOperationsTest, ATitleThatLeavesItsCategoryShowsNothingNew) {
    select(kSimple);
    writeFile("Codes/Geheim.pb", "; liegt ausserhalb jeder Kategorie");
    ui::ClearItems(kTree);
    ui::AddTreeItem(kTree, "Fenster", 0);
    ui::AddTreeItem(kTree, "..\\Geheim", 1);
    select(1);
    EXPECT_EQ(common::fromQString(text(kViewer)), kSimpleCode);
    expectCommands(true, true);
}

TEST_F(ViewerOperationsTest, WithNoCurrentItemTheViewerIsEmptied) {
    select(kSimple);
    ui::ClearItems(kTree);
    ui::testing::TakeEvents();
    ASSERT_EQ(ui::CurrentTreeItem(kTree), -1);
    viewer::ShowSelectedCode(kTree, kViewer, kIdePath);
    EXPECT_EQ(text(kViewer), "");
    expectCommands(false, false);
}

TEST_F(ViewerOperationsTest, TheUserCannotTypeIntoTheShownCode) {
    select(kSimple);
    ui::testing::TypeText(kViewer, "xyz");
    EXPECT_EQ(common::fromQString(text(kViewer)), kSimpleCode);
    EXPECT_EQ(viewer::ViewerTextLength(kViewer), static_cast<int>(kSimpleCode.size()));
}

TEST_F(ViewerOperationsTest, SelectAllThenCopyPutsTheWholeCodeOnTheClipboard) {
    select(kSimple);
    viewer::SelectAllViewerText(kViewer);
    viewer::CopyViewerSelection(kViewer);
    EXPECT_EQ(ui::ClipboardText(), kSimpleCode);
}

TEST_F(ViewerOperationsTest, ARightClickIsReportedAndShowsNoScintillaMenu) {
    ui::testing::RightClickControl(kViewer);
    const std::vector<ui::Event> events = ui::testing::TakeEvents();
    QWidget* menu = QApplication::activePopupWidget();
    EXPECT_EQ(menu, nullptr);
    if (menu != nullptr) {
        menu->close();
    }
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, ui::EventKind::Control);
    EXPECT_EQ(events[0].number, kViewer);
    EXPECT_EQ(events[0].type, ui::ControlEventType::RightClick);
}

}  // namespace
}  // namespace viewertest
