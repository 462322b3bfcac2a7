#include "Draw.h"

#include <algorithm>
#include <cmath>

int drawPosition(double r, int count)
{
    // Adding the 1 after the floor keeps r x count + 1 from rounding up to
    // count + 1 when r is just below 1.
    const int position = static_cast<int>(std::floor(r * count)) + 1;
    return std::clamp(position, 1, count);
}
