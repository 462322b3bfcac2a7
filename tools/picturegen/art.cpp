#include "art.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QTransform>

#include <cmath>
#include <stdexcept>

namespace art {

namespace {
QHash<QString, FontSource> &fontTable()
{
    static QHash<QString, FontSource> table;
    return table;
}
}  // namespace

std::map<QString, Routine> &routines()
{
    static std::map<QString, Routine> table;
    return table;
}

void loadFonts(Catalog &catalog)
{
    QStringList missing;
    for (FontSource &f : catalog.fonts) {
        const int id = QFontDatabase::addApplicationFont(f.file);
        if (id < 0) {
            missing << QStringLiteral("  %1 (from the Debian package %2)").arg(f.file, f.package);
            continue;
        }
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        f.family = families.value(0);
        fontTable().insert(f.key, f);
    }
    if (!missing.isEmpty())
        throw std::runtime_error(
            QStringLiteral("font files missing:\n%1\ninstall them with: apt-get install <package>")
                .arg(missing.join(QLatin1Char('\n')))
                .toStdString());
}

const FontSource &font(const QString &key)
{
    auto it = fontTable().constFind(key);
    if (it == fontTable().constEnd())
        throw std::runtime_error(("unknown font key: " + key).toStdString());
    return *it;
}

// ---- helpers --------------------------------------------------------------

QColor hex(const char *s) { return QColor(QString::fromLatin1(s)); }

QPainterPath ellipse(double cx, double cy, double rx, double ry)
{
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), rx, ry);
    return p;
}

QPainterPath circle(double cx, double cy, double r) { return ellipse(cx, cy, r, r); }

QPainterPath polygon(std::initializer_list<QPointF> pts)
{
    QPainterPath p;
    bool first = true;
    for (const QPointF &pt : pts) {
        if (first)
            p.moveTo(pt);
        else
            p.lineTo(pt);
        first = false;
    }
    p.closeSubpath();
    return p;
}

QPainterPath rotated(const QPainterPath &path, double degrees, QPointF centre)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    t.translate(-centre.x(), -centre.y());
    return t.map(path);
}

void fill(QPainter &p, const QPainterPath &path, const QBrush &brush, const QColor &outline, double width)
{
    p.setBrush(brush);
    if (outline.isValid())
        p.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.drawPath(path);
}

