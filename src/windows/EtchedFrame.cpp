#include "EtchedFrame.h"

#include <QPainter>

namespace {

// The caption begins a little way in from the left edge and keeps a blank on
// either side, where the border line is broken.
constexpr int kCaptionIndent = 6;
constexpr int kCaptionPadding = 2;

} // namespace

EtchedFrame::EtchedFrame(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
{
}

QRect EtchedFrame::borderRect() const
{
    const int top = title().isEmpty() ? 0 : fontMetrics().height() / 2;
    return rect().adjusted(0, top, 0, 0);
}

void EtchedFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    const QColor fill = colours.color(QPalette::Window);
    painter.fillRect(rect(), fill);

    // An etched line is a shadow line with a highlight line one pixel below
    // and to the right of it.
    const QRect border = borderRect();
    painter.setPen(colours.color(QPalette::Dark));
    painter.drawRect(border.adjusted(0, 0, -2, -2));
    painter.setPen(colours.color(QPalette::Light));
    painter.drawRect(border.adjusted(1, 1, -1, -1));

    const QString caption = title();
    if (caption.isEmpty())
        return;
    const QFontMetrics metrics = fontMetrics();
    const QRect captionRect(kCaptionIndent, 0, metrics.horizontalAdvance(caption) + 2 * kCaptionPadding,
                            metrics.height());
    painter.fillRect(captionRect, fill);
    painter.setPen(colours.color(QPalette::WindowText));
    painter.drawText(captionRect, Qt::AlignCenter | Qt::TextSingleLine, caption);
}
