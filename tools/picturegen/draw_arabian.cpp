// Arabian symbols.
#include "art.h"

using namespace art;

ART_ROUTINE(dolphins)
{
    // A pair of dolphins leaping towards each other over a wave.
    QPainterPath sea;
    sea.moveTo(0, 80);
    for (int i = 0; i < 5; ++i)
        sea.quadTo(10 + i * 20, 72, 20 + i * 20, 80);
    sea.lineTo(100, 100);
    sea.lineTo(0, 100);
    sea.closeSubpath();
    fill(p, sea, vgrad(72, 100, hex("#4FB3D9"), hex("#1B6F9E")));
    QPainterPath foam;
    foam.moveTo(0, 80);
    for (int i = 0; i < 5; ++i)
        foam.quadTo(10 + i * 20, 72, 20 + i * 20, 80);
    stroke(p, foam, Qt::white, 2.2);

    p.save();
    p.translate(25, 44);
    p.rotate(-12);
    drawEmoji(p, r.text, QRectF(-24, -24, 48, 48), true);
    p.restore();
    p.save();
    p.translate(75, 44);
    p.rotate(12);
    drawEmoji(p, r.text, QRectF(-24, -24, 48, 48), false);
    p.restore();
}