QLinearGradient vgrad(double y0, double y1, const QColor &a, const QColor &b)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QLinearGradient hgrad(double x0, double x1, const QColor &a, const QColor &b)
{
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QRadialGradient rgrad(QPointF c, double r, const QColor &a, const QColor &b, QPointF focal)
{
    QRadialGradient g(c, r, focal.x() < 0 ? c : focal);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QPen pen(const QColor &c, double w, Qt::PenCapStyle cap)
{
    return QPen(c, w, Qt::SolidLine, cap, Qt::RoundJoin);
}

void stroke(QPainter &p, const QPainterPath &path, const QColor &c, double w, Qt::PenCapStyle cap)
{
    p.setPen(pen(c, w, cap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// ---- glyphs ---------------------------------------------------------------

static QRectF fitRect(const QSizeF &content, const QRectF &target)
{
    const double k = std::min(target.width() / content.width(), target.height() / content.height());
    const QSizeF s(content.width() * k, content.height() * k);
    return QRectF(target.center().x() - s.width() / 2, target.center().y() - s.height() / 2, s.width(), s.height());
}

QPainterPath glyphPath(const QString &fontKey, const QString &text, const QRectF &target)
{
    QFont f(font(fontKey).family);
    f.setPixelSize(400);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::NoFontMerging);
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF box = path.boundingRect();
    if (box.isEmpty())
        throw std::runtime_error(("font " + fontKey + " has no outline for " + text).toStdString());
    const QRectF fit = fitRect(box.size(), target);
    QTransform t;
    t.translate(fit.x(), fit.y());
    t.scale(fit.width() / box.width(), fit.height() / box.height());
    t.translate(-box.x(), -box.y());
    return t.map(path);
}

void drawGlyph(QPainter &p, const QString &fontKey, const QString &text, const QRectF &target, const QBrush &brush,
               const QPen &outline)
{
    const QPainterPath path = glyphPath(fontKey, text, target);
    p.setPen(outline);
    p.setBrush(brush);
    p.drawPath(path);
}

// Colour emoji come as bitmaps: render once at the font's native strike,
// crop to the visible pixels, then resample to the device size wanted.
static QImage emojiImage(const QString &text)
{
    static QHash<QString, QImage> cache;
    auto it = cache.constFind(text);
    if (it != cache.constEnd())
        return *it;

    QFont f(font(QStringLiteral("emoji")).family);
    f.setPixelSize(109);  // the size of Noto Color Emoji's bitmap strike
    f.setStyleStrategy(QFont::NoFontMerging);
    QImage canvas(600, 400, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(QPointF(60, 260), text);
    }
    int x0 = canvas.width(), y0 = canvas.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(line[x]) > 6) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
        }
    }
    if (x1 < 0)
        throw std::runtime_error(("the emoji font draws nothing for " + text).toStdString());
    QImage cropped = canvas.copy(x0, y0, x1 - x0 + 1, y1 - y0 + 1);
    cache.insert(text, cropped);
    return cropped;
}

void drawEmoji(QPainter &p, const QString &text, const QRectF &target, bool mirror)
{
    QImage img = emojiImage(text);
    if (mirror)
        img = img.mirrored(true, false);
    const QRectF fit = fitRect(QSizeF(img.size()), target);
    const QTransform t = p.transform();
    if (t.isRotating()) {
        p.drawImage(fit, img);
        return;
    }
    const QRectF dev = t.mapRect(fit);
    const QSize size(std::max(1, int(std::lround(dev.width()))), std::max(1, int(std::lround(dev.height()))));
    const QImage scaled = img.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.save();
    p.resetTransform();
    p.drawImage(QPoint(int(std::lround(dev.x())), int(std::lround(dev.y()))), scaled);
    p.restore();
}

// ---- pictures -------------------------------------------------------------

static void drawFrame(QPainter &p, const Tradition &t)
{
    const QRectF outer(0.5, 0.5, 110, 110);
    QPainterPath frame;
    frame.addRoundedRect(outer, 11, 11);
    fill(p, frame, vgrad(0, 111, t.frameLight, t.frame));

    QPainterPath line;
    line.addRoundedRect(outer.adjusted(5, 5, -5, -5), 7, 7);
    fill(p, line, t.line);

    QPainterPath field;
    field.addRoundedRect(outer.adjusted(6.5, 6.5, -6.5, -6.5), 6, 6);
    fill(p, field, rgrad(QPointF(55.5, 50), 66, t.field, t.fieldEdge));
}

QImage renderPicture(const Tradition &t, const Recipe &r, int scale)
{
    auto it = routines().find(r.draw);
    if (it == routines().end())
        throw std::runtime_error(
            QStringLiteral("%1/%2 (%3): no drawing routine \"%4\"").arg(r.folder).arg(r.position).arg(r.name, r.draw)
                .toStdString());

    QImage img(kPictureSize * scale, kPictureSize * scale, QImage::Format_RGB32);
    img.fill(kPanel);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    drawFrame(p, t);

    const QRectF box(10, 10, 91, 91);
    p.save();
    p.translate(box.center().x() + r.dx * box.width() / 100, box.center().y() + r.dy * box.height() / 100);
    p.scale(box.width() / 100 * r.scale, box.height() / 100 * r.scale);
    p.translate(-50, -50);
    it->second(p, r);
    p.restore();
    p.end();
    return img;
}

}  // namespace art

// ---- generic routines ----------------------------------------------------

// Name card: used until a symbol has its own drawing.
ART_ROUTINE(card)
{
    QFont f(art::font(QStringLiteral("sans")).family);
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(r.color(0, QColor(60, 40, 20)));
    p.drawText(QRectF(0, 0, 100, 100), Qt::AlignCenter | Qt::TextWordWrap, r.name);
}

// An outline glyph of a font, filled with colours[0] (top) to colours[1]
// (bottom), outlined with colours[2] when given.
ART_ROUTINE(glyph)
{
    const QColor top = r.color(0, Qt::black);
    const QColor bottom = r.color(1, top);
    QPen outline = Qt::NoPen;
    if (r.colors.size() > 2)
        outline = QPen(r.colors[2], r.extra.value(QStringLiteral("outline")).toDouble(1.5), Qt::SolidLine,
                       Qt::RoundCap, Qt::RoundJoin);
    art::drawGlyph(p, r.font, r.text, QRectF(0, 0, 100, 100), art::vgrad(0, 100, top, bottom), outline);
}

// A colour emoji.
ART_ROUTINE(emoji)
{
    art::drawEmoji(p, r.text, QRectF(0, 0, 100, 100), r.extra.value(QStringLiteral("mirror")).toBool());
}
