// Indian symbols: saffron, vermilion and leaf green on a warm cream field.
#include "art.h"

#include <cmath>

using namespace art;

namespace {
const QColor kVermilion = hex("#D8261C");
const QColor kMaroon = hex("#7A1F12");
const QColor kLeafDark = hex("#2F6B1F");

QPainterPath heartLeaf(double len, double width)
{
    // Heart-shaped leaf, base at (0,0), tip at (0,-len).
    QPainterPath l;
    l.moveTo(0, -len * 0.12);
    l.cubicTo(width * 0.5, -len * 0.02 + 4, width * 1.05, -len * 0.2, width * 0.9, -len * 0.45);
    l.cubicTo(width * 0.75, -len * 0.72, width * 0.2, -len * 0.86, 0, -len);
    l.cubicTo(-width * 0.2, -len * 0.86, -width * 0.75, -len * 0.72, -width * 0.9, -len * 0.45);
    l.cubicTo(-width * 1.05, -len * 0.2, -width * 0.5, -len * 0.02 + 4, 0, -len * 0.12);
    l.closeSubpath();
    return l;
}
}  // namespace

ART_ROUTINE(betel_leaf)
{
    // Two glossy heart-shaped betel leaves with veins curving from the stalk.
    auto leaf = [&](double x, double y, double angle, double len, const QColor &light, const QColor &dark) {
        p.save();
        p.translate(x, y);
        p.rotate(angle);
        const QPainterPath l = heartLeaf(len, len * 0.42);
        fill(p, l, rgrad(QPointF(-6, -len * 0.55), len * 0.75, light, dark, QPointF(-10, -len * 0.6)), kLeafDark, 1.6);
        QPainterPath v;
        v.moveTo(0, 8);
        v.lineTo(0, -len * 0.12);
        v.cubicTo(0, -len * 0.5, 0, -len * 0.7, 0, -len * 0.95);
        for (int s : {-1, 1}) {
            v.moveTo(0, -len * 0.12);
            v.cubicTo(s * len * 0.32, -len * 0.22, s * len * 0.3, -len * 0.6, s * 2, -len * 0.9);
            v.moveTo(0, -len * 0.12);
            v.cubicTo(s * len * 0.22, -len * 0.12, s * len * 0.4, -len * 0.3, s * len * 0.34, -len * 0.5);
        }
        stroke(p, v, dark.darker(140), 1.4);
        p.restore();
    };
    leaf(40, 92, -28, 74, hex("#8FCB4F"), hex("#3E8A26"));
    leaf(56, 94, 14, 84, hex("#A3D95E"), hex("#4C9A2E"));
}

ART_ROUTINE(bindi)
{
    // A woman's face framed by dark hair, the red bindi between the brows.
    const QColor skin = hex("#D39A6A"), skinDark = hex("#B5774A"), hair = hex("#1E1410");
    QPainterPath hairBack;
    hairBack.addEllipse(QPointF(50, 52), 40, 46);
    fill(p, hairBack, hair);
    QPainterPath face;
    face.moveTo(50, 96);
    face.cubicTo(28, 94, 20, 70, 20, 50);
    face.cubicTo(20, 26, 32, 14, 50, 14);
    face.cubicTo(68, 14, 80, 26, 80, 50);
    face.cubicTo(80, 70, 72, 94, 50, 96);
    fill(p, face, rgrad(QPointF(50, 48), 46, skin.lighter(108), skinDark), hex("#8A5530"), 1.2);
    // Hair parted in the middle, with a line of sindoor in the parting.
    QPainterPath fringe;
    fringe.moveTo(50, 20);
    fringe.cubicTo(40, 16, 26, 24, 20, 44);
    fringe.lineTo(14, 30);
    fringe.cubicTo(20, 8, 80, 8, 86, 30);
    fringe.lineTo(80, 44);
    fringe.cubicTo(74, 24, 60, 16, 50, 20);
    fill(p, fringe, hair);
    QPainterPath parting;
    parting.moveTo(50, 7);
    parting.lineTo(50, 19);
    stroke(p, parting, kVermilion, 2.4);
    // Brows, eyes, nose, lips.
    QPainterPath brows;
    brows.moveTo(31, 42);
    brows.quadTo(38, 37, 45, 41);
    brows.moveTo(55, 41);
    brows.quadTo(62, 37, 69, 42);
    stroke(p, brows, hair, 2.2);
    for (int s : {-1, 1}) {
        QPainterPath eye;
        const double cx = 50 + s * 12;
        eye.moveTo(cx - 7, 51);
        eye.quadTo(cx, 45, cx + 7, 51);
        eye.quadTo(cx, 55, cx - 7, 51);
        fill(p, eye, Qt::white, hair, 1.4);
        fill(p, circle(cx, 50.5, 2.6), hair);
    }
    QPainterPath nose;
    nose.moveTo(50, 52);
    nose.quadTo(47, 64, 50, 67);
    nose.quadTo(53, 68, 54, 66);
    stroke(p, nose, skinDark.darker(120), 1.3);
    QPainterPath lips;
    lips.moveTo(42, 77);
    lips.quadTo(46, 73, 50, 75);
    lips.quadTo(54, 73, 58, 77);
    lips.quadTo(50, 83, 42, 77);
    fill(p, lips, hex("#B23A3A"));
    // The bindi itself: large and bright.
    fill(p, circle(50, 33, 5.6), rgrad(QPointF(48.5, 31.5), 6, hex("#FF4A3A"), hex("#B00F12")), hex("#7A0A0A"), 0.8);
    fill(p, circle(48.5, 31.5, 1.4), QColor(255, 255, 255, 190));
}

