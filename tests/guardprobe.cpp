// A stand-in for a start of the program: it asks the desktop seam whether
// another copy runs and says what it found, "started" or "refused".
//
//   guardprobe [hold] [--gate FIFO]
//
// With "hold" a copy that started keeps its place until it is killed. With
// --gate it first opens the FIFO, says "ready" and waits until a writer has
// come and gone, so that a test can release several copies at one instant.
#include "platform/QtDesktop.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

void waitAtGate(const char *fifo)
{
    // Opening the reading end without blocking, then waiting for the hang-up
    // that follows the writer's close, lets every waiting copy go at once.
    const int fd = ::open(fifo, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        std::perror(fifo);
        ::_exit(2);
    }
    std::printf("ready\n");
    std::fflush(stdout);
    pollfd gate{fd, POLLIN, 0};
    while (::poll(&gate, 1, -1) < 0 && errno == EINTR) { }
    ::close(fd);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    bool hold = false;
    const char *gate = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "hold") == 0)
            hold = true;
        else if (std::strcmp(argv[i], "--gate") == 0 && i + 1 < argc)
            gate = argv[++i];
    }

    QtDesktop desktop;
    if (gate)
        waitAtGate(gate);
    const bool refused = desktop.anotherCopyRunning();
    std::printf("%s\n", refused ? "refused" : "started");
    std::fflush(stdout);
    if (!refused && hold) {
        for (;;)
            pause();
    }
    return 0;
}
