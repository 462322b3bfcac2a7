#include "ScreenReaderEvents.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QEvent>
#include <QWidget>

namespace accessibility {

namespace {

// The connection Qt's bridge opened to the accessibility bus, by the name Qt
// gives it; events must come from it, or a screen reader would not know
// which program they belong to.
QDBusConnection accessibilityBus()
{
    return QDBusConnection(QStringLiteral("a11y"));
}

// A reference to an accessible object: the bus name of its program and its
// path there.
struct ObjectReference {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument &operator<<(QDBusArgument &argument, const ObjectReference &reference)
{
    argument.beginStructure();
    argument << reference.service << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, ObjectReference &reference)
{
    argument.beginStructure();
    argument >> reference.service >> reference.path;
    argument.endStructure();
    return argument;
}

} // namespace

} // namespace accessibility

Q_DECLARE_METATYPE(accessibility::ObjectReference)

namespace accessibility {

namespace {

// Where Qt's bridge puts a control on the bus.
QString pathOf(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    if (!iface || !iface->isValid())
        return QString();
    return QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(iface));
}

// One event of the org.a11y.atspi.Event.Object interface, laid out as Qt's
// bridge lays out its own: kind, two numbers, a value and the application.
void sendObjectEvent(QWidget *widget, const QString &member, const QString &kind, int detail,
                     const QVariant &value)
{
    if (!QAccessible::isActive())
        return;
    QDBusConnection bus = accessibilityBus();
    if (!bus.isConnected())
        return;
    const QString path = pathOf(widget);
    if (path.isEmpty())
        return;
    static const QMetaType registered = qDBusRegisterMetaType<ObjectReference>();
    Q_UNUSED(registered);
    const ObjectReference application{bus.baseService(), QDBusObjectPath(QStringLiteral("/org/a11y/atspi/accessible/root"))};
    QDBusMessage message
        = QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"), member);
    message << kind << detail << 0 << QVariant::fromValue(QDBusVariant(value))
            << QVariant::fromValue(application);
    bus.send(message);
}

void sendShown(QWidget *widget, bool shown)
{
    const ObjectReference self{accessibilityBus().baseService(), QDBusObjectPath(pathOf(widget))};
    for (const QString &state : {QStringLiteral("visible"), QStringLiteral("showing")})
        sendObjectEvent(widget, QStringLiteral("StateChanged"), state, shown ? 1 : 0, QVariant::fromValue(self));
}

// Sees every control of the program shown or hidden. Qt sends a show and a
// hide event to each control that appears or goes with its window or with a
// container, so no control is missed.
class VisibilityFollower : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Show || type == QEvent::Hide) && watched->isWidgetType() && QAccessible::isActive())
            sendShown(static_cast<QWidget *>(watched), type == QEvent::Show);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void followVisibility()
{
    static VisibilityFollower *follower = nullptr;
    if (follower || !qApp)
        return;
    follower = new VisibilityFollower(qApp);
    qApp->installEventFilter(follower);
}

void setDescription(QWidget *widget, const QString &description)
{
    if (widget->accessibleDescription() == description)
        return;
    widget->setAccessibleDescription(description);
    sendObjectEvent(widget, QStringLiteral("PropertyChange"), QStringLiteral("accessible-description"), 0,
                    QVariant(description));
}

} // namespace accessibility
