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
    // A rabbit's foot charm: split key ring, a short chain and a gold cap,
    // then the soft white foot, its paw turned to show the pads of the four
    // toes, with dark claws at the tip. Drawn along a local axis (+y from the
    // cap to the toes), hung at a slant.
    const QColor fur = r.color(0, hex("#FBF8F3")), shade = r.color(1, hex("#B3AAA0"));
    const QColor furEdge = hex("#6E665C"), steelDark = hex("#4E545B");
    const QColor pad = hex("#E3928E"), padEdge = hex("#8E4A46");
    p.save();
    p.translate(49, 37);
    p.rotate(-24);
    p.scale(1.07, 1.07);

    // Key ring: two turns of flat wire, and the chain down to the cap.
    for (double off : {0.0, 2.2}) {
        QPainterPath ring;
        ring.addEllipse(QPointF(off - 1, -28), 10, 10);
        stroke(p, ring, steelDark, 3.6);
        stroke(p, ring, hex("#D5DADF"), 1.5);
    }
    for (int i = 0; i < 2; ++i) {
        QPainterPath link;
        link.addEllipse(QPointF(0, -15.5 + i * 5.5), 2.4, 3.8);
        stroke(p, link, steelDark, 2.2);
        stroke(p, link, hex("#C4C9CF"), 0.9);
    }

    // The foot: slim at the cap, a little fuller towards the paw, which ends
    // in four rounded toes.
    QPainterPath foot;
    foot.moveTo(-8, 2);
    foot.cubicTo(-13, 18, -16, 34, -16, 46);
    foot.lineTo(16, 46);
    foot.cubicTo(16, 34, 13, 18, 8, 2);
    foot.closeSubpath();
    const QPointF toes[] = {{-11.6, 50}, {-4.3, 55.2}, {4.3, 55.2}, {11.6, 50}};
    const double toeR = 5.9;
    for (const QPointF &t : toes)
        foot = foot.united(circle(t.x(), t.y(), toeR));
    // A few flicks of fur standing out from the sides, combed towards the toes.
    for (const QPointF &f : {QPointF(-10.5, 10), QPointF(-13.6, 21), QPointF(-15.6, 32), QPointF(-16, 42),
                             QPointF(10.5, 10), QPointF(13.6, 21), QPointF(15.6, 32), QPointF(16, 42)}) {
        const double s = f.x() < 0 ? -1 : 1;
        foot = foot.united(polygon({f + QPointF(s * -1, -3.5), f + QPointF(s * 3, 3), f + QPointF(s * -1.5, 2)}));
    }
    foot = foot.simplified();
    fill(p, foot, rgrad(QPointF(-4, 26), 34, fur, shade, QPointF(-6, 18)), furEdge, 1.3);
    QPainterPath hair;
    for (const QPointF &m : {QPointF(-6, 12), QPointF(4, 16), QPointF(-9, 26), QPointF(8, 28), QPointF(-2, 22)}) {
        hair.moveTo(m);
        hair.quadTo(m + QPointF(-1.5, 2.5), m + QPointF(-0.5, 5.5));
    }
    stroke(p, hair, shade, 1.1);

    // Claws peeping from between the fur of each toe.
    for (const QPointF &t : toes) {
        const QPointF dir = (t - QPointF(0, 42)) / std::hypot(t.x(), t.y() - 42);
        p.save();
        p.translate(t + dir * (toeR - 1));
        p.rotate(std::atan2(dir.y(), dir.x()) * 180 / M_PI - 90);
        QPainterPath claw;
        claw.moveTo(-2, 0);
        claw.quadTo(-1.2, 5, 1.2, 7);
        claw.quadTo(1.2, 3, 2, 0);
        claw.closeSubpath();
        fill(p, claw, hex("#3A3029"), hex("#1E1814"), 0.6);
        p.restore();
    }
    fill(p, foot, Qt::NoBrush, furEdge, 1.3);
    // The paw's underside: a main pad and a pad on each toe.
    QPainterPath sole;
    sole.moveTo(0, 32);
    sole.cubicTo(7, 32, 11.5, 39, 10.5, 44);
    sole.cubicTo(9.5, 47.5, 3.5, 46.5, 0, 47.5);
    sole.cubicTo(-3.5, 46.5, -9.5, 47.5, -10.5, 44);
    sole.cubicTo(-11.5, 39, -7, 32, 0, 32);
    fill(p, sole, rgrad(QPointF(-2, 39), 10, pad.lighter(112), pad), padEdge, 1.0);
    for (const QPointF &t : toes)
        fill(p, ellipse(t.x() * 1.02, t.y() + 0.9, 3.3, 3.7), rgrad(t, 4, pad.lighter(112), pad), padEdge, 0.9);

    // Gold cap over the top of the fur, with an eyelet for the chain.
    QPainterPath eye;
    eye.addEllipse(QPointF(0, -7), 2.6, 2.6);
    stroke(p, eye, hex("#8A6414"), 2.2);
    QPainterPath cap;
    cap.moveTo(-5.5, -5);
    cap.lineTo(5.5, -5);
    cap.cubicTo(8, -2, 9.5, 2, 10.5, 6);
    cap.cubicTo(4, 8.5, -4, 8.5, -10.5, 6);
    cap.cubicTo(-9.5, 2, -8, -2, -5.5, -5);
    cap.closeSubpath();
    fill(p, cap, hgrad(-11, 11, hex("#FBE38A"), hex("#A67C1E")), hex("#6B4E10"), 1.3);
    QPainterPath ridges;
    ridges.moveTo(-7.5, 0);
    ridges.quadTo(0, 2, 7.5, 0);
    stroke(p, ridges, hex("#6B4E10"), 1.1);
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