ART_ROUTINE(pyramid)
{
    // A shining pyramid seen from a corner, on a low plinth.
    QPainterPath glow;
    glow.addEllipse(QPointF(50, 50), 46, 46);
    fill(p, glow, rgrad(QPointF(50, 40), 46, QColor(255, 214, 120, 170), QColor(255, 214, 120, 0)));
    const QPointF apex(48, 8), left(6, 78), front(58, 92), right(96, 74);
    fill(p, polygon({apex, left, front}), vgrad(8, 92, hex("#F7D070"), hex("#C98A22")), hex("#7A4E12"), 1.6);
    fill(p, polygon({apex, front, right}), vgrad(8, 92, hex("#C98A22"), hex("#8A5A14")), hex("#7A4E12"), 1.6);
    // Courses of stone.
    QPainterPath courses;
    for (int i = 1; i < 5; ++i) {
        const double t = i / 5.0;
        const QPointF a = apex + (left - apex) * t, b = apex + (front - apex) * t, c = apex + (right - apex) * t;
        courses.moveTo(a);
        courses.lineTo(b);
        courses.lineTo(c);
    }
    stroke(p, courses, QColor(122, 78, 18, 150), 1.0);
}

ART_ROUTINE(rudraksha)
{
    // A mala of wrinkled brown rudraksha beads with the large guru bead and a
    // red tassel.
    const int n = 22;
    const QPointF c(50, 44);
    const double rx = 36, ry = 34;
    auto bead = [&](QPointF at, double rad) {
        fill(p, circle(at.x(), at.y(), rad), rgrad(at - QPointF(rad * 0.35, rad * 0.35), rad * 1.4, hex("#B4703A"),
                                                    hex("#5A2E12")),
             hex("#3A1D0A"), 0.9);
        // Furrows of the seed.
        QPainterPath f;
        for (int k = -1; k <= 1; ++k) {
            f.moveTo(at.x() + k * rad * 0.42, at.y() - rad * 0.8);
            f.quadTo(at.x() + k * rad * 0.6, at.y(), at.x() + k * rad * 0.42, at.y() + rad * 0.8);
        }
        stroke(p, f, hex("#3A1D0A"), 0.8);
    };
    QPainterPath thread;
    thread.addEllipse(c, rx, ry);
    stroke(p, thread, hex("#C0392B"), 1.2);
    for (int i = 0; i < n; ++i) {
        const double a = (i + 0.5) * 2 * M_PI / n + M_PI / 2;
        if (std::abs(std::remainder(a - M_PI / 2, 2 * M_PI)) < 0.2)
            continue;
        bead(QPointF(c.x() + rx * std::cos(a), c.y() + ry * std::sin(a)), 5.6);
    }
    // Tassel below the guru bead.
    QPainterPath tassel = polygon({{46, 84}, {54, 84}, {60, 99}, {40, 99}});
    fill(p, tassel, vgrad(84, 99, hex("#E0402E"), hex("#A81E14")));
    QPainterPath strands;
    for (int i = 0; i < 5; ++i) {
        strands.moveTo(47 + i * 1.5, 86);
        strands.lineTo(42 + i * 4, 98);
    }
    stroke(p, strands, hex("#7A120C"), 0.8);
    fill(p, circle(50, 80, 4), hex("#E0402E"));
    bead(QPointF(50, 76 + 0.0), 8.5);
    // Middle: one large bead to show the furrowed face clearly.
    bead(QPointF(50, 44), 15);
}

ART_ROUTINE(swastika)
{
    // The auspicious Hindu swastika: arms turning clockwise, a dot in each
    // quarter.
    const QColor c = r.color(0, kVermilion);
    const double w = 11, a = 36;  // arm width, half span
    QPainterPath s;
    auto rect = [&](double x, double y, double ww, double hh) { s.addRect(QRectF(x, y, ww, hh)); };
    rect(50 - w / 2, 50 - a, w, 2 * a);  // vertical bar
    rect(50 - a, 50 - w / 2, 2 * a, w);  // horizontal bar
    rect(50 - w / 2, 50 - a, a + w / 2, w);          // top arm bends right
    rect(50 + a - w, 50 - w / 2, w, a + w / 2);      // right arm bends down
    rect(50 - a, 50 + a - w, a + w / 2, w);          // bottom arm bends left
    rect(50 - a, 50 - a, w, a + w / 2);              // left arm bends up
    s.setFillRule(Qt::WindingFill);
    const QPainterPath shape = s.simplified();
    fill(p, shape, vgrad(14, 86, c.lighter(115), c.darker(110)), kMaroon, 1.4);
    for (int qx : {-1, 1})
        for (int qy : {-1, 1})
            fill(p, circle(50 + qx * 19, 50 + qy * 19, 5.2), c, kMaroon, 1.2);
}

