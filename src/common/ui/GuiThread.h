#pragma once
// Carries a call over to the GUI thread and waits for its result. Every public function of the
// layer runs its body through runOnGui, so widgets are only touched by the GUI thread.

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <type_traits>
#include <utility>

namespace ui::detail {

inline bool isGuiThread() {
    QCoreApplication* app = QCoreApplication::instance();
    return app == nullptr || QThread::currentThread() == app->thread();
}

// Runs `body` on the GUI thread; a worker blocks until it has run. Without an application
// object the body runs on the calling thread.
template <typename Body>
auto runOnGui(Body&& body) -> std::invoke_result_t<Body&> {
    using Result = std::invoke_result_t<Body&>;
    if (isGuiThread()) {
        return body();
    }
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&body] { body(); }, Qt::BlockingQueuedConnection);
    } else {
        Result result{};
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&body, &result] { result = body(); },
            Qt::BlockingQueuedConnection);
        return result;
    }
}

}  // namespace ui::detail
