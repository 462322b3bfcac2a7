// Drawings of this tradition's symbols.
#include "art.h"

using namespace art;

