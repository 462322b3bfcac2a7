// English symbols: homely charms, drawn with soft shading on a meadow field.
#include "art.h"

#include <cmath>

using namespace art;

namespace {

const QColor kInk = hex("#3A2A1A");

// A skeleton key hanging down from (0,0): bow at the top, bit at the bottom.
void key(QPainter &p, const QColor &metal, double len)
{
    const QColor edge = metal.darker(190);
    QPainterPath bow = circle(0, 10, 10).united(circle(-7.5, 4, 5)).united(circle(7.5, 4, 5));
    bow = bow.subtracted(circle(0, 10, 5));
    QPainterPath shaft;
    shaft.addRoundedRect(QRectF(-2.8, 18, 5.6, len - 18), 2, 2);
    QPainterPath collar;
    collar.addRoundedRect(QRectF(-5, 21, 10, 4), 1.5, 1.5);
    QPainterPath bit;
    bit.moveTo(2, len - 16);
    bit.lineTo(13, len - 16);
    bit.lineTo(13, len - 11);
    bit.lineTo(9, len - 11);
    bit.lineTo(9, len - 8);
    bit.lineTo(13, len - 8);
    bit.lineTo(13, len - 2);
    bit.lineTo(2, len - 2);
    bit.closeSubpath();
    const QPainterPath all = bow.united(shaft).united(collar).united(bit).simplified();
    fill(p, all, hgrad(-12, 14, metal.lighter(135), metal.darker(115)), edge, 1.4);
}

}  // namespace

ART_ROUTINE(three_keys)
{
    // Three old keys on one ring, fanned out.
    const QColor metals[3] = {r.color(0, hex("#C9A23A")), r.color(1, hex("#B8BEC6")), r.color(2, hex("#B87333"))};
    const double angles[3] = {32, 0, -32};
    const double lens[3] = {62, 68, 62};
    for (int i : {0, 2, 1}) {
        p.save();
        p.translate(50, 18);
        p.rotate(angles[i]);
        p.translate(0, 6);
        key(p, metals[i], lens[i]);
        p.restore();
    }
    QPainterPath ring;
    ring.addEllipse(QPointF(50, 14), 11, 9);
    stroke(p, ring, hex("#5B5F66"), 3.6);
    stroke(p, ring, hex("#C4C9CF"), 1.6);
}

ART_ROUTINE(acorn)
{
    p.save();
    p.translate(50, 52);
    p.rotate(-12);
    // Nut.
    QPainterPath nut;
    nut.moveTo(-24, -6);
    nut.cubicTo(-26, 22, -10, 40, 0, 44);
    nut.cubicTo(10, 40, 26, 22, 24, -6);
    nut.closeSubpath();
    fill(p, nut, rgrad(QPointF(-8, 8), 40, hex("#E0A25A"), hex("#9A5A22"), QPointF(-10, 2)), kInk, 1.6);
    fill(p, ellipse(-10, 12, 4, 10), QColor(255, 240, 210, 120));
    fill(p, circle(0, 43, 2), kInk);
    // Cap with a criss-cross pattern and a stalk.
    QPainterPath cap;
    cap.moveTo(-30, -2);
    cap.cubicTo(-30, -26, 30, -26, 30, -2);
    cap.cubicTo(18, 4, -18, 4, -30, -2);
    cap.closeSubpath();
    fill(p, cap, vgrad(-22, 4, hex("#8B6A3E"), hex("#5A3F1F")), kInk, 1.6);
    p.save();
    p.setClipPath(cap);
    QPainterPath hatch;
    for (double x = -40; x <= 40; x += 7) {
        hatch.moveTo(x, -30);
        hatch.lineTo(x + 24, 6);
        hatch.moveTo(x, -30);
        hatch.lineTo(x - 24, 6);
    }
    stroke(p, hatch, hex("#3F2A12"), 1.1);
    p.restore();
    QPainterPath stalk;
    stalk.moveTo(0, -19);
    stalk.quadTo(2, -30, 8, -36);
    stroke(p, stalk, hex("#5A3F1F"), 4.2);
    p.restore();
}

