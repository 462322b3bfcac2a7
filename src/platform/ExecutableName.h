#pragma once

#include <QString>

// The running executable's file name without its extension: the name the
// settings store and the single-copy lock go by.
QString executableName();
