// Contact sheet: every picture in catalog order under its name, on the
// result window's purple, followed by the icon at each size.
#include "art.h"

namespace art {

QImage renderSheet(const Catalog &c, const QHash<QString, QImage> &pictures, const QVector<QImage> &icons)
{
    const int pic = pictures.isEmpty() ? kPictureSize : pictures.begin()->width();
    const int columns = 10, cellW = pic + 21, cellH = pic + 39, titleH = 30, margin = 12;
    int rows = 0;
    for (const Tradition &t : c.traditions)
        rows += (int(t.symbols.size()) + columns - 1) / columns;
    const int iconRowH = 300;
    const int width = margin * 2 + columns * cellW;
    const int height = margin * 2 + int(c.traditions.size()) * titleH + rows * cellH + iconRowH;

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(kPanel);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont title(font(QStringLiteral("sans")).family);
    title.setPixelSize(17);
    title.setBold(true);
    QFont label(font(QStringLiteral("sans")).family);
    label.setPixelSize(12);

    int y = margin;
    for (const Tradition &t : c.traditions) {
        p.setFont(title);
        p.setPen(Qt::white);
        p.drawText(QRect(margin, y, width - 2 * margin, titleH), Qt::AlignLeft | Qt::AlignVCenter, t.title);
        y += titleH;
        for (int i = 0; i < t.symbols.size(); ++i) {
            const Recipe &r = t.symbols[i];
            const int x = margin + (i % columns) * cellW;
            const int cy = y + (i / columns) * cellH;
            const QImage img = pictures.value(QStringLiteral("%1/%2").arg(r.folder).arg(r.position));
            p.drawImage(QPoint(x + (cellW - img.width()) / 2, cy), img);
            p.setFont(label);
            p.setPen(QColor(0, 255, 255));
            p.drawText(QRect(x, cy + img.height() + 2, cellW, cellH - img.height() - 2),
                       Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                       QStringLiteral("%1 %2").arg(r.position).arg(r.name));
        }
        y += ((int(t.symbols.size()) + columns - 1) / columns) * cellH;
    }

    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(margin, y, width, titleH), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Icon"));
    y += titleH + 4;
    int x = margin;
    for (const QImage &icon : icons) {
        p.fillRect(QRect(x - 2, y - 2, icon.width() + 4, icon.height() + 4), QColor(0xf0, 0xf0, 0xf0));
        p.drawImage(QPoint(x, y), icon);
        x += icon.width() + 16;
    }
    p.end();
    return sheet;
}

}  // namespace art