ART_ROUTINE(horseshoe)
{
    // Iron horseshoe, open end up, with nail holes.
    QPainterPath outer;
    outer.moveTo(14, 22);
    outer.cubicTo(8, 70, 26, 94, 50, 94);
    outer.cubicTo(74, 94, 92, 70, 86, 22);
    outer.lineTo(70, 20);
    outer.cubicTo(74, 58, 66, 74, 50, 74);
    outer.cubicTo(34, 74, 26, 58, 30, 20);
    outer.closeSubpath();
    // Calkins at the heel ends.
    QPainterPath heels;
    heels.addRoundedRect(QRectF(11, 14, 21, 10), 3, 3);
    heels.addRoundedRect(QRectF(68, 14, 21, 10), 3, 3);
    const QPainterPath shoe = outer.united(heels).simplified();
    fill(p, shoe, rgrad(QPointF(40, 40), 70, hex("#D6DBE0"), hex("#6B737C"), QPointF(30, 30)), hex("#2E3338"),
         1.8);
    // Groove with nail holes.
    QPainterPath groove;
    groove.moveTo(22, 28);
    groove.cubicTo(18, 70, 34, 84, 50, 84);
    groove.cubicTo(66, 84, 82, 70, 78, 28);
    stroke(p, groove, hex("#59616A"), 1.4);
    const QPointF holes[] = {{21, 38}, {23, 56}, {31, 72}, {69, 72}, {77, 56}, {79, 38}};
    for (const QPointF &h : holes) {
        QPainterPath hole;
        hole.addRoundedRect(QRectF(h.x() - 2.2, h.y() - 3.2, 4.4, 6.4), 1, 1);
        fill(p, hole, hex("#23272B"));
    }
}

ART_ROUTINE(old_boot)
{
    // A worn leather boot, sole coming away at the toe, a patch on the shaft.
    const QColor leather = hex("#8A5530"), dark = hex("#3E2413");
    QPainterPath boot;
    boot.moveTo(22, 8);
    boot.lineTo(52, 8);
    boot.lineTo(54, 50);
    boot.cubicTo(60, 56, 78, 58, 88, 64);
    boot.cubicTo(96, 68, 96, 78, 92, 80);
    boot.lineTo(20, 80);
    boot.cubicTo(16, 60, 20, 30, 22, 8);
    boot.closeSubpath();
    fill(p, boot, hgrad(18, 94, hex("#A8693C"), leather.darker(110)), dark, 2);
    // Top rim folded over.
    QPainterPath rim;
    rim.addRoundedRect(QRectF(19, 5, 36, 10), 3, 3);
    fill(p, rim, hex("#6E3F20"), dark, 1.6);
    // Laces.
    QPainterPath lace;
    for (int i = 0; i < 4; ++i) {
        const double y = 24 + i * 8;
        lace.moveTo(42, y);
        lace.lineTo(55, y + 8);
        lace.moveTo(55, y);
        lace.lineTo(42, y + 8);
    }
    stroke(p, lace, hex("#E9D9B8"), 1.8);
    for (int i = 0; i < 5; ++i) {
        fill(p, circle(42, 24 + i * 8, 1.4), dark);
        fill(p, circle(55, 24 + i * 8, 1.4), dark);
    }
    // Patch with stitches.
    QPainterPath patch;
    patch.addRect(QRectF(25, 28, 12, 13));
    fill(p, rotated(patch, -8, QPointF(31, 34)), hex("#B98A4E"), dark, 1.2);
    QPainterPath stitch;
    for (int i = 0; i < 4; ++i) {
        stitch.moveTo(26 + i * 3.3, 27);
        stitch.lineTo(26 + i * 3.3, 29.5);
    }
    stroke(p, rotated(stitch, -8, QPointF(31, 34)), hex("#E9D9B8"), 1.0);
    // Crease lines at the ankle.
    QPainterPath crease;
    crease.moveTo(56, 56);
    crease.quadTo(62, 54, 64, 58);
    crease.moveTo(59, 62);
    crease.quadTo(66, 60, 69, 64);
    stroke(p, crease, dark, 1.4);
    // Sole and heel; the sole gapes open at the toe.
    QPainterPath heel;
    heel.addRoundedRect(QRectF(19, 78, 22, 12), 2, 2);
    fill(p, heel, hex("#2C1A0E"));
    QPainterPath sole;
    sole.moveTo(38, 80);
    sole.lineTo(70, 80);
    sole.cubicTo(84, 82, 94, 90, 99, 88);
    sole.lineTo(99, 92);
    sole.cubicTo(92, 95, 80, 88, 70, 86);
    sole.lineTo(38, 86);
    sole.closeSubpath();
    fill(p, sole, hex("#2C1A0E"));
    // Dark gap of the open toe, and a nail sticking out.
    fill(p, polygon({{70, 80}, {92, 80}, {98, 88}, {84, 84}}), hex("#1A0F08"));
    QPainterPath nail;
    nail.moveTo(80, 80);
    nail.lineTo(81, 86);
    stroke(p, nail, hex("#9AA0A6"), 1.2);
}

