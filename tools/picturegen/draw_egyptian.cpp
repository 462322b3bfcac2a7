// Egyptian symbols: lapis blue, turquoise, carnelian and gold on sandstone.
#include "art.h"

#include <cmath>

using namespace art;

namespace {
const QColor kLapis = hex("#1B3F8F");
const QColor kTurq = hex("#1FA6A0");
const QColor kCarnelian = hex("#C0392B");
const QColor kGold = hex("#E5B33A");
const QColor kGoldDark = hex("#8A6212");
const QColor kInk = hex("#1A1410");
const QColor kSkin = hex("#C68A52");

// A spread wing for the right side, shoulder at (0,0), tip to the right.
void wing(QPainter &p, double span, double depth)
{
    const QColor bands[] = {kLapis, kTurq, kCarnelian, kGold};
    QPainterPath outline;
    outline.moveTo(0, -4);
    outline.cubicTo(span * 0.4, -depth * 0.55, span * 0.8, -depth * 0.5, span, -depth * 0.35);
    outline.lineTo(span * 0.98, depth * 0.2);
    outline.cubicTo(span * 0.6, depth * 0.45, span * 0.3, depth * 0.6, 0, depth * 0.5);
    outline.closeSubpath();
    p.save();
    p.setClipPath(outline);
    // Rows of feathers: long flight feathers at the bottom, coverts above.
    for (int row = 3; row >= 0; --row) {
        const double y = -depth * 0.5 + row * depth * 0.26;
        for (int i = 0; i < 12; ++i) {
            const double x = i * span / 11.0;
            QPainterPath f;
            f.addRoundedRect(QRectF(x - 3.5, y, 7, depth * (row == 3 ? 0.9 : 0.5)), 3.5, 3.5);
            fill(p, f, bands[row], kInk, 0.6);
        }
    }
    p.restore();
    fill(p, outline, Qt::NoBrush, kInk, 1.2);
}

void ankhAt(QPainter &p, double x, double y, double h)
{
    QPainterPath a = ellipse(x, y + h * 0.18, h * 0.15, h * 0.18).subtracted(ellipse(x, y + h * 0.18, h * 0.07, h * 0.1));
    QPainterPath bar;
    bar.addRect(QRectF(x - h * 0.25, y + h * 0.34, h * 0.5, h * 0.09));
    QPainterPath stem = polygon({{x - h * 0.05, y + h * 0.34}, {x + h * 0.05, y + h * 0.34}, {x + h * 0.09, y + h},
                                 {x - h * 0.09, y + h}});
    fill(p, a.united(bar).united(stem), vgrad(y, y + h, kGold.lighter(115), kGoldDark), kInk, 0.9);
}

// Front view of an Egyptian woman from the knees up: wig, broad collar,
// white sheath dress. `top` is the top of the head.
void goddess(QPainter &p, double top)
{
    // Dress.
    const QPainterPath dress = polygon({{38, top + 40}, {62, top + 40}, {68, 100}, {32, 100}});
    fill(p, dress, hgrad(32, 68, hex("#FFFFFF"), hex("#D9D2C2")), kInk, 1.1);
    QPainterPath belt;
    belt.addRect(QRectF(36.5, top + 54, 27, 3.5));
    fill(p, belt, kCarnelian);
    // Wig behind the face.
    QPainterPath wig;
    wig.addRoundedRect(QRectF(36, top + 2, 28, 36), 8, 8);
    fill(p, wig, kInk);
    // Neck and face.
    QPainterPath neck;
    neck.addRect(QRectF(46, top + 24, 8, 10));
    fill(p, neck, kSkin);
    fill(p, ellipse(50, top + 17, 8.5, 10.5), kSkin, hex("#7A4A22"), 0.8);
    // Fringe of the wig and headband.
    fill(p, ellipse(50, top + 9, 11, 7).subtracted(ellipse(50, top + 15, 10, 6)), kInk);
    QPainterPath band;
    band.moveTo(39, top + 9);
    band.cubicTo(42, top + 4, 58, top + 4, 61, top + 9);
    stroke(p, band, kGold, 2);
    // Eyes with kohl, mouth.
    for (int s : {-1, 1}) {
        QPainterPath eye;
        eye.moveTo(50 + s * 1.5, top + 16);
        eye.lineTo(50 + s * 7.5, top + 16);
        stroke(p, eye, kInk, 1.6);
        fill(p, circle(50 + s * 4.2, top + 16.2, 1.2), kInk);
    }
    QPainterPath mouth;
    mouth.moveTo(47.5, top + 23);
    mouth.quadTo(50, top + 24.5, 52.5, top + 23);
    stroke(p, mouth, hex("#8A2A1A"), 1.2);
    // Broad collar of coloured bands.
    const QColor bands[] = {kGold, kLapis, kTurq, kCarnelian};
    for (int i = 3; i >= 0; --i) {
        const double rr = 9 + i * 4;
        QPainterPath arc;
        arc.moveTo(50 - rr, top + 31);
        arc.arcTo(QRectF(50 - rr, top + 31 - rr * 0.75, 2 * rr, 1.5 * rr), 180, 180);
        arc.closeSubpath();
        fill(p, arc, bands[i], kInk, 0.6);
    }
}
}  // namespace

