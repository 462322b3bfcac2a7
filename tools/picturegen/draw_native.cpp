// Native American symbols: bold pictographs in earth colours on buckskin.
#include "art.h"

#include <cmath>

using namespace art;

namespace {

const QColor kRed = hex("#B23A22");
const QColor kDarkRed = hex("#7D2613");
const QColor kTurquoise = hex("#1E9488");
const QColor kBrown = hex("#4A2A16");
const QColor kWood = hex("#9A6234");
const QColor kOchre = hex("#DB9B27");
const QColor kBlue = hex("#2F74B5");

// An arrow along the x axis from x = 0 (nock) to x = len (point).
void arrow(QPainter &p, double len, const QColor &shaft, const QColor &head, const QColor &feather)
{
    // Fletching: two feathers on each side of the shaft's end.
    for (int side : {-1, 1}) {
        QPainterPath f;
        f.moveTo(2, 0);
        f.lineTo(-2, side * 7.5);
        f.lineTo(16, side * 7.5);
        f.lineTo(22, 0);
        f.closeSubpath();
        fill(p, f, feather, kBrown, 1.2);
        QPainterPath stripe;
        stripe.moveTo(7, side * 1.2);
        stripe.lineTo(5, side * 6.5);
        stroke(p, stripe, kBrown, 1.6);
    }
    // Shaft with a binding near the head.
    QPainterPath s;
    s.addRoundedRect(QRectF(0, -2.4, len - 12, 4.8), 2.4, 2.4);
    fill(p, s, shaft, kBrown, 1.0);
    QPainterPath wrap;
    wrap.addRect(QRectF(len - 20, -2.3, 4, 4.6));
    fill(p, wrap, kRed);
    // Stone point.
    fill(p, polygon({{len - 14, -6}, {len, 0}, {len - 14, 6}, {len - 11.5, 0}}), head, kBrown, 1.2);
}

QPainterPath feather(double len, double width)
{
    // Feather pointing up along -y, quill at (0,0).
    QPainterPath f;
    f.moveTo(0, -6);
    f.cubicTo(width, -len * 0.3, width * 0.9, -len * 0.85, 0, -len);
    f.cubicTo(-width * 0.9, -len * 0.85, -width, -len * 0.3, 0, -6);
    return f;
}

void drawFeather(QPainter &p, double len, double width, const QColor &body, const QColor &tip)
{
    const QPainterPath f = feather(len, width);
    fill(p, f, body, kBrown, 1.2);
    p.save();
    p.setClipPath(f);
    QPainterPath dark;
    dark.addRect(QRectF(-width, -len - 1, 2 * width, len * 0.28));
    fill(p, dark, tip);
    // Notches in the vane.
    for (double y : {0.45, 0.62}) {
        QPainterPath n;
        n.moveTo(width * 0.9, -len * y);
        n.lineTo(0, -len * y - 3);
        stroke(p, n, kBrown, 1.3);
    }
    p.restore();
    fill(p, f, Qt::NoBrush, kBrown, 1.2);
    QPainterPath quill;
    quill.moveTo(0, 6);
    quill.lineTo(0, -len + 4);
    stroke(p, quill, kBrown, 1.6);
}

QPainterPath cloudPath(double cx, double cy, double w)
{
    const double k = w / 80;
    QPainterPath c = ellipse(cx - 22 * k, cy + 4 * k, 17 * k, 14 * k)
                         .united(ellipse(cx, cy - 6 * k, 22 * k, 20 * k))
                         .united(ellipse(cx + 22 * k, cy + 2 * k, 18 * k, 16 * k));
    QPainterPath base;
    base.addRoundedRect(QRectF(cx - 38 * k, cy + 2 * k, 76 * k, 16 * k), 8 * k, 8 * k);
    return c.united(base).simplified();
}

QPainterPath drop(double cx, double cy, double h)
{
    // Tip at the top, round belly below; (cx, cy) is the belly's centre.
    const double r = h * 0.34;
    QPainterPath d;
    d.moveTo(cx, cy - h * 0.66);
    d.cubicTo(cx + r * 0.35, cy - h * 0.4, cx + r, cy - r * 0.8, cx + r, cy);
    d.arcTo(QRectF(cx - r, cy - r, 2 * r, 2 * r), 0, -180);
    d.cubicTo(cx - r, cy - r * 0.8, cx - r * 0.35, cy - h * 0.4, cx, cy - h * 0.66);
    d.closeSubpath();
    return d;
}

}  // namespace