ART_ROUTINE(rabbits_foot)
{
    // A furry rabbit's foot on a key chain: ring, links, gold cap, fur.
    const QColor fur = r.color(0, hex("#EDE3D4")), shade = r.color(1, hex("#A08A70"));
    QPainterPath ring;
    ring.addEllipse(QPointF(50, 9), 7, 7);
    stroke(p, ring, hex("#8C939A"), 2.6);
    for (int i = 0; i < 2; ++i) {
        QPainterPath link;
        link.addEllipse(QPointF(50, 19.5 + i * 6.5), 2.6, 4.2);
        stroke(p, link, hex("#8C939A"), 1.8);
    }
    // Fur body: a long hind foot, widening to the paw, which turns forward.
    p.save();
    p.translate(48, 34);
    p.rotate(-10);
    QPainterPath body;
    body.moveTo(-10, 0);
    body.cubicTo(-16, 18, -20, 36, -18, 48);
    body.cubicTo(-16, 60, -4, 64, 10, 62);
    body.cubicTo(24, 60, 30, 52, 24, 44);
    body.cubicTo(18, 38, 14, 20, 10, 0);
    body.closeSubpath();
    // Tufts all round the edge make it furry.
    QPainterPath fluffy = body;
    for (int i = 0; i < 22; ++i) {
        const QPointF a = body.pointAtPercent((i + 0.5) / 22.0);
        fluffy = fluffy.united(circle(a.x(), a.y(), 4.8));
    }
    fluffy = fluffy.simplified();
    fill(p, fluffy, rgrad(QPointF(-2, 30), 42, fur, shade, QPointF(-6, 22)), hex("#7A6A56"), 1.3);
    // Fur strands following the foot, and the divided toes of the paw.
    QPainterPath strands;
    for (int i = 0; i < 5; ++i) {
        const double x = -10 + i * 5;
        strands.moveTo(x, 10 + (i % 2) * 5);
        strands.cubicTo(x - 2, 26, x - 1, 38, x + 3, 48 + (i % 2) * 3);
    }
    strands.moveTo(8, 54);
    strands.quadTo(16, 56, 24, 52);
    strands.moveTo(4, 60);
    strands.quadTo(14, 62, 22, 58);
    stroke(p, strands, shade.darker(118), 1.2);
    // Little claws peeping out of the fur at the paw's tip.
    for (int i = 0; i < 4; ++i) {
        const QPointF base(22 + i * 2.2, 46 + i * 4.2);
        const QPainterPath claw = polygon({base, base + QPointF(9, -1.5), base + QPointF(1, 3)});
        fill(p, claw, hex("#4A3A2E"), hex("#2A1E16"), 0.6);
    }
    // Gold cap.
    QPainterPath cap;
    cap.moveTo(-8, -8);
    cap.lineTo(8, -8);
    cap.lineTo(14, 6);
    cap.cubicTo(6, 9, -6, 9, -14, 6);
    cap.closeSubpath();
    fill(p, cap, hgrad(-14, 14, hex("#F6D66E"), hex("#A67C1E")), hex("#6B4E10"), 1.4);
    QPainterPath band;
    band.moveTo(-12, 2);
    band.cubicTo(-4, 5, 4, 5, 12, 2);
    stroke(p, band, hex("#6B4E10"), 1.2);
    p.restore();
}

ART_ROUTINE(wishbone)
{
    // The forked breastbone of a bird: two arms from a knobbed top.
    QPainterPath bone;
    bone.moveTo(50, 12);
    bone.cubicTo(38, 30, 22, 60, 14, 88);
    bone.moveTo(50, 12);
    bone.cubicTo(62, 30, 78, 60, 86, 88);
    QPainterPathStroker s;
    s.setWidth(11);
    s.setCapStyle(Qt::RoundCap);
    s.setJoinStyle(Qt::RoundJoin);
    QPainterPath shape = s.createStroke(bone);
    shape = shape.united(ellipse(50, 13, 9, 7)).united(ellipse(14, 89, 7, 5.5)).united(ellipse(86, 89, 7, 5.5));
    shape = shape.simplified();
    fill(p, shape, rgrad(QPointF(44, 40), 70, hex("#FFF6E0"), hex("#D9B98A"), QPointF(40, 30)), hex("#7A5A30"), 1.8);
    QPainterPath shine;
    shine.moveTo(46, 20);
    shine.cubicTo(38, 34, 28, 56, 22, 74);
    stroke(p, shine, QColor(255, 255, 255, 200), 2.2);
}
