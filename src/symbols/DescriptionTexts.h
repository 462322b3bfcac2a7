#pragma once

#include "SymbolType.h"

#include <span>

// The fixed description paragraph of every symbol of a tradition, position 1
// first, paired by position with the tradition's names and pictures. The texts
// are shown verbatim: runs of spaces and trailing spaces are part of the data.
std::span<const char *const> descriptionTexts(SymbolType type);