ART_ROUTINE(winged_angel)
{
    // A kneeling winged figure with wings spread wide.
    for (int s : {-1, 1}) {
        p.save();
        p.translate(50 + s * 8, 50);
        p.scale(s, 1);
        wing(p, 44, 40);
        p.restore();
    }
    goddess(p, 22);
    // Arms raised along the wings.
    for (int s : {-1, 1}) {
        QPainterPath arm;
        arm.moveTo(50 + s * 12, 56);
        arm.lineTo(50 + s * 26, 48);
        arm.lineTo(50 + s * 34, 42);
        stroke(p, arm, kSkin.darker(105), 4.5);
    }
    // The sun above the head.
    fill(p, circle(50, 12, 7), rgrad(QPointF(48, 10), 8, hex("#FF7A4A"), kCarnelian), kInk, 1);
}

ART_ROUTINE(isis)
{
    // The goddess with the cow horns and sun disc on her head, an ankh in
    // her hand.
    // Horns and disc.
    fill(p, circle(50, 13, 10), rgrad(QPointF(47, 10), 12, hex("#FF6B45"), hex("#A82315")), kInk, 1.2);
    QPainterPath horns;
    horns.moveTo(50, 26);
    horns.cubicTo(34, 26, 30, 14, 36, 3);
    horns.moveTo(50, 26);
    horns.cubicTo(66, 26, 70, 14, 64, 3);
    stroke(p, horns, kInk, 4.2);
    stroke(p, horns, hex("#E8E0C8"), 2.2);
    goddess(p, 24);
    // Arms: one across the chest, one holding an ankh at her side.
    QPainterPath arm;
    arm.moveTo(37, 64);
    arm.lineTo(31, 78);
    arm.lineTo(27, 80);
    stroke(p, arm, kSkin, 4.5);
    ankhAt(p, 25, 66, 32);
    QPainterPath arm2;
    arm2.moveTo(63, 64);
    arm2.lineTo(58, 76);
    arm2.lineTo(48, 74);
    stroke(p, arm2, kSkin, 4.5);
    // Throne sign on the dress, her written name.
    QPainterPath throne = polygon({{51, 84}, {59, 84}, {59, 96}, {51, 96}});
    fill(p, throne, Qt::NoBrush, kLapis, 1.6);
}

