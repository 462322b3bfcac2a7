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

#include <cstdio>
#include <cstring>
#include <optional>
#include <xcb/xcb.h>

namespace {

int usage()
{
    std::fputs("usage: qvo-smoke-probe WINDOW|PICTURE.png pixel X Y | colours X Y W H | extent #rrggbb | close\n",
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
    return usage();
}
