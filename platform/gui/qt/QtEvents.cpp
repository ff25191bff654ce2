// The wait for the next program event, the display timer, work sent from other
// threads, and the pointer queries.
#include <QtGui/qguiapplication_platform.h>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QThread>
#include <QWindow>

#include <condition_variable>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

#include "platform/gui/qt/QtGui.h"

namespace gui::qt {
namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

// On X11 the server knows the button's state now; the toolkit's own state is
// only that of the last event it delivered.
std::optional<bool> LeftButtonFromServer(QGuiApplication& application) {
#if QT_CONFIG(xcb)
    auto* x11 = application.nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (screen == nullptr) return std::nullopt;
    const std::unique_ptr<xcb_query_pointer_reply_t, FreeReply> reply(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root), nullptr));
    if (!reply) return std::nullopt;
    return (reply->mask & XCB_BUTTON_MASK_1) != 0;
#else
    (void)application;
    return std::nullopt;
#endif
}

}  // namespace

void QtGui::NoteMouseMove(QObject* receiver, const QMouseEvent& move) {
    bool ours = false;
    if (auto* widget = qobject_cast<QWidget*>(receiver)) {
        ours = IsOurs(widget);
    } else if (auto* window = qobject_cast<QWindow*>(receiver)) {
        for (const auto& [number, w] : windows_) ours = ours || w->windowHandle() == window;
    }
    if (!ours) return;
    // The window, the widget under the pointer and each parent it propagates
    // to see the same move, with the same time stamp and screen position.
    const auto timestamp = static_cast<qint64>(move.timestamp());
    if (timestamp == lastMoveTimestamp_ && move.globalPosition() == lastMovePosition_) return;
    lastMoveTimestamp_ = timestamp;
    lastMovePosition_ = move.globalPosition();
    Event event;
    event.kind = EventKind::MouseMove;
    queue_.Push(std::move(event));
}

Event QtGui::WaitEvent() {
    // The hand lasts while the program asks for it at each move; a move it did
    // not ask at means the pointer has left, and the widget's own pointer returns.
    if (handShown_ && lastEventKind_ == EventKind::MouseMove && !handAskedThisTurn_) {
        QGuiApplication::restoreOverrideCursor();
        handShown_ = false;
    }
    handAskedThisTurn_ = false;
    while (queue_.Empty()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        // Outside exec() nothing else would delete what the toolkit retires with deleteLater().
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    Event event = queue_.Pop();
    lastEventKind_ = event.kind;
    return event;
}

void QtGui::StartTimer(int milliseconds, std::function<void()> handler) {
    timerHandler_ = std::move(handler);
    timer_ = std::make_unique<QTimer>();
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(std::max(milliseconds, 1));
    // Runs wherever the GUI thread dispatches: in WaitEvent and in modal dialogs.
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] {
        if (timerHandler_) timerHandler_();
        Event tick;
        tick.kind = EventKind::Other;
        queue_.Push(std::move(tick));
    });
    timer_->start();
}

void QtGui::RunOnGuiThread(std::function<void()> change) {
    if (QThread::currentThread() == application_->thread()) {
        change();
        return;
    }
    // Queued to the GUI thread, which runs it in WaitEvent or a modal loop; the
    // caller waits on our own condition, shared so neither side outlives it.
    struct Handover {
        std::function<void()> change;
        std::mutex mutex;
        std::condition_variable appliedSignal;
        bool applied = false;
    };
    auto handover = std::make_shared<Handover>();
    handover->change = std::move(change);
    QMetaObject::invokeMethod(
        application_.get(),
        [handover] {
            handover->change();
            const std::lock_guard<std::mutex> lock(handover->mutex);
            handover->applied = true;
            handover->appliedSignal.notify_one();
        },
        Qt::QueuedConnection);
    std::unique_lock<std::mutex> lock(handover->mutex);
    handover->appliedSignal.wait(lock, [&] { return handover->applied; });
}

Point QtGui::PointerOnScreen() {
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

Rect QtGui::ControlScreenRect(int control) {
    const QWidget* widget = WidgetOf(control);
    if (widget == nullptr) return {};
    const QRect outer = widget->isWindow()
                            ? widget->frameGeometry()
                            : QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    return {outer.left(), outer.top(), outer.left() + outer.width(), outer.top() + outer.height()};
}

int QtGui::PointerClientX(int window) {
    const QWidget* widget = Window(window);
    if (widget == nullptr) return -1;
    const QPoint local = widget->mapFromGlobal(QCursor::pos());
    return widget->rect().contains(local) ? local.x() : -1;
}

int QtGui::ControlX(int control) {
    const QWidget* widget = WidgetOf(control);
    return widget == nullptr ? 0 : widget->x();
}

void QtGui::SetHandPointer() {
    handAskedThisTurn_ = true;
    if (handShown_) return;
    QGuiApplication::setOverrideCursor(Qt::PointingHandCursor);
    handShown_ = true;
}

bool QtGui::LeftButtonHeld() {
    if (const std::optional<bool> held = LeftButtonFromServer(*application_)) return *held;
    return (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0;
}

}  // namespace gui::qt
