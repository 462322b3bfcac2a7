#include "ScreenReaderEvents.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QWidget>

#include <optional>

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

// Where a control's events go: Qt's connection to the accessibility bus and
// the control's path there. None while no assistive technology listens.
struct Target {
    QDBusConnection bus;
    QString path;
};

std::optional<Target> targetOf(QWidget *widget)
{
    if (!QAccessible::isActive())
        return std::nullopt;
    QDBusConnection bus = accessibilityBus();
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    if (!bus.isConnected() || !iface || !iface->isValid())
        return std::nullopt;
    return Target{bus, QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(iface))};
}

// One event of the org.a11y.atspi.Event.Object interface, laid out as Qt's
// bridge lays out its own: kind, two numbers, a value and the application.
void sendObjectEvent(const Target &target, const QString &member, const QString &kind, int detail,
                     const QVariant &value)
{
    static const QMetaType registered = qDBusRegisterMetaType<ObjectReference>();
    Q_UNUSED(registered);
    const ObjectReference application{target.bus.baseService(),
                                      QDBusObjectPath(QStringLiteral("/org/a11y/atspi/accessible/root"))};
    QDBusMessage message = QDBusMessage::createSignal(target.path, QStringLiteral("org.a11y.atspi.Event.Object"),
                                                      member);
    message << kind << detail << 0 << QVariant::fromValue(QDBusVariant(value)) << QVariant::fromValue(application);
    target.bus.send(message);
}

void sendShown(QWidget *widget, bool shown)
{
    const std::optional<Target> target = targetOf(widget);
    if (!target)
        return;
    const QVariant self = QVariant::fromValue(ObjectReference{target->bus.baseService(), QDBusObjectPath(target->path)});
    for (const QString &state : {QStringLiteral("visible"), QStringLiteral("showing")})
        sendObjectEvent(*target, QStringLiteral("StateChanged"), state, shown ? 1 : 0, self);
}

bool isTextBox(const QObject *object)
{
    return qobject_cast<const QLineEdit *>(object) || qobject_cast<const QPlainTextEdit *>(object)
        || qobject_cast<const QTextEdit *>(object);
}

// What the user does in a control: before any of it, a text box that is yet
// to hear of its focus hears of it.
bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::DragEnter:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

// Sees every control of the program while a screen reader listens:
//  - shown or hidden: Qt sends a show and a hide event to each control that
//    appears or goes with its window or with a container, so no control is
//    missed;
//  - a text box taking the focus. Qt tells a screen reader of the new focus
//    only after the box's focus-in event, and what the box does on it (a
//    placeholder goes, its text is selected, its caret moves) would reach
//    the screen reader first: it takes the first of those for the focus
//    moving, drops the real move as old news, and the box is entered in
//    silence. So the box gets its focus-in event once Qt has told of the
//    focus, or before the first thing the user does in it, whichever comes
//    first.
class Follower : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Cheap tests first: asking Qt whether a screen reader listens sets up
        // its bridge on first use, which must not happen inside whatever event
        // Qt sends while it sets itself up.
        const QEvent::Type type = event->type();
        const bool watchedType = type == QEvent::Show || type == QEvent::Hide || type == QEvent::FocusIn
            || type == QEvent::FocusOut || isInput(type);
        if (!watchedType || !watched->isWidgetType() || !QAccessible::isActive())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (type == QEvent::Show || type == QEvent::Hide) {
            sendShown(widget, type == QEvent::Show);
        } else if (type == QEvent::FocusIn && !m_delivering && isTextBox(widget)) {
            m_focusDue = widget;
            m_focusDueReason = static_cast<QFocusEvent *>(event)->reason();
            QMetaObject::invokeMethod(this, &Follower::deliverDueFocus, Qt::QueuedConnection);
            return true;
        } else if (type == QEvent::FocusOut && widget == m_focusDue) {
            m_focusDue = nullptr; // it never knew it had the focus, and still shows what it showed
        } else if (isInput(type) && m_focusDue && (widget == m_focusDue || m_focusDue->isAncestorOf(widget))) {
            deliverDueFocus();
        }
        return false;
    }

private:
    void deliverDueFocus()
    {
        QWidget *due = m_focusDue;
        m_focusDue = nullptr;
        if (!due || !due->hasFocus())
            return;
        QFocusEvent focusIn(QEvent::FocusIn, m_focusDueReason);
        m_delivering = true;
        QCoreApplication::sendEvent(due, &focusIn);
        m_delivering = false;
    }

    QPointer<QWidget> m_focusDue;
    Qt::FocusReason m_focusDueReason = Qt::OtherFocusReason;
    bool m_delivering = false;
};

} // namespace

void followControls()
{
    static Follower *follower = nullptr;
    if (follower || !qApp)
        return;
    follower = new Follower(qApp);
    qApp->installEventFilter(follower);
}

void setDescription(QWidget *widget, const QString &description)
{
    if (widget->accessibleDescription() == description)
        return;
    widget->setAccessibleDescription(description);
    if (const std::optional<Target> target = targetOf(widget))
        sendObjectEvent(*target, QStringLiteral("PropertyChange"), QStringLiteral("accessible-description"), 0,
                        QVariant(description));
}

} // namespace accessibility
