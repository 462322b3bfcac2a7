#include "LostWindowWatcher.h"

#include "App.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <cstdint>

namespace {

// The few parts of the X protocol looked at here, laid out as the server
// sends them (xcb_generic_error_t and xcb_destroy_notify_event_t).
struct XErrorReply {
    std::uint8_t responseType; // 0 for an error
    std::uint8_t errorCode;
    std::uint16_t sequence;
    std::uint32_t resourceId;
};
struct XDestroyNotify {
    std::uint8_t responseType;
    std::uint8_t pad;
    std::uint16_t sequence;
    std::uint32_t event;
    std::uint32_t window;
};
constexpr std::uint8_t kDestroyNotify = 17;
constexpr std::uint8_t kBadWindow = 3;
constexpr std::uint8_t kBadDrawable = 9;

// Windows a person can see and work in: not menus, tool tips and the like,
// which never stand on their own.
bool isWorkWindow(const QWidget *widget)
{
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

} // namespace

LostWindowWatcher::LostWindowWatcher(App &app)
    : m_app(app)
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

LostWindowWatcher::~LostWindowWatcher() { QCoreApplication::instance()->removeNativeEventFilter(this); }

bool LostWindowWatcher::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto responseType = static_cast<const std::uint8_t *>(message)[0] & 0x7f;
    if (responseType == 0) {
        // Qt still hides and destroys a lost window of ours now and then; the
        // server answers that the window is gone, which is no news.
        const auto *error = static_cast<const XErrorReply *>(message);
        return (error->errorCode == kBadWindow || error->errorCode == kBadDrawable)
            && m_lostIds.contains(error->resourceId);
    }
    if (responseType != kDestroyNotify)
        return false;

    // Our own windows are gone from Qt by the time the server reports them
    // destroyed; a window Qt still knows was destroyed by someone else.
    const quint32 destroyed = static_cast<const XDestroyNotify *>(message)->window;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        const QWindow *handle = window->windowHandle();
        if (handle && handle->handle() && handle->winId() == destroyed) {
            m_lostIds.append(destroyed);
            // Not from inside Qt's event dispatch: from the event loop.
            QMetaObject::invokeMethod(
                this, [this, lost = QPointer<QWidget>(window)] { windowLost(lost); }, Qt::QueuedConnection);
            break;
        }
    }
    return false;
}

void LostWindowWatcher::windowLost(QWidget *window)
{
    if (!window || m_app.hasEnded())
        return;
    if (!window->isVisible()) {
        // Out of sight: drop the dead native window, and Qt makes a new one
        // the next time the window is shown.
        if (QWindow *handle = window->windowHandle())
            handle->destroy();
        return;
    }
    auto *dialog = qobject_cast<QDialog *>(window);
    if (dialog && dialog->isModal()) {
        // Nobody can answer a box that is gone, and while it stays open the
        // windows below it take no input: dismiss it as its close box would.
        dialog->close();
    } else {
        m_lostInView.append(window);
        // A dialog in front may still be open; when it goes, look again.
        QCoreApplication::instance()->installEventFilter(this);
    }
    checkSoon();
}

bool LostWindowWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow())
        checkSoon();
    return QObject::eventFilter(watched, event);
}

void LostWindowWatcher::checkSoon()
{
    // Once the handler that hid a window has shown the next one.
    if (m_checkQueued)
        return;
    m_checkQueued = true;
    QMetaObject::invokeMethod(this, &LostWindowWatcher::check, Qt::QueuedConnection);
}

void LostWindowWatcher::check()
{
    m_checkQueued = false;
    if (m_app.hasEnded())
        return;
    m_lostInView.removeAll(nullptr);
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget *window : windows) {
        if (window->isVisible() && isWorkWindow(window) && !m_lostInView.contains(window))
            return; // something is left to see and use
    }
    m_app.UnloadAllAndEnd();
}
