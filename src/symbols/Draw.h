#pragma once

// The 1-based position a random value r in [0, 1) picks among count entries:
// floor(r x count + 1), every position equally likely. Never past the last
// position, even for the largest r below 1.
int drawPosition(double r, int count);
