// Reads back what a window of another process shows, so that the real-window
// tests can tell a window that has drawn itself from an empty one and check
// its colours to the bit.
//
//   qvo-smoke-probe WINDOW pixel X Y          prints the colour at (X, Y) as #rrggbb
//   qvo-smoke-probe WINDOW colours X Y W H    prints how many distinct colours the
//                                             rectangle holds
//   qvo-smoke-probe WINDOW extent #rrggbb     prints "X Y W H", the smallest rectangle
//                                             holding every pixel of exactly that
//                                             colour, or fails when there is none
//   qvo-smoke-probe WINDOW contrast X Y W H   prints "RATIO #background #text": the
//                                             rectangle's commonest colour, the colour
//                                             of at least 3 pixels that stands out
//                                             most from it, and their contrast ratio
//                                             (as the web's accessibility guidelines
//                                             reckon it)
//   qvo-smoke-probe WINDOW match X Y PICTURE  prints how many pixels of the rectangle
//                                             at (X, Y) the size of PICTURE differ
//                                             from PICTURE laid on white (by more
//                                             than 24 in a channel)
//   qvo-smoke-probe WINDOW close              asks the window to close, as the
//                                             window manager's close button does
//
// WINDOW is an X window id (decimal, as xdotool prints it, or 0x...), read
// from the X server; or the path of a PNG picture, such as a Wayland
// compositor's screenshot, read from the file (close makes no sense there).
// Coordinates are relative to the window or the picture.

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QtGui/qguiapplication_platform.h>

#include <QHash>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <xcb/xcb.h>

namespace {

int usage()
{
    std::fputs("usage: qvo-smoke-probe WINDOW|PICTURE.png pixel X Y | colours X Y W H | extent #rrggbb | contrast X Y W H\n"
               "       | match X Y PICTURE.png | close\n",
               stderr);
    return 2;
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : XCB_ATOM_NONE;
    std::free(reply);
    return result;
}

// WM_DELETE_WINDOW, the close request of every window manager, for a
// compositor that has no input to click its close button with.
int closeWindow(WId window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return 1;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window);
    event.type = atom(connection, "WM_PROTOCOLS");
    event.data.data32[0] = atom(connection, "WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, event.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
    return xcb_flush(connection) > 0 ? 0 : 1;
}

// Where the pixels come from: a window on the X server or a picture file.
class Source
{
public:
    static std::optional<Source> open(const QString &what)
    {
        Source source;
        if (what.endsWith(QLatin1String(".png"))) {
            source.m_picture = QImage(what).convertToFormat(QImage::Format_RGB32);
            if (source.m_picture.isNull())
                return std::nullopt;
            return source;
        }
        bool ok = false;
        source.m_window = what.toULongLong(&ok, 0);
        if (!ok || !QGuiApplication::primaryScreen())
            return std::nullopt;
        return source;
    }

    bool isWindow() const { return m_picture.isNull(); }
    WId window() const { return m_window; }

    // The rectangle; a negative size means all of it.
    QImage grab(int x, int y, int width, int height) const
    {
        if (!isWindow())
            return width < 0 ? m_picture : m_picture.copy(x, y, width, height);
        return QGuiApplication::primaryScreen()->grabWindow(m_window, x, y, width, height).toImage().convertToFormat(
            QImage::Format_RGB32);
    }

private:
    QImage m_picture;
    WId m_window = 0;
};

double luminance(QRgb rgb)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

int printContrast(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++counts[line[x] & RGB_MASK];
    }
    if (counts.isEmpty())
        return 1;
    // In colour order, so that a tie (two rows of a shaded face, say) goes
    // the same way every time.
    QList<QRgb> colours = counts.keys();
    std::sort(colours.begin(), colours.end());
    QRgb background = colours.first();
    for (QRgb c : colours) {
        if (counts.value(c) > counts.value(background))
            background = c;
    }
    // A few pixels of one colour are the edge of a stroke, not the text.
    QRgb text = background;
    for (QRgb c : colours) {
        if (counts.value(c) >= 3 && contrast(c, background) > contrast(text, background))
            text = c;
    }
    std::printf("%.2f %s %s\n", contrast(text, background), qPrintable(QColor(background).name()),
                qPrintable(QColor(text).name()));
    return 0;
}

int printMismatch(const QImage &seen, const QString &path)
{
    const QImage source(path);
    if (source.isNull() || seen.size() != source.size())
        return 1;
    QImage expected(source.size(), QImage::Format_RGB32);
    expected.fill(Qt::white);
    QPainter(&expected).drawImage(0, 0, source);
    int differing = 0;
    for (int y = 0; y < seen.height(); ++y) {
        for (int x = 0; x < seen.width(); ++x) {
            const QRgb a = seen.pixel(x, y), b = expected.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) > 24 || std::abs(qGreen(a) - qGreen(b)) > 24
                || std::abs(qBlue(a) - qBlue(b)) > 24)
                ++differing;
        }
    }
    std::printf("%d\n", differing);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // A window can only be read from a real X server: never fall back to
    // offscreen. A picture file needs no display at all.
    const bool picture = argc > 1 && QFileInfo(QString::fromLocal8Bit(argv[1])).suffix() == QLatin1String("png");
    qputenv("QT_QPA_PLATFORM", picture ? "offscreen" : "xcb");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 3)
        return usage();

    const std::optional<Source> source = Source::open(args.at(1));
    if (!source)
        return 1;
    const QString mode = args.at(2);
    if (mode == QLatin1String("close") && args.size() == 3)
        return source->isWindow() ? closeWindow(source->window()) : usage();

    if (mode == QLatin1String("extent") && args.size() == 4) {
        const QColor wanted(args.at(3));
        if (!wanted.isValid())
            return usage();
        const QImage image = source->grab(0, 0, -1, -1);
        QRect extent;
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if ((line[x] & RGB_MASK) == (wanted.rgb() & RGB_MASK))
                    extent |= QRect(x, y, 1, 1);
            }
        }
        if (extent.isNull())
            return 1;
        std::printf("%d %d %d %d\n", extent.x(), extent.y(), extent.width(), extent.height());
        return 0;
    }

    if (mode == QLatin1String("match") && args.size() == 6) {
        const QImage wanted(args.at(5));
        if (wanted.isNull())
            return 1;
        return printMismatch(source->grab(args.at(3).toInt(), args.at(4).toInt(), wanted.width(), wanted.height()),
                             args.at(5));
    }

    QList<int> numbers;
    for (qsizetype i = 3; i < args.size(); ++i) {
        bool ok = false;
        numbers.append(args.at(i).toInt(&ok));
        if (!ok)
            return usage();
    }
    if (mode == QLatin1String("pixel") && numbers.size() == 2) {
        const QImage image = source->grab(numbers[0], numbers[1], 1, 1);
        if (image.isNull())
            return 1;
        std::printf("%s\n", qPrintable(image.pixelColor(0, 0).name()));
        return 0;
    }
    if (mode == QLatin1String("colours") && numbers.size() == 4) {
        const QImage image = source->grab(numbers[0], numbers[1], numbers[2], numbers[3]);
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
    if (mode == QLatin1String("contrast") && numbers.size() == 4) {
        const QImage image = source->grab(numbers[0], numbers[1], numbers[2], numbers[3]);
        return image.isNull() ? 1 : printContrast(image);
    }
    return usage();
}
