// The code viewer is a Scintilla widget hosted by the layer; its context-menu requests, from the
// mouse or the keyboard, arrive once each as right clicks.

#include "UiFixture.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QTest>
#include <QWindow>

namespace uitest {
namespace {

using Types = std::vector<ui::ControlEventType>;

class ScintillaAdoptionTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(ui::OpenWindow(0, 600, 400, "Quellhort", ui::kWindowResizable));
        m_viewer = new QsciScintilla(ui::ParentForControl(4));
        m_viewer->SendScintilla(QsciScintillaBase::SCI_USEPOPUP, 0L);
        ASSERT_TRUE(ui::AdoptControl(4, m_viewer, 10, 10, 400, 300));
        m_window = m_viewer->window();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window));
        driver::TakeEvents();
    }

    QsciScintilla* m_viewer = nullptr;
    QWidget* m_window = nullptr;
};

TEST_F(ScintillaAdoptionTest, MouseRightClickIsOneRightClick) {
    const QPoint inWindow = m_viewer->viewport()->mapTo(m_window, QPoint(50, 50));
    QTest::mouseClick(m_window->windowHandle(), Qt::RightButton, Qt::NoModifier, inWindow);
    EXPECT_EQ(controlEvents(4), Types{ui::ControlEventType::RightClick});
}

TEST_F(ScintillaAdoptionTest, MenuKeyIsOneRightClick) {
    m_window->activateWindow();
    m_viewer->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window));
    // The window system turns the menu key into a keyboard request to the focus widget.
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(5, 5),
                              focus->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(focus, &request);
    EXPECT_EQ(controlEvents(4), Types{ui::ControlEventType::RightClick});
}

}  // namespace
}  // namespace uitest
