// A stand-in for a second start of the program: it asks the desktop seam
// whether another copy runs, says what it found, and with "hold" keeps its
// place until it is killed.
#include "platform/QtDesktop.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QtDesktop desktop;
    const bool refused = desktop.anotherCopyRunning();
    std::printf("%s\n", refused ? "refused" : "held");
    std::fflush(stdout);
    if (!refused && argc > 1 && std::strcmp(argv[1], "hold") == 0) {
        for (;;)
            pause();
    }
    return 0;
}