ART_ROUTINE(tulsi)
{
    // The holy basil growing from a raised temple planter.
    // Planter.
    QPainterPath base;
    base.addRect(QRectF(26, 88, 48, 8));
    fill(p, base, hex("#B5543A"), kMaroon, 1.2);
    QPainterPath pot;
    pot.moveTo(30, 60);
    pot.lineTo(70, 60);
    pot.lineTo(66, 88);
    pot.lineTo(34, 88);
    pot.closeSubpath();
    fill(p, pot, hgrad(30, 70, hex("#E07B4A"), hex("#A9462A")), kMaroon, 1.4);
    QPainterPath rim;
    rim.addRoundedRect(QRectF(27, 56, 46, 7), 2, 2);
    fill(p, rim, hex("#F0A060"), kMaroon, 1.2);
    // Decoration: a niche with a small flame, and dots.
    QPainterPath niche;
    niche.moveTo(44, 84);
    niche.lineTo(44, 74);
    niche.quadTo(50, 66, 56, 74);
    niche.lineTo(56, 84);
    niche.closeSubpath();
    fill(p, niche, hex("#5A1E10"));
    fill(p, ellipse(50, 78, 2, 3.5), hex("#FFC83A"));
    for (int s : {-1, 1})
        fill(p, circle(50 + s * 12, 72, 2), hex("#FFE2A0"));
    // Stems and leaves.
    const QColor stem = hex("#5A3A5A");
    struct Branch { QPointF from, to; };
    const Branch branches[] = {{{50, 58}, {50, 10}}, {{50, 46}, {30, 20}}, {{50, 44}, {72, 18}},
                               {{50, 52}, {22, 36}}, {{50, 50}, {80, 34}}};
    for (const Branch &b : branches) {
        QPainterPath l;
        l.moveTo(b.from);
        l.lineTo(b.to);
        stroke(p, l, stem, 2);
    }
    auto leafAt = [&](QPointF at, double angle, double size) {
        p.save();
        p.translate(at);
        p.rotate(angle);
        QPainterPath lf;
        lf.moveTo(0, 0);
        lf.cubicTo(size * 0.5, -size * 0.3, size * 0.5, -size * 0.8, 0, -size);
        lf.cubicTo(-size * 0.5, -size * 0.8, -size * 0.5, -size * 0.3, 0, 0);
        fill(p, lf, vgrad(-size, 0, hex("#7CC24A"), hex("#2F7A22")), kLeafDark, 1.0);
        p.restore();
    };
    for (const Branch &b : branches) {
        for (int i = 1; i <= 3; ++i) {
            const double t = 0.28 + i * 0.2;
            const QPointF at = b.from + (b.to - b.from) * t;
            const double dir = std::atan2(b.to.y() - b.from.y(), b.to.x() - b.from.x()) * 180 / M_PI + 90;
            leafAt(at, dir - 55, 11);
            leafAt(at, dir + 55, 11);
        }
        // Purple flower spike at the tip.
        p.save();
        p.translate(b.to);
        p.rotate(std::atan2(b.to.y() - b.from.y(), b.to.x() - b.from.x()) * 180 / M_PI + 90);
        QPainterPath spike;
        spike.addRoundedRect(QRectF(-2.4, -9, 4.8, 11), 2.4, 2.4);
        fill(p, spike, hex("#8E4AA8"), hex("#4E2060"), 0.8);
        p.restore();
    }
}

ART_ROUTINE(wheel)
{
    // The 24-spoked dharma wheel in navy blue.
    const QColor navy = r.color(0, hex("#0A2A8A"));
    QPainterPath rim;
    rim.addEllipse(QPointF(50, 50), 46, 46);
    rim.addEllipse(QPointF(50, 50), 39, 39);
    fill(p, rim, navy);
    QPainterPath spokes;
    for (int i = 0; i < 24; ++i) {
        const double a = i * 2 * M_PI / 24;
        spokes.moveTo(50 + 9 * std::cos(a), 50 + 9 * std::sin(a));
        spokes.lineTo(50 + 40 * std::cos(a), 50 + 40 * std::sin(a));
    }
    stroke(p, spokes, navy, 2.2, Qt::FlatCap);
    // Small knobs between the spokes on the rim.
    for (int i = 0; i < 24; ++i) {
        const double a = (i + 0.5) * 2 * M_PI / 24;
        fill(p, circle(50 + 39 * std::cos(a), 50 + 39 * std::sin(a), 1.8), navy);
    }
    fill(p, circle(50, 50, 10), navy);
    fill(p, circle(50, 50, 4.5), hex("#FFF3D6"));
}
