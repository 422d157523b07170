#pragma once
// A numbered top-level window. Its controls live in a client widget placed at absolute
// positions. A main window puts its menu bar above the client area, and its toolbar (top) and
// status bar (bottom) inside the client area; they follow the width by themselves.

#include <QSize>
#include <QWidget>

class QLabel;
class QMenuBar;
class QStatusBar;
class QToolBar;

namespace ui::detail {

class Window : public QWidget {
public:
    // The opening size is not reported as a resize.
    Window(int number, unsigned flags, QSize innerSize);

    int number() const { return m_number; }
    unsigned flags() const { return m_flags; }
    bool hasFlag(unsigned flag) const { return (m_flags & flag) != 0; }
    QWidget* client() const { return m_client; }

    QMenuBar* menuBar() const { return m_menuBar; }
    QToolBar* toolBar() const { return m_toolBar; }
    QStatusBar* statusBar() const { return m_statusBar; }
    QLabel* statusField() const { return m_statusField; }
    // Each replaces a bar made before.
    QMenuBar* createMenuBar();
    QToolBar* createToolBar(int iconSize);
    QStatusBar* createStatusBar();

    int menuBarHeight() const;
    int toolBarHeight() const;
    int statusBarHeight() const;
    // Places the bars and the client area; called after the bars changed their content.
    void layoutBars();

    // Inner size changes made by the program; a window without a resizable frame keeps the new
    // size fixed.
    void setInnerSize(int width, int height);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int m_number;
    unsigned m_flags;
    QWidget* m_client;
    QMenuBar* m_menuBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QLabel* m_statusField = nullptr;
    QSize m_reportedSize;
};

}  // namespace ui::detail
