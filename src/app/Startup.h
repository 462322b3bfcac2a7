#pragma once

// The program's designs name Windows fonts; on other systems they are drawn
// with look-alikes of the same metrics.
void installFontSubstitutes();