ART_ROUTINE(broken_arrow)
{
    // One arrow snapped in two, the pictograph way: a single level arrow
    // whose halves lie apart, each ending in splinters, with chips of wood
    // flying out of the gap. Drawn heavier than the crossed arrows so that it
    // reads at a glance.
    const double h = 9;                   // shaft thickness
    const QColor heart = hex("#EFD29C");  // pale wood inside the break
    const QLinearGradient wood = vgrad(-h / 2, h / 2, kWood.lighter(128), kWood.darker(118));

    // Feathered half, its broken end tipped up a little.
    p.save();
    p.translate(3, 53);
    p.rotate(-7);
    {
        const double xb = 36;  // where the shaft broke
        for (int side : {-1, 1}) {
            QPainterPath f;
            f.moveTo(4, 0);
            f.lineTo(-3, side * 14);
            f.lineTo(21, side * 14);
            f.lineTo(30, 0);
            f.closeSubpath();
            fill(p, f, side < 0 ? QColor(Qt::white) : hex("#F2E6CC"), kBrown, 1.5);
            QPainterPath stripe;
            for (double x : {10.0, 17.0}) {
                stripe.moveTo(x, side * 2);
                stripe.lineTo(x - 3, side * 12.5);
            }
            stroke(p, stripe, kRed, 2.4);
        }
        QPainterPath s;
        s.moveTo(0, -h / 2);
        s.lineTo(xb, -h / 2);
        s.lineTo(xb + 9, -h / 2 + 1.6);  // long splinter off the top
        s.lineTo(xb + 2.5, -1.4);
        s.lineTo(xb + 6.5, 0.4);          // and one from the middle
        s.lineTo(xb - 0.5, 1.6);
        s.lineTo(xb + 4.5, h / 2 - 0.6);
        s.lineTo(xb - 1.5, h / 2);
        s.lineTo(0, h / 2);
        s.closeSubpath();
        fill(p, s, wood, kBrown, 1.4);
        fill(p, polygon({{xb - 1, -1.6}, {xb + 8, -h / 2 + 1.8}, {xb + 2.5, -0.6}, {xb + 6, 0.4}, {xb - 1, 1.2}}),
             heart);
        QPainterPath crack;
        crack.moveTo(xb + 2, -0.8);
        crack.lineTo(xb - 10, 0);
        stroke(p, crack, kBrown, 1.0);
        QPainterPath nock;
        nock.addRoundedRect(QRectF(-2.5, -h / 2 - 0.6, 4.5, h + 1.2), 1.5, 1.5);
        fill(p, nock, kBrown);
    }
    p.restore();

    // Pointed half, its broken end tipped down a little.
    p.save();
    p.translate(97, 53);
    p.rotate(-7);
    {
        const double xb = -46;
        QPainterPath s;
        s.moveTo(-14, -h / 2);
        s.lineTo(xb, -h / 2);
        s.lineTo(xb - 5, -h / 2 + 1);
        s.lineTo(xb + 1.5, -1.6);
        s.lineTo(xb - 8.5, 0.2);          // long splinter from the middle
        s.lineTo(xb - 1.5, 1.8);
        s.lineTo(xb - 7, h / 2 - 0.8);
        s.lineTo(xb, h / 2);
        s.lineTo(-14, h / 2);
        s.closeSubpath();
        fill(p, s, wood, kBrown, 1.4);
        fill(p, polygon({{xb + 1, -2}, {xb - 5, -h / 2 + 1}, {xb + 1.5, -1.6}, {xb - 8.5, 0.2}, {xb - 1.5, 1.8},
                         {xb + 1, 1.8}}),
             heart);
        QPainterPath crack;
        crack.moveTo(xb - 3, 0.3);
        crack.lineTo(xb + 9, -0.5);
        stroke(p, crack, kBrown, 1.0);
        QPainterPath wrap;
        wrap.addRect(QRectF(-22, -h / 2 - 0.5, 6, h + 1));
        fill(p, wrap, kRed, kBrown, 0.9);
        fill(p, polygon({{-21, -12.5}, {3, 0}, {-21, 12.5}, {-16, 0}}), kTurquoise, kBrown, 1.5);
    }
    p.restore();

    // Chips of wood thrown out of the break.
    const struct {
        double x, y, angle, len;
    } chips[] = {{44, 39, -35, 7}, {51, 66, 25, 6}, {41, 63, 70, 5}, {53, 40, 60, 5}};
    for (const auto &c : chips) {
        p.save();
        p.translate(c.x, c.y);
        p.rotate(c.angle);
        fill(p, polygon({{-c.len / 2, 0}, {0, -1.3}, {c.len / 2, 0}, {0, 1.5}}), heart, kBrown, 0.9);
        p.restore();
    }
}