ART_ROUTINE(eye_of_horus)
{
    const QColor ink = r.color(0, kLapis);
    // Brow.
    QPainterPath brow;
    brow.moveTo(10, 28);
    brow.cubicTo(30, 16, 64, 14, 90, 22);
    brow.lineTo(89, 28);
    brow.cubicTo(64, 21, 32, 22, 12, 33);
    brow.closeSubpath();
    fill(p, brow, ink);
    // Eye: almond with a large pupil.
    QPainterPath eye;
    eye.moveTo(16, 46);
    eye.cubicTo(28, 32, 56, 28, 74, 44);
    eye.cubicTo(56, 58, 30, 58, 16, 46);
    eye.closeSubpath();
    fill(p, eye, Qt::white);
    p.save();
    p.setClipPath(eye);
    fill(p, circle(45, 43, 11.5), ink);
    p.restore();
    fill(p, eye, Qt::NoBrush, ink, 4);
    fill(p, circle(42, 40, 2.4), QColor(255, 255, 255, 220));
    // Line running back from the outer corner.
    QPainterPath line;
    line.moveTo(72, 44);
    line.lineTo(93, 44);
    stroke(p, line, ink, 5, Qt::FlatCap);
    // The falcon markings below: a straight drop and a spiral.
    QPainterPath dropLine = polygon({{30, 54}, {37, 55}, {34, 90}, {29, 90}});
    fill(p, dropLine, ink);
    QPainterPath spiral;
    spiral.moveTo(52, 56);
    spiral.cubicTo(56, 70, 62, 82, 72, 84);
    spiral.cubicTo(80, 85, 84, 78, 80, 73);
    spiral.cubicTo(77, 69, 71, 71, 72, 76);
    stroke(p, spiral, ink, 4.5);
}

ART_ROUTINE(scarab)
{
    // A winged scarab pushing the sun disc.
    for (int s : {-1, 1}) {
        p.save();
        p.translate(50 + s * 10, 52);
        p.scale(s, 1);
        wing(p, 40, 30);
        p.restore();
    }
    // Sun disc held by the front legs.
    fill(p, circle(50, 14, 11), rgrad(QPointF(47, 11), 12, hex("#FF7A4A"), kCarnelian), kInk, 1.2);
    QPainterPath legs;
    for (int s : {-1, 1}) {
        legs.moveTo(50 + s * 7, 34);
        legs.lineTo(50 + s * 13, 26);
        legs.lineTo(50 + s * 9, 20);
        legs.moveTo(50 + s * 12, 58);
        legs.lineTo(50 + s * 22, 66);
        legs.lineTo(50 + s * 20, 78);
        legs.moveTo(50 + s * 11, 70);
        legs.lineTo(50 + s * 20, 84);
        legs.lineTo(50 + s * 16, 94);
    }
    stroke(p, legs, kInk, 2.6);
    // Head, thorax and wing cases.
    QPainterPath head;
    head.moveTo(40, 36);
    head.cubicTo(40, 26, 60, 26, 60, 36);
    head.closeSubpath();
    fill(p, head, vgrad(26, 36, kTurq.lighter(120), kTurq.darker(130)), kInk, 1.2);
    QPainterPath teeth;
    for (int i = 0; i < 5; ++i) {
        teeth.moveTo(42 + i * 4, 30);
        teeth.lineTo(43 + i * 4, 27);
    }
    stroke(p, teeth, kInk, 1.0);
    fill(p, ellipse(50, 43, 14, 8), vgrad(35, 51, kLapis.lighter(150), kLapis), kInk, 1.2);
    QPainterPath body;
    body.moveTo(36, 50);
    body.cubicTo(34, 74, 44, 88, 50, 88);
    body.cubicTo(56, 88, 66, 74, 64, 50);
    body.closeSubpath();
    fill(p, body, rgrad(QPointF(45, 60), 30, kTurq.lighter(130), kLapis), kInk, 1.2);
    QPainterPath split;
    split.moveTo(50, 51);
    split.lineTo(50, 87);
    stroke(p, split, kInk, 1.4);
    fill(p, ellipse(44, 62, 2.5, 7), QColor(255, 255, 255, 110));
    QPainterPath goldEdge;
    goldEdge.moveTo(36, 50);
    goldEdge.lineTo(64, 50);
    stroke(p, goldEdge, kGold, 2);
}
