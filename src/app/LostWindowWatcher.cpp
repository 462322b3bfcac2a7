#include "LostWindowWatcher.h"

#include "App.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdint>
#include <cstdlib>
#include <utility>
#include <xcb/xcb.h>

namespace {

// How long an unmapped window is given to turn out minimised or mapped again
// before it counts as taken off the screen.
constexpr int kUnmapSettleMs = 250;

xcb_connection_t *xConnection()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// Whether the X window is unmapped, and no window manager keeps it: one that
// hides a window it manages (minimised, shaded, on another desktop) leaves
// it in its frame, and a window manager that does not reparent sets
// WM_STATE to IconicState. One that another client unmaps the window manager
// lets go of, back to the root window. False for a window that is gone: its
// destruction is handled on its own.
bool takenOffScreen(xcb_connection_t *connection, xcb_window_t window)
{
    constexpr char kWmState[] = "WM_STATE";
    const auto atomCookie = xcb_intern_atom(connection, 1, sizeof kWmState - 1, kWmState);
    const auto attributesCookie = xcb_get_window_attributes(connection, window);
    const auto treeCookie = xcb_query_tree(connection, window);
    // Errors are taken here, so that they do not reach Qt as events.
    xcb_generic_error_t *error = nullptr;
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(connection, atomCookie, &error);
    std::free(std::exchange(error, nullptr));
    xcb_get_window_attributes_reply_t *attributes
        = xcb_get_window_attributes_reply(connection, attributesCookie, &error);
    std::free(std::exchange(error, nullptr));
    xcb_query_tree_reply_t *tree = xcb_query_tree_reply(connection, treeCookie, &error);
    std::free(std::exchange(error, nullptr));
    bool taken = attributes && attributes->map_state == XCB_MAP_STATE_UNMAPPED && tree && tree->parent == tree->root;
    std::free(tree);
    if (taken && atom && atom->atom != XCB_ATOM_NONE) {
        xcb_get_property_reply_t *state = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, atom->atom, atom->atom, 0, 1), &error);
        std::free(std::exchange(error, nullptr));
        constexpr std::uint32_t kIconicState = 3;
        if (state && state->format == 32 && xcb_get_property_value_length(state) >= 4)
            taken = *static_cast<const std::uint32_t *>(xcb_get_property_value(state)) != kIconicState;
        std::free(state);
    }
    std::free(atom);
    std::free(attributes);
    return taken;
}

// Windows a person can see and work in: not menus, tool tips and the like,
// which never stand on their own.
bool isWorkWindow(const QWidget *widget)
{
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

// The top-level widget whose native window has this id, if Qt still knows it.
QWidget *widgetOfWindow(quint32 id)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        const QWindow *handle = window->windowHandle();
        if (handle && handle->handle() && handle->winId() == id)
            return window;
    }
    return nullptr;
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
    const auto responseType = static_cast<const xcb_generic_event_t *>(message)->response_type & 0x7f;
    if (responseType == 0) {
        // Qt still hides and destroys a lost window of ours now and then; the
        // server answers that the window is gone, which is no news.
        const auto *error = static_cast<const xcb_generic_error_t *>(message);
        return (error->error_code == XCB_WINDOW || error->error_code == XCB_DRAWABLE)
            && m_lostIds.contains(error->resource_id);
    }
    if (responseType == XCB_UNMAP_NOTIFY) {
        // Qt hides a window of ours before the server reports it unmapped;
        // one Qt still shows was unmapped by someone else, or minimised.
        const xcb_window_t id = static_cast<const xcb_unmap_notify_event_t *>(message)->window;
        QWidget *window = widgetOfWindow(id);
        if (window && window->isVisible() && !m_unmapped.contains(window)) {
            m_unmapped.append(window);
            // A show of Qt's own from now on makes the unmap no news.
            QCoreApplication::instance()->installEventFilter(this);
            QTimer::singleShot(kUnmapSettleMs, this, &LostWindowWatcher::lookAtUnmapped);
        }
        return false;
    }
    if (responseType != XCB_DESTROY_NOTIFY)
        return false;

    // Our own windows are gone from Qt by the time the server reports them
    // destroyed; a window Qt still knows was destroyed by someone else.
    const xcb_window_t destroyed = static_cast<const xcb_destroy_notify_event_t *>(message)->window;
    if (QWidget *window = widgetOfWindow(destroyed)) {
        m_lostIds.append(destroyed);
        // Not from inside Qt's event dispatch: from the event loop.
        QMetaObject::invokeMethod(
            this, [this, lost = QPointer<QWidget>(window)] { windowLost(lost); }, Qt::QueuedConnection);
    }
    return false;
}

void LostWindowWatcher::lookAtUnmapped()
{
    const QList<QPointer<QWidget>> unmapped = std::exchange(m_unmapped, {});
    xcb_connection_t *connection = xConnection();
    for (const QPointer<QWidget> &window : unmapped) {
        if (!window || !connection || m_app.hasEnded() || !window->isVisible() || window->isMinimized()
            || !window->windowHandle() || !takenOffScreen(connection, window->windowHandle()->winId()))
            continue;
        auto *dialog = qobject_cast<QDialog *>(window.data());
        if (dialog && dialog->isModal()) {
            // As for a box that is gone: nobody can answer it off screen.
            dialog->close();
            checkSoon();
        } else {
            // Still whole, only out of sight: put it back on the screen.
            xcb_map_window(connection, window->windowHandle()->winId());
            xcb_flush(connection);
        }
    }
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
    if (event->type() == QEvent::Show && watched->isWidgetType())
        m_unmapped.removeAll(static_cast<QWidget *>(watched));
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