ART_ROUTINE(crossed_arrows)
{
    // Two whole arrows crossed, points upward.
    for (int i = 0; i < 2; ++i) {
        p.save();
        p.translate(50, 50);
        p.rotate(i == 0 ? -45 : -135);
        p.translate(-49, 0);
        arrow(p, 98, kWood, i == 0 ? kTurquoise : kRed, i == 0 ? Qt::white : hex("#F2D8A0"));
        p.restore();
    }
}

ART_ROUTINE(feathers)
{
    const struct {
        double angle, len, width;
        QColor body, tip;
    } fs[] = {
        {-24, 78, 11, Qt::white, kBrown},
        {24, 78, 11, Qt::white, kBrown},
        {0, 88, 12, hex("#FFFDF6"), kBrown},
    };
    for (const auto &f : fs) {
        p.save();
        p.translate(50, 92);
        p.rotate(f.angle);
        drawFeather(p, f.len, f.width, f.body, f.tip);
        p.restore();
    }
    // Binding with beads where the quills meet.
    QPainterPath wrap;
    wrap.addRoundedRect(QRectF(44, 82, 12, 9), 2, 2);
    fill(p, wrap, kRed, kBrown, 1.2);
    fill(p, circle(50, 95, 3.4), kTurquoise, kBrown, 1.0);
}

ART_ROUTINE(fence)
{
    // A rustic fence of pointed stakes tied to two rails, on a ground line.
    QPainterPath ground;
    ground.addRoundedRect(QRectF(2, 86, 96, 6), 3, 3);
    fill(p, ground, hex("#8A6A3A"));
    const QColor wood = hex("#A8703C"), dark = hex("#5C3718");
    for (double y : {34.0, 62.0}) {
        QPainterPath rail;
        rail.addRoundedRect(QRectF(2, y, 96, 8), 2, 2);
        fill(p, rail, vgrad(y, y + 8, hex("#B98048"), hex("#8E5A2C")), dark, 1.4);
    }
    for (int i = 0; i < 5; ++i) {
        const double x = 8 + i * 19;
        QPainterPath stake = polygon({{x, 20}, {x + 6.5, 10}, {x + 13, 20}, {x + 13, 89}, {x, 89}});
        fill(p, stake, hgrad(x, x + 13, wood.lighter(112), wood.darker(115)), dark, 1.6);
        QPainterPath grain;
        grain.moveTo(x + 5, 30);
        grain.lineTo(x + 5, 48);
        grain.moveTo(x + 8.5, 54);
        grain.lineTo(x + 8.5, 74);
        stroke(p, grain, dark, 1.0);
        // Rope ties where a stake crosses a rail.
        for (double y : {34.0, 62.0}) {
            QPainterPath tie;
            tie.moveTo(x + 1, y + 1);
            tie.lineTo(x + 12, y + 7);
            tie.moveTo(x + 12, y + 1);
            tie.lineTo(x + 1, y + 7);
            stroke(p, tie, kOchre.darker(120), 1.6);
        }
    }
}

ART_ROUTINE(kokopelli)
{
    // The humpbacked flute player, dancing: thick pictograph strokes.
    const QColor c = kRed;
    p.setBrush(Qt::NoBrush);
    auto line = [&](std::initializer_list<QPointF> pts, double w) {
        QPainterPath path;
        bool first = true;
        for (const QPointF &pt : pts) {
            if (first)
                path.moveTo(pt);
            else
                path.lineTo(pt);
            first = false;
        }
        stroke(p, path, c, w);
    };
    // Hump and back: a thick curved body.
    QPainterPath body;
    body.moveTo(44, 34);
    body.cubicTo(30, 38, 28, 56, 40, 62);
    body.cubicTo(46, 64, 50, 60, 50, 56);
    body.lineTo(48, 40);
    body.closeSubpath();
    fill(p, body, c);
    // Head and feathers on the head.
    fill(p, circle(52, 27, 6.5), c);
    line({{50, 21}, {44, 8}}, 3);
    line({{53, 21}, {52, 6}}, 3);
    line({{56, 22}, {62, 9}}, 3);
    // Flute from the mouth down to the right.
    line({{57, 30}, {86, 58}}, 3.6);
    fill(p, circle(87, 59, 3), c);
    // Arms holding the flute.
    line({{47, 38}, {60, 40}, {66, 40}}, 4.5);
    line({{47, 44}, {66, 50}, {74, 47}}, 4.5);
    // Dancing legs.
    line({{43, 60}, {34, 74}, {40, 90}}, 5);
    line({{46, 61}, {60, 72}, {58, 90}}, 5);
    line({{40, 90}, {33, 92}}, 4.5);
    line({{58, 90}, {66, 92}}, 4.5);
    // Beads of sound from the flute's end.
    fill(p, circle(92, 70, 1.8), kTurquoise);
    fill(p, circle(86, 74, 1.8), kTurquoise);
    fill(p, circle(94, 80, 1.8), kTurquoise);
}

