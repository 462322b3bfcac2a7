#pragma once

#include <QList>

class QLabel;
class QWidget;

// What a screen reader is told about the windows beyond what Qt tells it by
// itself. Qt lists the controls of a container in stacking order; where the
// designs stack controls on one another (even by one pixel), that is not the
// order in which a person reads them. The containers of the program's windows
// list their controls in reading order instead, and link labels are announced
// as links that can be pressed.
namespace accessibility {

// Makes Qt use the program's accessible interfaces and send the events Qt
// leaves out; calling it again does nothing.
void install();

// Tells a screen reader that what the label shows is brought into view by
// the controller (a button that brings the label's panel to the front).
void setControlledBy(QLabel *label, QWidget *controller);

// The controls in the order in which a person reads them: rows from top to
// bottom, and within a row the columns from left to right, the layout split
// where a gap runs right across it. Controls too entangled to split are read
// by their top edge, then their left edge.
QList<QWidget *> readingOrder(const QList<QWidget *> &widgets);

} // namespace accessibility
