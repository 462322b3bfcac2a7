#pragma once

#include "Design.h"

#include <QList>

class QWidget;

// The order in which Tab visits a window's controls, kept as the design's tab
// indexes: giving one control index 0 moves it to the front and every control
// that stood before it back by one place.
class TabOrder
{
public:
    TabOrder() = default;
    TabOrder(const design::Widgets &widgets, std::span<const design::Control> table);

    void setTabIndex(QWidget *widget, int index);
    int tabIndex(QWidget *widget) const { return static_cast<int>(m_order.indexOf(widget)); }

    // Every control in tab index order, focusable or not.
    QList<QWidget *> order() const { return m_order; }

    // The first control of the order that can take the focus now.
    QWidget *firstFocusable() const;

private:
    void apply();

    QList<QWidget *> m_order;
};
