// Times one draw of all seven traditions followed by Back: cmdNext_Click()
// fills the result window (seven pictures decoded, names and descriptions
// set), Back destroys it again. Prints the median and the spread.
//
// With --memory it times nothing and prints the resident memory after 10 and
// after 1,000 draw/Back cycles instead; run it on a real X display, where
// every result window has its native resources.
//
// usage: draw_bench [ITERATIONS]     (run with QT_QPA_PLATFORM=offscreen)
//        draw_bench --memory         (run with QT_QPA_PLATFORM=xcb)

#include "StubDesktop.h"
#include "app/App.h"
#include "app/Startup.h"
#include "links/SettingsStore.h"
#include "windows/frmDisplay.h"
#include "windows/frmMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Runs the event loop until the window is on the screen and painted; the
// memory a window costs is only spent once it is.
void waitUntilShown(QWidget *window)
{
    QElapsedTimer clock;
    clock.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
}

long residentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    installFontSubstitutes();
    installStyle();
    QApplication::setQuitOnLastWindowClosed(false);
    const bool memory = argc > 1 && std::strcmp(argv[1], "--memory") == 0;
    const int iterations = argc > 1 && !memory ? std::max(1, std::atoi(argv[1])) : 1000;

    QTemporaryDir dir;
    StubDesktop desktop;
    SettingsStore settings(dir.filePath(QStringLiteral("settings.ini")));
    App app(desktop, settings);
    frmMain *main = app.forms().main();
    main->show();
    for (int i = 0; i < kSymbolTypeCount; ++i)
        main->chkGoodLuck(i)->setChecked(true);

    if (memory) {
        // The cycles as a person clicking sees them: each window on the
        // screen and painted before the next step.
        const auto cycle = [&] {
            main->cmdNext_Click();
            waitUntilShown(app.forms().display());
            app.forms().display()->cmdOK_Click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            waitUntilShown(main);
        };
        for (int i = 0; i < 10; ++i)
            cycle();
        const long after10 = residentKib();
        for (int i = 10; i < 1000; ++i)
            cycle();
        std::printf("rss_kib after10=%ld after1000=%ld\n", after10, residentKib());
        return 0;
    }

    using Clock = std::chrono::steady_clock;
    std::vector<double> times;
    times.reserve(iterations);
    const int warmup = std::min(20, iterations);
    for (int i = 0; i < warmup + iterations; ++i) {
        const auto start = Clock::now();
        main->cmdNext_Click();
        app.forms().display()->cmdOK_Click();
        // Back hands the window to the event loop to destroy; count that too.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const auto end = Clock::now();
        // Whatever else the two steps queued (repaints) is not part of them.
        QCoreApplication::processEvents();
        if (i >= warmup)
            times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    const auto at = [&](double q) { return times[static_cast<size_t>(q * (times.size() - 1))]; };
    std::printf("draw_ms median=%.3f p10=%.3f p90=%.3f iterations=%d\n", at(0.5), at(0.1), at(0.9), iterations);
    return 0;
}
