// Linked into the start-up benchmark builds: as soon as the first window
// of the process is on screen and has drawn itself, the event loop is told
// to quit, so that a run measures start, first window shown, and way out.

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWindow>

namespace {

class ExitOnExpose : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_done && event->type() == QEvent::Expose) {
            auto *window = qobject_cast<QWindow *>(watched);
            if (window && window->isTopLevel() && window->isExposed()) {
                m_done = true;
                // Queued: the window paints itself while handling this very
                // event, and the quit comes after that.
                QMetaObject::invokeMethod(
                    QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    bool m_done = false;
};

void installExitOnExpose()
{
    QCoreApplication::instance()->installEventFilter(new ExitOnExpose(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installExitOnExpose)
