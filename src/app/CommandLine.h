#pragma once

#include <optional>

// The command line, read before anything opens a display: --help and
// --version print and end the run, anything the program does not know ends it
// with a message on stderr. The options Qt reads for every program (-platform,
// -style, -display ...) are let through for QApplication to take.
//
// Returns the exit status when the run ends here, nothing when it goes on.
std::optional<int> handleCommandLine(int argc, char *argv[]);
