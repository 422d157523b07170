#include "common/ui/Window.h"

#include "common/ui/EventQueue.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QResizeEvent>
#include <QStatusBar>
#include <QToolBar>

namespace ui::detail {
namespace {

Qt::WindowFlags qtWindowFlags(unsigned flags) {
    Qt::WindowFlags result = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if ((flags & kWindowNoClose) == 0) {
        result |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if ((flags & kWindowMinMax) != 0) {
        result |= Qt::WindowMinMaxButtonsHint;
    }
    if ((flags & kWindowMinimize) != 0) {
        result |= Qt::WindowMinimizeButtonHint;
    }
    return result;
}

}  // namespace

Window::Window(int number, unsigned flags, QSize innerSize)
    : QWidget(nullptr, qtWindowFlags(flags)),
      m_number(number),
      m_flags(flags),
      m_client(new QWidget(this)),
      m_reportedSize(innerSize) {
    setInnerSize(innerSize.width(), innerSize.height());
}

QMenuBar* Window::createMenuBar() {
    delete m_menuBar;
    m_menuBar = new QMenuBar(this);
    m_menuBar->setNativeMenuBar(false);
    m_menuBar->show();
    layoutBars();
    return m_menuBar;
}

QToolBar* Window::createToolBar(int iconSize) {
    delete m_toolBar;
    m_toolBar = new QToolBar(m_client);
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->setIconSize(QSize(iconSize, iconSize));
    m_toolBar->show();
    layoutBars();
    return m_toolBar;
}

QStatusBar* Window::createStatusBar() {
    delete m_statusBar;
    m_statusBar = new QStatusBar(m_client);
    m_statusField = new QLabel(m_statusBar);
    m_statusField->setTextFormat(Qt::PlainText);
    m_statusBar->addWidget(m_statusField, 1);
    m_statusBar->show();
    layoutBars();
    return m_statusBar;
}

int Window::menuBarHeight() const {
    return m_menuBar != nullptr ? m_menuBar->height() : 0;
}

int Window::toolBarHeight() const {
    return m_toolBar != nullptr ? m_toolBar->height() : 0;
}

int Window::statusBarHeight() const {
    return m_statusBar != nullptr ? m_statusBar->height() : 0;
}

void Window::layoutBars() {
    const int w = width();
    int top = 0;
    if (m_menuBar != nullptr) {
        top = m_menuBar->sizeHint().height();
        m_menuBar->setGeometry(0, 0, w, top);
    }
    const int clientHeight = height() - top;
    m_client->setGeometry(0, top, w, clientHeight);
    if (m_toolBar != nullptr) {
        m_toolBar->setGeometry(0, 0, w, m_toolBar->sizeHint().height());
    }
    if (m_statusBar != nullptr) {
        const int barHeight = m_statusBar->sizeHint().height();
        m_statusBar->setGeometry(0, clientHeight - barHeight, w, barHeight);
        m_statusBar->raise();
    }
}

void Window::setInnerSize(int width, int height) {
    if (hasFlag(kWindowResizable)) {
        resize(width, height);
    } else {
        setFixedSize(width, height);
    }
    // A hidden window gets its resize event only when shown; the layout must be right now.
    layoutBars();
}

void Window::closeEvent(QCloseEvent* event) {
    // The program decides what a close box does; the window itself never closes.
    event->ignore();
    // A window disabled under an open dialog takes no input, its close box included.
    if (!hasFlag(kWindowNoClose) && isEnabled()) {
        queueWindowEvent(EventKind::CloseRequest, m_number);
    }
}

void Window::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutBars();
    if (event->size() != m_reportedSize) {
        m_reportedSize = event->size();
        queueWindowEvent(EventKind::Resize, m_number);
    }
}

}  // namespace ui::detail
