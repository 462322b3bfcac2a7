#include "TabOrder.h"

#include <QWidget>

#include <algorithm>

TabOrder::TabOrder(const design::Widgets &widgets, std::span<const design::Control> table)
{
    std::vector<const design::Control *> indexed;
    for (const design::Control &c : table) {
        if (c.tabIndex != design::kNoTab)
            indexed.push_back(&c);
    }
    std::stable_sort(indexed.begin(), indexed.end(),
                     [](const design::Control *a, const design::Control *b) { return a->tabIndex < b->tabIndex; });
    for (const design::Control *c : indexed)
        m_order.append(widgets[QString::fromLatin1(c->name)]);
    apply();
}

void TabOrder::setTabIndex(QWidget *widget, int index)
{
    if (!m_order.removeOne(widget))
        return;
    m_order.insert(std::clamp<qsizetype>(index, 0, m_order.size()), widget);
    apply();
}

QWidget *TabOrder::firstFocusable() const
{
    for (QWidget *widget : m_order) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled())
            return widget;
    }
    return nullptr;
}

void TabOrder::apply()
{
    QWidget *previous = nullptr;
    for (QWidget *widget : std::as_const(m_order)) {
        if (!(widget->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}
