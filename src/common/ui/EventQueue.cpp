#include "common/ui/EventQueue.h"

#include "common/ui/GuiThread.h"
#include "common/ui/Registry.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>

#include <deque>
#include <mutex>
#include <optional>

namespace ui {
namespace {

std::mutex g_queueMutex;
std::deque<Event> g_queue;

std::optional<Event> takeQueued() {
    std::lock_guard lock(g_queueMutex);
    if (g_queue.empty()) {
        return std::nullopt;
    }
    Event event = g_queue.front();
    g_queue.pop_front();
    return event;
}

// A waiting processEvents returns once any event has been handled, so a plain posted event is
// enough to wake the GUI thread from a worker.
void wakeGuiThread() {
    QCoreApplication* app = QCoreApplication::instance();
    if (app != nullptr && !detail::isGuiThread()) {
        QCoreApplication::postEvent(app, new QEvent(QEvent::User));
    }
}

// Objects released with deleteLater by Qt itself are freed here, where no handler of ours is on
// the stack.
void processPendingDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

Event WaitEvent() {
    if (QCoreApplication::instance() == nullptr) {
        return {};
    }
    processPendingDeletes();
    for (;;) {
        if (std::optional<Event> event = takeQueued()) {
            return *event;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

Event PollEvent() {
    if (QCoreApplication::instance() != nullptr && detail::isGuiThread()) {
        processPendingDeletes();
        QCoreApplication::processEvents();
    }
    return takeQueued().value_or(Event{});
}

void PostEvent(const Event& event) {
    {
        std::lock_guard lock(g_queueMutex);
        g_queue.push_back(event);
    }
    wakeGuiThread();
}

void WakeEventLoop() {
    PostEvent(Event{});
}

namespace detail {

void queueControlEvent(int control, ControlEventType type) {
    Event event;
    event.kind = EventKind::Control;
    event.number = control;
    event.window = windowOfControl(control);
    event.type = type;
    PostEvent(event);
}

void queueMenuEvent(int command) {
    Event event;
    event.kind = EventKind::Menu;
    event.number = command;
    PostEvent(event);
}

void queueWindowEvent(EventKind kind, int window) {
    Event event;
    event.kind = kind;
    event.number = window;
    event.window = window;
    PostEvent(event);
}

void clearEventQueue() {
    std::lock_guard lock(g_queueMutex);
    g_queue.clear();
}

std::vector<Event> takeQueuedEvents() {
    std::lock_guard lock(g_queueMutex);
    std::vector<Event> events(g_queue.begin(), g_queue.end());
    g_queue.clear();
    return events;
}

}  // namespace detail
}  // namespace ui
