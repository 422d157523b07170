// Each kind of control turns what the user does into the events of the queue.

#include "UiFixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QPlainTextEdit>

namespace uitest {
namespace {

using ui::ControlEventType;
using Types = std::vector<ControlEventType>;

class ControlEventsTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(ui::OpenWindow(2, 400, 300, "Formular", ui::kWindowDefault));
        driver::TakeEvents();
    }
};

TEST_F(ControlEventsTest, StringFieldReportsEachChangeAndReturn) {
    ASSERT_TRUE(ui::CreateStringField(201, 10, 10, 200, 20, ""));
    driver::TypeText(201, "ab");
    driver::PressReturn(201);
    EXPECT_EQ(controlEvents(201), (Types{ControlEventType::Change, ControlEventType::Change,
                                         ControlEventType::Return}));
    EXPECT_EQ(ui::GetText(201), "ab");

    // A text set by the program is a change as well.
    ui::SetText(201, "neu");
    EXPECT_EQ(controlEvents(201), Types{ControlEventType::Change});
}

TEST_F(ControlEventsTest, ControlEventCarriesItsWindow) {
    ASSERT_TRUE(ui::CreateButton(214, 10, 10, 100, 20, "Senden"));
    driver::Click(214);
    const std::vector<ui::Event> events = driver::TakeEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, ui::EventKind::Control);
    EXPECT_EQ(events[0].number, 214);
    EXPECT_EQ(events[0].window, 2);
    EXPECT_EQ(events[0].type, ControlEventType::Click);
}

TEST_F(ControlEventsTest, DisabledButtonReportsNothing) {
    ASSERT_TRUE(ui::CreateButton(214, 10, 10, 100, 20, "Senden"));
    ui::DisableControl(214, true);
    driver::Click(214);
    EXPECT_TRUE(controlEvents(214).empty());
    EXPECT_FALSE(ui::IsControlEnabled(214));
}

TEST_F(ControlEventsTest, TreeReportsSelectionClickAndRightClick) {
    ASSERT_TRUE(ui::CreateTree(203, 0, 0, 300, 200));
    ui::AddTreeItem(203, "Fenster", 0);
    ui::AddTreeItem(203, "CreateWindow", 1);
    ui::AddTreeItem(203, "Dateien", 0);
    driver::TakeEvents();

    driver::SelectTreeItem(203, 1);
    EXPECT_EQ(controlEvents(203), (Types{ControlEventType::Change, ControlEventType::Click}));
    EXPECT_EQ(ui::CurrentTreeItem(203), 1);

    // A right click first moves the current item under the mouse.
    driver::RightClickTreeItem(203, 2);
    EXPECT_EQ(controlEvents(203), (Types{ControlEventType::Change, ControlEventType::RightClick}));
    EXPECT_EQ(ui::CurrentTreeItem(203), 2);
}

TEST_F(ControlEventsTest, ListReportsSelectionAndClick) {
    ASSERT_TRUE(ui::CreateListView(210, 0, 0, 300, 100, "Befehl", 135));
    ui::AddListColumn(210, "Link", 135);
    ui::AddListRow(210, {"CreateWindow", "http://a"});
    ui::AddListRow(210, {"DestroyWindow", "http://b"});
    driver::TakeEvents();

    driver::SelectListRow(210, 1);
    const Types events = controlEvents(210);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), ControlEventType::Selection);
    EXPECT_EQ(events.back(), ControlEventType::Click);
    EXPECT_EQ(ui::SelectedListRow(210), 1);
    EXPECT_EQ(ui::ListCellText(210, 1, 1), "http://b");
}

TEST_F(ControlEventsTest, ComboAndEditorReportChanges) {
    ASSERT_TRUE(ui::CreateComboBox(207, 0, 0, 200, 20));
    ui::AddComboItem(207, "Fenster");
    ui::AddComboItem(207, "Dateien");
    ASSERT_TRUE(ui::CreateEditor(208, 0, 30, 200, 100));
    driver::TakeEvents();

    driver::ChooseComboEntry(207, 1);
    EXPECT_EQ(controlEvents(207), Types{ControlEventType::Change});
    EXPECT_EQ(ui::ComboIndex(207), 1);
    EXPECT_EQ(ui::GetText(207), "Dateien");

    driver::TypeText(208, "x");
    EXPECT_EQ(controlEvents(208), Types{ControlEventType::Change});
}

// Counts the context-menu requests that reach the widget itself and ignores them, so that Qt
// passes each one on to the parent as well.
class ContextProbe : public QPlainTextEdit {
public:
    int requests = 0;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override {
        ++requests;
        event->ignore();
    }
};

TEST_F(ControlEventsTest, AdoptedWidgetReportsEachContextRequestOnceAndStillGetsIt) {
    auto* probe = new ContextProbe;
    ASSERT_TRUE(ui::AdoptControl(204, probe, 10, 10, 200, 100));
    EXPECT_EQ(ui::ControlWidget(204), probe);
    EXPECT_EQ(probe->parentWidget(), ui::ParentForControl(204));

    driver::RightClickControl(204);
    EXPECT_EQ(controlEvents(204), Types{ControlEventType::RightClick});
    EXPECT_GE(probe->requests, 1);

    // The context-menu key sends the request to the widget with the focus.
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(5, 5),
                          probe->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(probe, &key);
    EXPECT_EQ(controlEvents(204), Types{ControlEventType::RightClick});
}

TEST_F(ControlEventsTest, AdoptionFailsWithoutWindow) {
    EXPECT_EQ(ui::ParentForControl(555), nullptr);
    EXPECT_FALSE(ui::AdoptControl(555, new QPlainTextEdit, 0, 0, 10, 10));
    EXPECT_FALSE(ui::ControlExists(555));
}

}  // namespace
}  // namespace uitest
