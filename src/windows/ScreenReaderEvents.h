#pragma once

#include <QString>

class QWidget;

// The events a screen reader keeps its picture of a window by, where Qt's
// own bridge to the accessibility bus sends too little. A screen reader
// reads a control's states and texts once and from then on follows events;
// Qt 6.4 tells it when a control starts or stops showing but never that it
// became visible (so a control that was hidden when first read stays
// "invisible" for good), and it sends a changed description as a reference
// to the control instead of the text, which a screen reader cannot speak.
// Nothing is sent while no assistive technology listens.
namespace accessibility {

// Starts sending, for every control of the program's windows, the visible
// and showing states whenever it is shown or hidden. Calling it again does
// nothing.
void followVisibility();

// Sets the accessible description of a control and tells a listening screen
// reader the new text. An unchanged description sends nothing.
void setDescription(QWidget *widget, const QString &description);

} // namespace accessibility
