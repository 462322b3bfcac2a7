#include "Stacking.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace design {

namespace {

bool coversWholly(const QWidget *above, const QWidget *below)
{
    return above->autoFillBackground() && above->geometry().contains(below->geometry());
}

// Watches the controls of one container that lie on one another and shows
// only those that something opaque does not hide completely.
class CoverKeeper : public QObject
{
public:
    CoverKeeper(QWidget *container, const QList<QWidget *> &stacked)
        : QObject(container)
        , m_container(container)
    {
        for (QWidget *widget : stacked) {
            m_stacked.append(widget);
            widget->installEventFilter(this);
        }
        update();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // raise(), lower() and stackUnder() all end with this event.
        if (event->type() == QEvent::ZOrderChange)
            update();
        return QObject::eventFilter(watched, event);
    }

private:
    void update()
    {
        // A container lists its children from the bottom of the stack up.
        const QObjectList &stack = m_container->children();
        for (const QPointer<QWidget> &widget : std::as_const(m_stacked)) {
            if (!widget)
                continue;
            const qsizetype level = stack.indexOf(widget.data());
            const bool covered = std::any_of(m_stacked.cbegin(), m_stacked.cend(), [&](const QPointer<QWidget> &other) {
                return other && other != widget && stack.indexOf(other.data()) > level
                    && coversWholly(other.data(), widget.data());
            });
            widget->setVisible(!covered);
        }
    }

    QWidget *m_container;
    QList<QPointer<QWidget>> m_stacked;
};

QList<QWidget *> childWidgets(const QWidget *container)
{
    return container->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

void stackAsListed(const QList<QWidget *> &listed)
{
    QList<QWidget *> overlapping;
    for (QWidget *widget : listed) {
        if (std::any_of(listed.cbegin(), listed.cend(), [widget](const QWidget *other) {
                return other != widget && other->geometry().intersects(widget->geometry());
            }))
            overlapping.append(widget);
    }
    // Each raise() puts its control above all others: raising from the last
    // listed to the first leaves the first on top.
    for (auto it = overlapping.crbegin(); it != overlapping.crend(); ++it)
        (*it)->raise();
}

void hideWhatIsCovered(QWidget *container)
{
    const QList<QWidget *> children = childWidgets(container);
    QList<QWidget *> stacked;
    for (QWidget *widget : children) {
        if (std::any_of(children.cbegin(), children.cend(), [widget](const QWidget *other) {
                return other != widget && (coversWholly(other, widget) || coversWholly(widget, other));
            }))
            stacked.append(widget);
    }
    if (!stacked.isEmpty())
        new CoverKeeper(container, stacked);
}

} // namespace design