ART_ROUTINE(leaf)
{
    // A single broad leaf on its stem, tilted.
    p.save();
    p.translate(50, 52);
    p.rotate(-35);
    QPainterPath l;
    l.moveTo(0, 40);
    l.cubicTo(30, 22, 34, -18, 0, -46);
    l.cubicTo(-34, -18, -30, 22, 0, 40);
    fill(p, l, vgrad(-46, 40, hex("#7DBA3A"), hex("#3E7D22")), hex("#2B5A17"), 1.6);
    QPainterPath vein;
    vein.moveTo(0, 52);
    vein.lineTo(0, -40);
    for (int i = 0; i < 5; ++i) {
        const double y = 28 - i * 15;
        vein.moveTo(0, y);
        vein.quadTo(10, y - 6, 19 - i * 1.5, y - 16);
        vein.moveTo(0, y);
        vein.quadTo(-10, y - 6, -19 + i * 1.5, y - 16);
    }
    stroke(p, vein, hex("#2B5A17"), 1.6);
    p.restore();
}

ART_ROUTINE(mountain)
{
    // Three peaks with snow caps and a rising sun behind.
    fill(p, circle(70, 38, 13), kOchre);
    auto peak = [&](double x0, double x1, double top, double apex, const QColor &col) {
        const QPainterPath m = polygon({{x0, 88}, {apex, top}, {x1, 88}});
        fill(p, m, vgrad(top, 88, col.lighter(115), col.darker(115)), kBrown, 1.4);
        const double h = 88 - top;
        const double t = 0.28;
        const QPointF a(apex + (x0 - apex) * t, top + h * t), b(apex + (x1 - apex) * t, top + h * t);
        QPainterPath snow;
        snow.moveTo(apex, top);
        snow.lineTo(b);
        snow.lineTo((apex + b.x()) / 2 + 1, b.y() - 4);
        snow.lineTo(apex, b.y() + 1);
        snow.lineTo((apex + a.x()) / 2 - 1, a.y() - 4);
        snow.lineTo(a);
        snow.closeSubpath();
        fill(p, snow, Qt::white, kBrown, 1.0);
    };
    peak(46, 100, 34, 74, kTurquoise.darker(110));
    peak(0, 56, 30, 26, kTurquoise.darker(110));
    peak(14, 88, 12, 50, kRed);
    QPainterPath ground;
    ground.addRoundedRect(QRectF(0, 86, 100, 6), 3, 3);
    fill(p, ground, kBrown);
}

ART_ROUTINE(rain_cloud)
{
    // A heavy cloud with straight rain lines falling from it.
    for (int i = 0; i < 6; ++i) {
        QPainterPath l;
        const double x = 22 + i * 11.5;
        l.moveTo(x, 58);
        l.lineTo(x - 4, 92 - (i % 2) * 8);
        stroke(p, l, kBlue, 3.4);
    }
    const QPainterPath c = cloudPath(50, 36, 92);
    fill(p, c, vgrad(10, 60, hex("#F3F1EC"), hex("#8E96A3")), hex("#4A5160"), 1.8);
}

ART_ROUTINE(rain_drop)
{
    // One large water drop with a highlight and a small splash ring.
    QPainterPath ring;
    ring.addEllipse(QPointF(50, 91), 26, 5);
    stroke(p, ring, kBlue.lighter(140), 2);
    const QPainterPath d = drop(50, 58, 88);
    fill(p, d, rgrad(QPointF(42, 56), 40, hex("#8CCBF5"), hex("#1F64B0"), QPointF(40, 50)), hex("#174C86"), 1.8);
    QPainterPath hi;
    hi.moveTo(37, 48);
    hi.quadTo(34, 62, 42, 72);
    stroke(p, hi, QColor(255, 255, 255, 210), 5);
}

