#pragma once

// The program's designs name Windows fonts; on other systems they are drawn
// with look-alikes of the same metrics.
void installFontSubstitutes();

// The style every window is drawn with: the platform's own, with the push
// buttons of all windows sharing their cached faces.
void installStyle();
