#include "Accessibility.h"

#include "Design.h"
#include "FormWindow.h"
#include "LinkLabel.h"
#include "PictureBox.h"
#include "ScreenReaderEvents.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QLabel>
#include <QMenu>

#include <algorithm>
#include <climits>

namespace accessibility {

namespace {

// The split along one axis: bands of controls with a gap between each band
// and the next; controls that reach into each other share a band.
QList<QList<QWidget *>> bands(QList<QWidget *> widgets, bool rows)
{
    const auto start = [rows](const QWidget *w) { return rows ? w->y() : w->x(); };
    const auto end = [rows](const QWidget *w) { return rows ? w->y() + w->height() : w->x() + w->width(); };
    std::stable_sort(widgets.begin(), widgets.end(),
                     [&](const QWidget *a, const QWidget *b) { return start(a) < start(b); });
    QList<QList<QWidget *>> split;
    int reach = INT_MIN;
    for (QWidget *widget : std::as_const(widgets)) {
        if (split.isEmpty() || start(widget) >= reach)
            split.append(QList<QWidget *>());
        split.last().append(widget);
        reach = std::max(reach, end(widget));
    }
    return split;
}

// Rows first; a band that cannot be split along one axis again is split along
// the other, and one that cannot be split either way is read edge by edge.
QList<QWidget *> ordered(const QList<QWidget *> &widgets, bool rows, bool otherAxisTried)
{
    if (widgets.size() < 2)
        return widgets;
    const QList<QList<QWidget *>> split = bands(widgets, rows);
    if (split.size() > 1) {
        QList<QWidget *> result;
        for (const QList<QWidget *> &band : split)
            result += ordered(band, !rows, true);
        return result;
    }
    if (!otherAxisTried)
        return ordered(widgets, !rows, true);
    QList<QWidget *> result = widgets;
    std::stable_sort(result.begin(), result.end(), [](const QWidget *a, const QWidget *b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
    return result;
}

// The controls that a container shows a screen reader, as Qt picks them.
QList<QWidget *> accessibleChildren(const QWidget *container)
{
    QList<QWidget *> children;
    const QObjectList &objects = container->children();
    // From the top of the stack down, so that of controls lying exactly on one
    // another the one on top is read first.
    for (auto it = objects.crbegin(); it != objects.crend(); ++it) {
        auto *widget = qobject_cast<QWidget *>(*it);
        if (widget && !widget->isWindow() && !qobject_cast<QMenu *>(widget))
            children.append(widget);
    }
    return children;
}

// A container of a window: its controls in reading order. A frame with a
// caption is named by it.
class Container : public QAccessibleWidget
{
public:
    Container(QWidget *widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    {
    }

    int childCount() const override { return static_cast<int>(children().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> list = children();
        if (index < 0 || index >= list.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(list.at(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        return static_cast<int>(children().indexOf(qobject_cast<QWidget *>(child->object())));
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return design::withoutAccessKey(widget()->property("title").toString());
        return QAccessibleWidget::text(t);
    }

private:
    QList<QWidget *> children() const { return readingOrder(accessibleChildren(widget())); }
};

// Underlined text that opens a page: a link, named by its text, that a
// screen reader can press as a person clicks it.
class Link : public QAccessibleWidget
{
public:
    explicit Link(LinkLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const LinkLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && widget()->isEnabled() && widget()->isVisible())
            static_cast<LinkLabel *>(widget())->click();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

// A picture box: named for what it shows, and only by the name the program
// gives it. Qt would name a control without a text of its own after the
// caption of the frame around it.
class Picture : public QAccessibleWidget
{
public:
    explicit Picture(PictureBox *box)
        : QAccessibleWidget(box, QAccessible::Graphic)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }
};

// A label whose content a control brings into view: it says that control
// controls it. A screen reader then takes the label for part of what that
// control shows, not for loose text of the window to read out on its own.
constexpr char kControlledBy[] = "accessibleControlledBy";

class ControlledText : public QAccessibleWidget
{
public:
    explicit ControlledText(QLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    QList<std::pair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto result = QAccessibleWidget::relations(match);
        auto *controller = qvariant_cast<QObject *>(widget()->property(kControlledBy));
        if (controller && (match & QAccessible::Controller))
            if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(controller))
                result.append({iface, QAccessible::Controller});
        return result;
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || widget->isWindow() || !qobject_cast<FormWindow *>(widget->window()))
        return nullptr;
    if (auto *label = qobject_cast<LinkLabel *>(widget); label && className == QLatin1String("LinkLabel"))
        return new Link(label);
    if (auto *box = qobject_cast<PictureBox *>(widget); box && className == QLatin1String("PictureBox"))
        return new Picture(box);
    if (auto *label = qobject_cast<QLabel *>(widget);
        label && className == QLatin1String("QLabel") && widget->property(kControlledBy).isValid())
        return new ControlledText(label);
    // Qt's own interfaces of these classes differ from the program's only in
    // the order of their children; every other class keeps its own.
    const bool container = className == QLatin1String("QGroupBox") || className == QLatin1String("QFrame")
        || className == QLatin1String("QWidget");
    if (!container)
        return nullptr;
    QAccessible::Role role = QAccessible::Client;
    if (widget->property("title").isValid()) {
        role = QAccessible::Grouping; // a frame with a caption
    } else if (auto *frame = qobject_cast<QFrame *>(widget)) {
        const bool rule = frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine;
        role = rule ? QAccessible::Separator : QAccessible::Border;
    }
    return new Container(widget, role);
}

} // namespace

void install()
{
    QAccessible::installFactory(&factory);
    followControls();
}

void setControlledBy(QLabel *label, QWidget *controller)
{
    label->setProperty(kControlledBy, QVariant::fromValue(static_cast<QObject *>(controller)));
}

QList<QWidget *> readingOrder(const QList<QWidget *> &widgets)
{
    return ordered(widgets, true, false);
}

} // namespace accessibility