ART_ROUTINE(rain)
{
    // Slanting rain falling onto the ground in many short streaks and drops,
    // with puddle ripples: no cloud, no single drop.
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 6 - (row % 2); ++col) {
            const double x = 4 + col * 17 + (row % 2) * 8;
            const double y = 4 + row * 15;
            QPainterPath s;
            s.moveTo(x + 8, y);
            s.lineTo(x, y + 10);
            stroke(p, s, kBlue, 3);
        }
    }
    for (const QPointF &c : {QPointF(26, 90), QPointF(70, 88)}) {
        QPainterPath ripple;
        ripple.addEllipse(c, 16, 4);
        ripple.addEllipse(c, 8, 2);
        stroke(p, ripple, kBlue, 1.8);
    }
}

ART_ROUTINE(sun)
{
    // Sun disc with four groups of four rays, as the pueblo sun sign.
    const QColor ray = kRed;
    for (int g = 0; g < 4; ++g) {
        p.save();
        p.translate(50, 50);
        p.rotate(g * 90);
        for (int i = 0; i < 4; ++i) {
            const double off = -9 + i * 6;
            const double len = (i == 0 || i == 3) ? 40 : 47;
            QPainterPath r;
            r.moveTo(off, -25);
            r.lineTo(off, -len);
            stroke(p, r, ray, 3.4);
        }
        p.restore();
    }
    fill(p, circle(50, 50, 22), rgrad(QPointF(46, 45), 26, hex("#FFE27A"), hex("#F0A21B")), kDarkRed, 2.2);
    // Simple face.
    fill(p, circle(43, 47, 2.4), kBrown);
    fill(p, circle(57, 47, 2.4), kBrown);
    QPainterPath smile;
    smile.moveTo(42, 56);
    smile.quadTo(50, 63, 58, 56);
    stroke(p, smile, kBrown, 2.2);
}

ART_ROUTINE(thunderbird)
{
    // Symmetric thunderbird: spread stepped wings, fan tail, horned head.
    QPainterPath wing;  // right wing; mirrored for the left
    wing.moveTo(54, 34);
    wing.lineTo(99, 14);
    wing.lineTo(99, 30);
    wing.lineTo(91, 30);
    wing.lineTo(91, 40);
    wing.lineTo(82, 40);
    wing.lineTo(82, 50);
    wing.lineTo(72, 50);
    wing.lineTo(72, 58);
    wing.lineTo(56, 64);
    wing.closeSubpath();
    QTransform mirror;
    mirror.translate(100, 0);
    mirror.scale(-1, 1);
    const QPainterPath wings = wing.united(mirror.map(wing));
    fill(p, wings, kBrown);

    // Body, tail and head.
    const QPainterPath body = polygon({{42, 30}, {58, 30}, {61, 66}, {50, 74}, {39, 66}});
    fill(p, body, kRed, kBrown, 1.5);
    const QPainterPath tail = polygon({{42, 70}, {58, 70}, {68, 94}, {32, 94}});
    fill(p, tail, kBrown);
    for (double x : {40.0, 50.0, 60.0}) {
        QPainterPath t;
        t.moveTo(x == 50 ? 50 : (x < 50 ? 45 : 55), 74);
        t.lineTo(x + (x - 50) * 0.3, 92);
        stroke(p, t, kOchre, 2.2);
    }
    QPainterPath head;
    head.addEllipse(QPointF(50, 22), 9, 9);
    fill(p, head, kBrown);
    // Horns and hooked beak.
    QPainterPath horns;
    horns.moveTo(44, 16);
    horns.quadTo(38, 6, 42, 2);
    horns.moveTo(56, 16);
    horns.quadTo(62, 6, 58, 2);
    stroke(p, horns, kBrown, 3.2);
    fill(p, polygon({{46, 25}, {54, 25}, {50, 35}}), kOchre, kBrown, 1.0);
    fill(p, circle(46.5, 20, 1.8), Qt::white);
    fill(p, circle(53.5, 20, 1.8), Qt::white);
    // Zigzag lightning on the wings.
    for (int side : {-1, 1}) {
        QPainterPath z;
        const double s = side;
        z.moveTo(50 + s * 12, 40);
        z.lineTo(50 + s * 20, 32);
        z.lineTo(50 + s * 25, 38);
        z.lineTo(50 + s * 33, 28);
        z.lineTo(50 + s * 38, 33);
        z.lineTo(50 + s * 45, 24);
        stroke(p, z, kTurquoise, 2.6);
    }
    // Chevrons on the body.
    QPainterPath ch;
    ch.moveTo(44, 46);
    ch.lineTo(50, 52);
    ch.lineTo(56, 46);
    ch.moveTo(44, 55);
    ch.lineTo(50, 61);
    ch.lineTo(56, 55);
    stroke(p, ch, kOchre, 2.4);
}
