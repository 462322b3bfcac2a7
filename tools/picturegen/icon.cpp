// The application icon: a white thumbs-up hand on a green square, plus the
// palette conversion for the 32 x 32 window icon and the .ico container.
#include "art.h"

#include <QBuffer>
#include <QDataStream>
#include <QImageWriter>

#include <algorithm>
#include <map>

namespace art {

// The hand in a 100 x 100 grid: cuff at the lower left, fist with four
// folded fingers to the right, thumb pointing up.
static QPainterPath handPath()
{
    QPainterPath fist;
    fist.addRoundedRect(QRectF(36, 46, 30, 42), 7, 7);

    // Thumb: a thick rounded bar rising from the top of the fist, leaning
    // slightly forward.
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-9, -34, 18, 40), 9, 9);
    QTransform t;
    t.translate(47, 50);
    t.rotate(12);
    thumb = t.map(thumb);

    // Four folded fingers stacked on the front of the fist.
    QPainterPath fingers;
    const double tops[4] = {46, 56.5, 67, 77.5};
    const double ends[4] = {86, 84, 81, 77};
    for (int i = 0; i < 4; ++i)
        fingers.addRoundedRect(QRectF(52, tops[i], ends[i] - 52, 10.5), 5.25, 5.25);

    return fist.united(thumb).united(fingers).simplified();
}

static QPainterPath cuffPath()
{
    QPainterPath cuff;
    cuff.addRoundedRect(QRectF(14, 48, 17, 40), 3, 3);
    return cuff;
}

QImage renderIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);

    // Small sizes get a square that fills the whole cell; larger ones keep a
    // little margin as desktop icons do.
    const double inset = size <= 32 ? 0.0 : 4.0;
    const double radius = size <= 24 ? 14.0 : 18.0;
    QPainterPath square;
    square.addRoundedRect(QRectF(inset, inset, 100 - 2 * inset, 100 - 2 * inset), radius, radius);
    QLinearGradient g(0, inset, 0, 100 - inset);
    g.setColorAt(0, QColor(0x4c, 0xbb, 0x50));
    g.setColorAt(1, QColor(0x23, 0x86, 0x32));
    fill(p, square, g);

    // Hand, slightly lifted from the square by a soft shadow on larger sizes.
    const QPainterPath hand = handPath();
    const QPainterPath cuff = cuffPath();
    if (size >= 48) {
        p.save();
        p.translate(1.2, 1.6);
        fill(p, hand, QColor(0, 60, 10, 70));
        fill(p, cuff, QColor(0, 60, 10, 70));
        p.restore();
    }
    fill(p, hand, Qt::white);
    fill(p, cuff, Qt::white);

    // Creases between the folded fingers, drawn in the square's green.
    if (size >= 24) {
        const QColor crease(0x2e, 0x96, 0x3b);
        const double w = size >= 64 ? 1.4 : 2.2;
        for (double y : {56.75, 67.25, 77.75}) {
            QPainterPath line;
            line.moveTo(60, y);
            line.lineTo(86, y);
            stroke(p, line, crease, w, Qt::FlatCap);
        }
    }
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

// Exact palette when the picture has at most 256 colours, otherwise colours
// are merged on a coarser grid until they fit; each palette entry is the mean
// of the pixels it stands for.
QImage toPalette(const QImage &source)
{
    const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
    for (int shift = 0; shift <= 7; ++shift) {
        std::map<QRgb, std::array<qint64, 5>> groups;  // key -> sums of a,r,g,b and count
        auto keyOf = [shift](QRgb c) {
            if (qAlpha(c) == 0)
                return QRgb(0);
            const int m = 0xff & ~((1 << shift) - 1);
            return qRgba(qRed(c) & m, qGreen(c) & m, qBlue(c) & m, qAlpha(c) & m) | 0x01000000u;
        };
        for (int y = 0; y < argb.height(); ++y)
            for (int x = 0; x < argb.width(); ++x) {
                const QRgb c = argb.pixel(x, y);
                auto &s = groups[keyOf(c)];
                s[0] += qAlpha(c);
                s[1] += qRed(c);
                s[2] += qGreen(c);
                s[3] += qBlue(c);
                s[4] += 1;
            }
        if (groups.size() > 256)
            continue;
        QVector<QRgb> table;
        std::map<QRgb, int> index;
        for (const auto &[key, s] : groups) {
            index[key] = table.size();
            if (key == 0)
                table.push_back(qRgba(0, 0, 0, 0));
            else
                table.push_back(qRgba(int(s[1] / s[4]), int(s[2] / s[4]), int(s[3] / s[4]), int(s[0] / s[4])));
        }
        QImage out(argb.size(), QImage::Format_Indexed8);
        out.setColorTable(table);
        for (int y = 0; y < argb.height(); ++y) {
            uchar *line = out.scanLine(y);
            for (int x = 0; x < argb.width(); ++x)
                line[x] = uchar(index[keyOf(argb.pixel(x, y))]);
        }
        return out;
    }
    return argb.convertToFormat(QImage::Format_Indexed8);
}

// .ico: PNG entry for 256 x 256, 32-bit BMP entries for the small sizes
// (the form every Windows version reads).
static QByteArray bmpEntry(const QImage &src)
{
    const QImage img = src.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s << quint32(40) << qint32(w) << qint32(2 * h) << quint16(1) << quint16(32) << quint32(0)
      << quint32(w * h * 4 + maskStride * h) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            const QRgb c = img.pixel(x, y);
            s << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(qAlpha(c));
        }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(img.pixel(x, y)) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        s.writeRawData(row.constData(), row.size());
    }
    return out;
}

static QByteArray pngBytes(const QImage &img)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, "png");
    w.setQuality(0);  // for PNG: 0 = smallest file (zlib level 9)
    w.write(img);
    return bytes;
}

QByteArray makeIco(const QVector<QImage> &images)
{
    QVector<QByteArray> blobs;
    for (const QImage &img : images)
        blobs.push_back(img.width() >= 256 ? pngBytes(img.convertToFormat(QImage::Format_ARGB32)) : bmpEntry(img));

    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * images.size();
    for (int i = 0; i < images.size(); ++i) {
        const int w = images[i].width();
        s << quint8(w >= 256 ? 0 : w) << quint8(w >= 256 ? 0 : w) << quint8(0) << quint8(0) << quint16(1)
          << quint16(32) << quint32(blobs[i].size()) << quint32(offset);
        offset += blobs[i].size();
    }
    for (const QByteArray &b : blobs)
        s.writeRawData(b.constData(), b.size());
    return out;
}

}  // namespace art
