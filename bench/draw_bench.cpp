// Times one draw of all seven traditions followed by Back: cmdNext_Click()
// fills the result window (seven pictures decoded, names and descriptions
// set), Back destroys it again. Prints the median and the spread.
//
// usage: draw_bench [ITERATIONS]     (run with QT_QPA_PLATFORM=offscreen)

#include "StubDesktop.h"
#include "app/App.h"
#include "app/Startup.h"
#include "links/SettingsStore.h"
#include "windows/frmDisplay.h"
#include "windows/frmMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    installFontSubstitutes();
    QApplication::setQuitOnLastWindowClosed(false);
    const int iterations = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;

    QTemporaryDir dir;
    StubDesktop desktop;
    SettingsStore settings(dir.filePath(QStringLiteral("settings.ini")));
    App app(desktop, settings);
    frmMain *main = app.forms().main();
    main->show();
    for (int i = 0; i < kSymbolTypeCount; ++i)
        main->chkGoodLuck(i)->setChecked(true);

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
