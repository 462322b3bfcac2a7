// Reads back what a window of another process shows on the X server, so that
// the smoke test can tell a window that has drawn itself from an empty one.
//
//   qvo-smoke-probe WINDOW pixel X Y          prints the colour at (X, Y) as #rrggbb
//   qvo-smoke-probe WINDOW colours X Y W H    prints how many distinct colours the
//                                             rectangle holds
//
// WINDOW is an X window id (decimal, as xdotool prints it, or 0x...); the
// coordinates are relative to that window.

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>

#include <cstdio>

namespace {

int usage()
{
    std::fputs("usage: qvo-smoke-probe WINDOW pixel X Y | WINDOW colours X Y W H\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    // Only a real X server can answer; never fall back to offscreen.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 5)
        return usage();

    bool ok = false;
    const WId window = args.at(1).toULongLong(&ok, 0);
    if (!ok)
        return usage();
    const QString mode = args.at(2);
    QList<int> numbers;
    for (qsizetype i = 3; i < args.size(); ++i) {
        numbers.append(args.at(i).toInt(&ok));
        if (!ok)
            return usage();
    }

    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1;

    if (mode == QLatin1String("pixel") && numbers.size() == 2) {
        const QImage image = screen->grabWindow(window, numbers[0], numbers[1], 1, 1).toImage();
        if (image.isNull())
            return 1;
        std::printf("%s\n", qPrintable(image.pixelColor(0, 0).name()));
        return 0;
    }
    if (mode == QLatin1String("colours") && numbers.size() == 4) {
        const QImage image =
            screen->grabWindow(window, numbers[0], numbers[1], numbers[2], numbers[3]).toImage().convertToFormat(
                QImage::Format_RGB32);
        if (image.isNull())
            return 1;
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                colours.insert(line[x]);
        }
        std::printf("%lld\n", static_cast<long long>(colours.size()));
        return 0;
    }
    return usage();
}
