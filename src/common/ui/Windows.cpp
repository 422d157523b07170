// Window operations of the numbered UI layer.

#include "common/text/AnsiText.h"
#include "common/ui/GuiThread.h"
#include "common/ui/Registry.h"
#include "common/ui/Ui.h"
#include "common/ui/Window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace ui {
namespace {

using detail::findWindow;
using detail::runOnGui;
using detail::Window;

QRect availableArea(const QWidget* near) {
    QScreen* screen = near != nullptr ? near->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// Centres the inner area; the frame is not known before the window is shown.
void centre(Window* window, const Window* parent) {
    const QRect area = parent != nullptr ? parent->geometry() : availableArea(window);
    QRect inner(QPoint(0, 0), window->size());
    inner.moveCenter(area.center());
    window->setGeometry(inner);
}

void show(Window* window) {
    if (window->hasFlag(kWindowMaximized)) {
        window->showMaximized();
    } else {
        window->show();
    }
}

void destroyWindow(int number) {
    Window* window = findWindow(number);
    detail::forgetWindow(number);
    delete window;
}

}  // namespace

bool OpenWindow(int window, int width, int height, const std::string& title, unsigned flags,
                int parent) {
    return runOnGui([&] {
        if (QCoreApplication::instance() == nullptr || width < 0 || height < 0) {
            return false;
        }
        destroyWindow(window);
        Window* parentWindow = parent >= 0 ? findWindow(parent) : nullptr;
        QSize size(width, height);
        if ((flags & kWindowCentered) != 0) {
            const QRect area = availableArea(parentWindow);
            size = size.boundedTo(area.size());
        }
        auto* created = new Window(window, flags, size);
        created->setWindowTitle(common::toQString(title));
        if (parentWindow != nullptr) {
            created->winId();
            created->windowHandle()->setTransientParent(parentWindow->windowHandle());
        }
        if ((flags & kWindowCentered) != 0) {
            centre(created, parentWindow);
        }
        detail::registerWindow(window, created);
        if ((flags & kWindowHidden) == 0) {
            show(created);
        }
        return true;
    });
}

void CloseWindow(int window) {
    runOnGui([&] { destroyWindow(window); });
}

bool WindowExists(int window) {
    return runOnGui([&] { return findWindow(window) != nullptr; });
}

void CloseDialog(int dialog, int parent) {
    runOnGui([&] {
        if (Window* parentWindow = findWindow(parent)) {
            parentWindow->setEnabled(true);
        }
        destroyWindow(dialog);
    });
}

void ShowWindow(int window) {
    runOnGui([&] {
        if (Window* w = findWindow(window)) {
            show(w);
        }
    });
}

void SetWindowTitle(int window, const std::string& title) {
    runOnGui([&] {
        if (Window* w = findWindow(window)) {
            w->setWindowTitle(common::toQString(title));
        }
    });
}

std::string WindowTitle(int window) {
    return runOnGui([&] {
        Window* w = findWindow(window);
        return w != nullptr ? common::fromQString(w->windowTitle()) : std::string();
    });
}

void SetWindowIcon(int window, int image) {
    runOnGui([&] {
        Window* w = findWindow(window);
        const detail::ImageEntry* entry = detail::findImage(image);
        if (w != nullptr && entry != nullptr) {
            w->setWindowIcon(entry->icon);
        }
    });
}

int WindowWidth(int window) {
    return runOnGui([&] {
        Window* w = findWindow(window);
        return w != nullptr ? w->width() : 0;
    });
}

int WindowHeight(int window) {
    return runOnGui([&] {
        Window* w = findWindow(window);
        return w != nullptr ? w->height() : 0;
    });
}

void ResizeWindow(int window, int width, int height) {
    runOnGui([&] {
        if (Window* w = findWindow(window)) {
            w->setInnerSize(width, height);
        }
    });
}

void SetWindowMinimumSize(int window, int width, int height) {
    runOnGui([&] {
        if (Window* w = findWindow(window)) {
            w->setMinimumSize(width, height);
        }
    });
}

void SetWindowState(int window, WindowState state) {
    runOnGui([&] {
        Window* w = findWindow(window);
        if (w == nullptr) {
            return;
        }
        Qt::WindowStates states = w->windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized);
        if (state == WindowState::Maximized) {
            states |= Qt::WindowMaximized;
        } else if (state == WindowState::Minimized) {
            states |= Qt::WindowMinimized;
        }
        w->setWindowState(states);
    });
}

WindowState GetWindowState(int window) {
    return runOnGui([&] {
        Window* w = findWindow(window);
        if (w == nullptr) {
            return WindowState::Normal;
        }
        if (w->isMinimized()) {
            return WindowState::Minimized;
        }
        return w->isMaximized() ? WindowState::Maximized : WindowState::Normal;
    });
}

void DisableWindow(int window, bool disabled) {
    runOnGui([&] {
        if (Window* w = findWindow(window)) {
            w->setEnabled(!disabled);
        }
    });
}

bool IsWindowEnabled(int window) {
    return runOnGui([&] {
        Window* w = findWindow(window);
        return w != nullptr && w->isEnabled();
    });
}

int MenuBarHeight(int window) {
    return runOnGui([&] {
        Window* w = findWindow(window);
        return w != nullptr ? w->menuBarHeight() : 0;
    });
}

int ToolBarHeight(int window) {
    return runOnGui([&] {
        Window* w = findWindow(window);
        return w != nullptr ? w->toolBarHeight() : 0;
    });
}

int StatusBarHeight(int window) {
    return runOnGui([&] {
        Window* w = findWindow(window);
        return w != nullptr ? w->statusBarHeight() : 0;
    });
}

}  // namespace ui
