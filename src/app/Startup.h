#pragma once

#include <QByteArray>

// The program's designs name Windows fonts; on other systems they are drawn
// with look-alikes of the same metrics.
void installFontSubstitutes();

// Whether the desktop session is a Wayland session, whatever platform this
// program runs on in it.
bool waylandSession();

// The windowing platform to ask Qt for, or an empty text to leave the choice
// to Qt. A Wayland compositor decides where windows go and which stay above,
// while under X11 a window centres itself and the farewell window keeps above
// the others; so on a Wayland desktop that also offers an X display (through
// XWayland) the program runs on X11, with native Wayland as the fallback.
// A platform the user chose (-platform, QT_QPA_PLATFORM) is always kept.
QByteArray preferredPlatform(int argc, const char *const *argv);

// The style every window is drawn with: the platform's own, with the push
// buttons of all windows sharing their cached faces.
void installStyle();

// A warning written to a stderr whose reader has gone (a launcher or a
// terminal that went away) must not end the run: the write fails instead.
// Call first thing in main.
void surviveClosedOutput();
