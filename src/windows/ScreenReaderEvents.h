#pragma once

#include <QString>

class QWidget;

// The events a screen reader keeps its picture of a window by, where Qt's
// own bridge to the accessibility bus sends too little. A screen reader
// reads a control's states and texts once and from then on follows events;
// Qt 6.4 tells it when a control starts or stops showing but never that it
// became visible (so a control that was hidden when first read stays
// "invisible" for good), it tells of a text box's new focus only after what
// the box did on taking it, and it sends a changed description as a
// reference to the control instead of the text, which a screen reader
// cannot speak.
// Nothing is sent while no assistive technology listens.
namespace accessibility {

// Starts following the program's controls for a listening screen reader:
// their visible and showing states whenever they are shown or hidden, and a
// text box's focus told before anything its taking the focus changes.
// Calling it again does nothing.
void followControls();

// Sets the accessible description of a control and tells a listening screen
// reader the new text. An unchanged description sends nothing.
void setDescription(QWidget *widget, const QString &description);

} // namespace accessibility
