// Japanese symbols: the beckoning cat, the Daruma doll, Tanuki and the lucky
// gods, each shown with the attributes that tell them apart.
#include "art.h"

#include <cmath>

using namespace art;

namespace {
const QColor kInk = hex("#1E1A18");
const QColor kSkin = hex("#F2C79A");
const QColor kSkinEdge = hex("#A8704A");
const QColor kGold = hex("#F2C14E");
const QColor kGoldDark = hex("#946414");
const QColor kRed = hex("#C8302A");

QPainterPath path(std::initializer_list<QPointF> pts)
{
    QPainterPath pp;
    bool first = true;
    for (const QPointF &pt : pts) {
        if (first)
            pp.moveTo(pt);
        else
            pp.lineTo(pt);
        first = false;
    }
    return pp;
}

// A robe from the shoulders down: wide sleeves and hem, crossed collar.
void robe(QPainter &p, double cx, double top, double bottom, double wTop, double wBottom, const QColor &c,
          const QColor &collar)
{
    QPainterPath r;
    r.moveTo(cx - wTop / 2, top + 4);
    r.quadTo(cx, top - 4, cx + wTop / 2, top + 4);
    r.lineTo(cx + wBottom / 2, bottom - 3);
    r.quadTo(cx, bottom + 3, cx - wBottom / 2, bottom - 3);
    r.closeSubpath();
    fill(p, r, hgrad(cx - wBottom / 2, cx + wBottom / 2, c.lighter(118), c.darker(112)), c.darker(170), 1.2);
    QPainterPath v = path({{cx - 7, top + 1}, {cx + 3, top + 16}});
    v.moveTo(cx + 7, top + 1);
    v.lineTo(cx - 1, top + 12);
    stroke(p, v, collar, 3);
}

// A round, smiling face with closed happy eyes.
void jollyFace(QPainter &p, double cx, double cy, double rad, bool bigEars = true)
{
    if (bigEars)
        for (int s : {-1, 1})
            fill(p, ellipse(cx + s * rad * 0.98, cy + rad * 0.15, rad * 0.26, rad * 0.42), kSkin, kSkinEdge, 1);
    fill(p, circle(cx, cy, rad), rgrad(QPointF(cx - rad * 0.3, cy - rad * 0.3), rad * 1.5, kSkin.lighter(106),
                                        hex("#E0A878")),
         kSkinEdge, 1.1);
    QPainterPath eyes;
    for (int s : {-1, 1}) {
        eyes.moveTo(cx + s * rad * 0.52, cy - rad * 0.08);
        eyes.quadTo(cx + s * rad * 0.35, cy - rad * 0.32, cx + s * rad * 0.18, cy - rad * 0.08);
    }
    stroke(p, eyes, kInk, rad * 0.12);
    QPainterPath mouth;
    mouth.moveTo(cx - rad * 0.42, cy + rad * 0.28);
    mouth.quadTo(cx, cy + rad * 0.75, cx + rad * 0.42, cy + rad * 0.28);
    mouth.closeSubpath();
    fill(p, mouth, hex("#A8302A"), kInk, rad * 0.07);
    for (int s : {-1, 1})
        fill(p, circle(cx + s * rad * 0.6, cy + rad * 0.28, rad * 0.15), QColor(230, 110, 100, 110));
}

// An old man's face with a long white beard.
void oldFace(QPainter &p, double cx, double cy, double rad, double beardLen)
{
    QPainterPath beard;
    beard.moveTo(cx - rad * 0.85, cy + rad * 0.1);
    beard.cubicTo(cx - rad * 0.8, cy + beardLen * 0.7, cx - rad * 0.2, cy + beardLen, cx, cy + beardLen);
    beard.cubicTo(cx + rad * 0.2, cy + beardLen, cx + rad * 0.8, cy + beardLen * 0.7, cx + rad * 0.85, cy + rad * 0.1);
    beard.closeSubpath();
    fill(p, circle(cx, cy, rad), rgrad(QPointF(cx - rad * 0.3, cy - rad * 0.3), rad * 1.5, kSkin, hex("#E0A878")),
         kSkinEdge, 1.0);
    fill(p, beard, vgrad(cy, cy + beardLen, Qt::white, hex("#D8D8DC")), hex("#8A8A90"), 1.0);
    QPainterPath brows;
    for (int s : {-1, 1}) {
        brows.moveTo(cx + s * rad * 0.15, cy - rad * 0.3);
        brows.quadTo(cx + s * rad * 0.45, cy - rad * 0.5, cx + s * rad * 0.75, cy - rad * 0.15);
    }
    stroke(p, brows, Qt::white, rad * 0.18);
    QPainterPath eyes;
    for (int s : {-1, 1}) {
        eyes.moveTo(cx + s * rad * 0.55, cy - rad * 0.05);
        eyes.quadTo(cx + s * rad * 0.38, cy - rad * 0.22, cx + s * rad * 0.2, cy - rad * 0.05);
    }
    stroke(p, eyes, kInk, rad * 0.1);
    fill(p, ellipse(cx, cy + rad * 0.22, rad * 0.14, rad * 0.1), hex("#E09A78"));
    QPainterPath mouth;
    mouth.moveTo(cx - rad * 0.25, cy + rad * 0.45);
    mouth.quadTo(cx, cy + rad * 0.65, cx + rad * 0.25, cy + rad * 0.45);
    stroke(p, mouth, hex("#8A3A2A"), rad * 0.09);
}

void riceBale(QPainter &p, double x, double y, double w, double h)
{
    QPainterPath bale;
    bale.addRoundedRect(QRectF(x - w / 2, y - h / 2, w, h), h * 0.45, h * 0.45);
    fill(p, bale, vgrad(y - h / 2, y + h / 2, hex("#F0D890"), hex("#B8943A")), hex("#7A5A1A"), 1.1);
    QPainterPath ropes;
    for (double t : {0.25, 0.5, 0.75}) {
        ropes.moveTo(x - w / 2 + w * t, y - h / 2);
        ropes.lineTo(x - w / 2 + w * t, y + h / 2);
    }
    stroke(p, ropes, hex("#7A3A1A"), 1.8);
    fill(p, ellipse(x + w / 2 - h * 0.2, y, h * 0.2, h * 0.42), hex("#E8CC78"), hex("#7A5A1A"), 0.8);
}

void seaBream(QPainter &p, double x, double y, double len, double angle)
{
    p.save();
    p.translate(x, y);
    p.rotate(angle);
    const double h = len * 0.5;
    QPainterPath tail = polygon({{-len * 0.42, 0}, {-len * 0.62, -h * 0.45}, {-len * 0.56, 0}, {-len * 0.62, h * 0.45}});
    fill(p, tail, hex("#E0483A"), hex("#7A1A12"), 1);
    QPainterPath body;
    body.moveTo(len * 0.5, 0);
    body.cubicTo(len * 0.3, -h * 0.75, -len * 0.25, -h * 0.6, -len * 0.46, 0);
    body.cubicTo(-len * 0.25, h * 0.5, len * 0.3, h * 0.6, len * 0.5, 0);
    fill(p, body, vgrad(-h * 0.6, h * 0.6, hex("#FF6A50"), hex("#F2B8A0")), hex("#7A1A12"), 1.1);
    fill(p, polygon({{-len * 0.1, -h * 0.48}, {len * 0.1, -h * 0.62}, {len * 0.2, -h * 0.45}}), hex("#E0483A"),
         hex("#7A1A12"), 0.8);
    fill(p, circle(len * 0.32, -h * 0.1, len * 0.06), Qt::white, kInk, 0.8);
    fill(p, circle(len * 0.33, -h * 0.1, len * 0.03), kInk);
    QPainterPath gill;
    gill.moveTo(len * 0.2, -h * 0.3);
    gill.quadTo(len * 0.12, 0, len * 0.2, h * 0.3);
    stroke(p, gill, hex("#7A1A12"), 1);
    p.restore();
}
}  // namespace

ART_ROUTINE(beckoning_cat)
{
    const QColor white = hex("#FFFDF8"), edge = hex("#6A5A50"), patch = hex("#E8892A");
    // Body.
    QPainterPath body = ellipse(50, 74, 28, 24);
    fill(p, body, rgrad(QPointF(46, 68), 30, white, hex("#E6E0D8")), edge, 1.4);
    // Koban coin held against the body.
    QPainterPath koban = ellipse(60, 78, 11, 15);
    fill(p, koban, rgrad(QPointF(57, 74), 16, hex("#FFF0A0"), hex("#D9A020")), kGoldDark, 1.2);
    QPainterPath lines;
    for (int i = -1; i <= 1; ++i) {
        lines.moveTo(54, 78 + i * 6);
        lines.lineTo(66, 78 + i * 6);
    }
    stroke(p, lines, kGoldDark, 0.9);
    // Paw holding the coin.
    fill(p, ellipse(50, 80, 7, 6), white, edge, 1.2);
    // Raised beckoning paw.
    QPainterPath arm;
    arm.moveTo(28, 66);
    arm.cubicTo(18, 58, 16, 44, 20, 32);
    stroke(p, arm, edge, 13);
    stroke(p, arm, white, 10.5);
    fill(p, ellipse(20, 28, 8, 8), white, edge, 1.3);
    QPainterPath toes;
    toes.moveTo(17, 22);
    toes.lineTo(17, 26);
    toes.moveTo(23, 22);
    toes.lineTo(23, 26);
    stroke(p, toes, edge, 1.2);
    // Head with ears.
    for (int s : {-1, 1}) {
        const QPainterPath ear = polygon({{50 + s * 8, 22}, {50 + s * 25, 8}, {50 + s * 26, 32}});
        fill(p, ear, s < 0 ? white : patch, edge, 1.3);
        fill(p, polygon({{50 + s * 13, 22}, {50 + s * 23, 13}, {50 + s * 23, 28}}), hex("#F2A0A8"));
    }
    QPainterPath head = ellipse(50, 36, 27, 22);
    fill(p, head, rgrad(QPointF(45, 30), 30, white, hex("#EAE4DC")), edge, 1.4);
    // Orange patch over one eye.
    p.save();
    p.setClipPath(head);
    fill(p, ellipse(70, 24, 14, 12), patch);
    p.restore();
    fill(p, head, Qt::NoBrush, edge, 1.4);
    // Happy closed eyes, nose, mouth, whiskers.
    QPainterPath face;
    for (int s : {-1, 1}) {
        face.moveTo(50 + s * 15, 36);
        face.quadTo(50 + s * 10, 30, 50 + s * 5, 36);
    }
    stroke(p, face, kInk, 2.2);
    fill(p, ellipse(50, 40, 2.6, 1.8), hex("#E0606A"));
    QPainterPath mouth;
    mouth.moveTo(45, 43);
    mouth.quadTo(47.5, 46, 50, 42);
    mouth.quadTo(52.5, 46, 55, 43);
    stroke(p, mouth, kInk, 1.2);
    QPainterPath whiskers;
    for (int s : {-1, 1})
        for (int i = 0; i < 2; ++i) {
            whiskers.moveTo(50 + s * 12, 40 + i * 4);
            whiskers.lineTo(50 + s * 26, 38 + i * 6);
        }
    stroke(p, whiskers, QColor(60, 50, 45, 180), 0.9);
    // Red collar with a gold bell.
    QPainterPath collar;
    collar.moveTo(30, 54);
    collar.quadTo(50, 62, 70, 54);
    stroke(p, collar, kRed, 4.5);
    fill(p, circle(50, 62, 5), rgrad(QPointF(48.5, 60.5), 6, hex("#FFF0A0"), hex("#D9A020")), kGoldDark, 1);
    QPainterPath slot;
    slot.moveTo(50, 63);
    slot.lineTo(50, 67);
    stroke(p, slot, kGoldDark, 1);
}

ART_ROUTINE(benten)
{
    // The goddess of music playing her biwa lute.
    // Robe.
    robe(p, 50, 46, 98, 40, 66, hex("#D8566A"), hex("#F2E6C8"));
    QPainterPath sash;
    sash.moveTo(20, 70);
    sash.cubicTo(40, 60, 60, 90, 84, 66);
    stroke(p, sash, hex("#4AA88A"), 3);
    // Hair: black with a high topknot and a gold crown.
    fill(p, ellipse(50, 26, 16, 17), kInk);
    fill(p, ellipse(50, 8, 8, 6), kInk);
    QPainterPath crown = polygon({{38, 16}, {44, 8}, {50, 14}, {56, 8}, {62, 16}});
    fill(p, crown, kGold, kGoldDark, 1);
    fill(p, ellipse(50, 30, 11, 13), rgrad(QPointF(47, 27), 16, hex("#FFF0E0"), hex("#F0C8A8")), kSkinEdge, 1);
    QPainterPath eyes;
    eyes.moveTo(42, 29);
    eyes.quadTo(45, 27, 47.5, 29);
    eyes.moveTo(52.5, 29);
    eyes.quadTo(55, 27, 58, 29);
    stroke(p, eyes, kInk, 1.4);
    fill(p, ellipse(50, 37, 2.4, 1.4), hex("#C8302A"));
    // The biwa: pear-shaped body across the lap, neck bent back at the top.
    p.save();
    p.translate(46, 70);
    p.rotate(-40);
    QPainterPath neck;
    neck.addRect(QRectF(-3, -46, 6, 30));
    fill(p, neck, hex("#6A3A18"), hex("#3A1A08"), 1);
    QPainterPath peg = polygon({{-4, -46}, {4, -46}, {7, -56}, {-1, -57}});
    fill(p, peg, hex("#4A2A10"), hex("#3A1A08"), 1);
    QPainterPath lute;
    lute.moveTo(0, -22);
    lute.cubicTo(16, -18, 18, 20, 0, 22);
    lute.cubicTo(-18, 20, -16, -18, 0, -22);
    fill(p, lute, rgrad(QPointF(-4, -2), 24, hex("#D89A50"), hex("#8A4A18")), hex("#3A1A08"), 1.2);
    QPainterPath strings;
    for (int i = -1; i <= 2; ++i) {
        strings.moveTo(i * 1.6 - 0.8, -50);
        strings.lineTo(i * 1.6 - 0.8, 14);
    }
    stroke(p, strings, hex("#F4EAD0"), 0.7);
    fill(p, ellipse(-7, 0, 1.5, 4), hex("#3A1A08"));
    fill(p, ellipse(7, 0, 1.5, 4), hex("#3A1A08"));
    QPainterPath bridge;
    bridge.addRect(QRectF(-7, 12, 14, 2.4));
    fill(p, bridge, hex("#3A1A08"));
    p.restore();
    // Hands: one on the neck, one with the plectrum.
    fill(p, ellipse(28, 52, 4.5, 3.5), hex("#F6D8BC"), kSkinEdge, 0.8);
    fill(p, ellipse(56, 72, 4.5, 3.5), hex("#F6D8BC"), kSkinEdge, 0.8);
    fill(p, polygon({{58, 70}, {68, 66}, {64, 76}}), hex("#F2E6C8"), kInk, 0.8);
}

ART_ROUTINE(bishamon)
{
    // The warrior god in armour with a halberd and a small pagoda held high.
    // Halberd.
    QPainterPath shaft = path({{18, 98}, {18, 14}});
    stroke(p, shaft, hex("#6A3A18"), 3);
    QPainterPath blade = polygon({{18, 2}, {22, 14}, {14, 14}});
    fill(p, blade, hex("#D8DCE2"), hex("#4A5058"), 1);
    QPainterPath prongs = path({{10, 8}, {10, 18}, {26, 18}, {26, 8}});
    stroke(p, prongs, hex("#9AA0A8"), 2.2);
    fill(p, circle(18, 22, 2.6), kRed);
    // Pagoda in the raised hand.
    auto storey = [&](double y, double w) {
        QPainterPath roof = polygon({{80 - w / 2, y}, {80, y - 5}, {80 + w / 2, y}});
        fill(p, roof, hex("#3A6A9A"), kInk, 0.8);
        QPainterPath wall;
        wall.addRect(QRectF(80 - w * 0.3, y, w * 0.6, 4));
        fill(p, wall, kGold, kGoldDark, 0.6);
    };
    storey(30, 22);
    storey(22, 18);
    storey(14, 14);
    QPainterPath spire = path({{80, 9}, {80, 2}});
    stroke(p, spire, kGold, 1.6);
    // Armoured body.
    QPainterPath legs;
    legs.addRect(QRectF(36, 78, 10, 20));
    legs.addRect(QRectF(54, 78, 10, 20));
    fill(p, legs, hex("#2E5A3A"), kInk, 1);
    QPainterPath skirt = polygon({{32, 62}, {68, 62}, {72, 84}, {28, 84}});
    fill(p, skirt, vgrad(62, 84, hex("#E0B040"), hex("#9A6A14")), kInk, 1.2);
    QPainterPath plates;
    for (int i = 1; i < 4; ++i) {
        plates.moveTo(31 + i * 0.4, 62 + i * 5.5);
        plates.lineTo(69 - i * 0.4 + i * 0.8, 62 + i * 5.5);
    }
    stroke(p, plates, hex("#6A4A0A"), 1);
    QPainterPath chest;
    chest.addRoundedRect(QRectF(32, 40, 36, 24), 6, 6);
    fill(p, chest, vgrad(40, 64, hex("#4A8A5A"), hex("#1E4A2E")), kInk, 1.2);
    fill(p, circle(50, 52, 5), kGold, kGoldDark, 1);
    // Shoulder guards.
    for (int s : {-1, 1})
        fill(p, ellipse(50 + s * 19, 43, 9, 6), vgrad(37, 49, hex("#E0B040"), hex("#9A6A14")), kInk, 1);
    // Arms: one to the halberd, one raised to the pagoda.
    QPainterPath armL = path({{31, 46}, {22, 56}, {19, 48}});
    stroke(p, armL, hex("#1E4A2E"), 6);
    fill(p, circle(19, 48, 3.5), kSkin, kSkinEdge, 0.8);
    QPainterPath armR = path({{69, 44}, {78, 40}, {80, 34}});
    stroke(p, armR, hex("#1E4A2E"), 6);
    fill(p, circle(80, 34, 3.5), kSkin, kSkinEdge, 0.8);
    // Fierce face with a helmet.
    fill(p, circle(50, 30, 10), rgrad(QPointF(47, 27), 13, kSkin, hex("#D89868")), kSkinEdge, 1);
    QPainterPath brows = path({{42, 26}, {48, 28}});
    brows.moveTo(58, 26);
    brows.lineTo(52, 28);
    stroke(p, brows, kInk, 2);
    fill(p, circle(45.5, 30.5, 1.4), kInk);
    fill(p, circle(54.5, 30.5, 1.4), kInk);
    QPainterPath mouth = path({{46, 36}, {54, 36}});
    stroke(p, mouth, kInk, 1.6);
    QPainterPath helmet;
    helmet.moveTo(38, 26);
    helmet.cubicTo(38, 12, 62, 12, 62, 26);
    helmet.lineTo(58, 24);
    helmet.cubicTo(56, 18, 44, 18, 42, 24);
    helmet.closeSubpath();
    fill(p, helmet, hex("#D8A830"), kGoldDark, 1);
    QPainterPath flame = polygon({{50, 4}, {54, 14}, {50, 12}, {46, 14}});
    fill(p, flame, hex("#E8502A"), hex("#8A1A0A"), 0.8);
}

ART_ROUTINE(daikokuten)
{
    // The god of wealth: round cap, mallet raised, big sack, standing on two
    // rice bales.
    riceBale(p, 30, 88, 36, 16);
    riceBale(p, 68, 88, 36, 16);
    // Sack over the shoulder.
    fill(p, ellipse(74, 40, 18, 16), rgrad(QPointF(70, 36), 20, hex("#F4F0E6"), hex("#C8C0B0")), hex("#7A7060"),
         1.2);
    QPainterPath tie = path({{62, 30}, {66, 36}});
    stroke(p, tie, kRed, 2.4);
    // Robe.
    robe(p, 48, 50, 82, 34, 50, hex("#3A5AA8"), hex("#F2E6C8"));
    QPainterPath belly = ellipse(48, 70, 14, 10);
    fill(p, belly, hex("#5A7AC8"), hex("#223A78"), 1);
    // Mallet raised in the right hand.
    p.save();
    p.translate(22, 40);
    p.rotate(-30);
    QPainterPath handle;
    handle.addRoundedRect(QRectF(-2, -4, 4, 26), 2, 2);
    fill(p, handle, hex("#8A4A18"), hex("#3A1A08"), 0.8);
    QPainterPath headM;
    headM.addRoundedRect(QRectF(-12, -16, 24, 13), 4, 4);
    fill(p, headM, vgrad(-16, -3, hex("#FFE27A"), hex("#C8901A")), kGoldDark, 1.2);
    QPainterPath bands = path({{-6, -16}, {-6, -3}});
    bands.moveTo(6, -16);
    bands.lineTo(6, -3);
    stroke(p, bands, kRed, 1.6);
    p.restore();
    fill(p, circle(26, 58, 4), kSkin, kSkinEdge, 0.8);
    QPainterPath arm = path({{34, 54}, {26, 58}});
    stroke(p, arm, hex("#3A5AA8"), 6);
    // Head: jolly face under a soft round black cap.
    jollyFace(p, 48, 36, 12);
    QPainterPath cap;
    cap.moveTo(34, 32);
    cap.cubicTo(32, 14, 64, 12, 62, 32);
    cap.cubicTo(56, 26, 40, 26, 34, 32);
    fill(p, cap, vgrad(16, 32, hex("#3A3A3A"), kInk), kInk, 1);
}

ART_ROUTINE(daruma)
{
    // The round red Daruma doll: white face with fierce brows and beard,
    // gold markings on the body.
    QPainterPath doll;
    doll.moveTo(50, 4);
    doll.cubicTo(80, 4, 94, 36, 92, 62);
    doll.cubicTo(90, 88, 72, 98, 50, 98);
    doll.cubicTo(28, 98, 10, 88, 8, 62);
    doll.cubicTo(6, 36, 20, 4, 50, 4);
    fill(p, doll, rgrad(QPointF(40, 34), 70, hex("#F04A3A"), hex("#A0140E"), QPointF(36, 26)), hex("#5A0A06"), 1.6);
    // Face.
    QPainterPath face = ellipse(50, 40, 27, 22);
    fill(p, face, rgrad(QPointF(46, 36), 30, hex("#FFFDF6"), hex("#F0E4D0")), hex("#5A0A06"), 1.2);
    // Thick brows like cranes, beard like a tortoise.
    QPainterPath brows;
    for (int s : {-1, 1}) {
        brows.moveTo(50 + s * 4, 27);
        brows.cubicTo(50 + s * 10, 20, 50 + s * 20, 22, 50 + s * 24, 30);
    }
    stroke(p, brows, kInk, 4);
    // One eye painted in, the other blank.
    fill(p, circle(40, 38, 7), Qt::white, kInk, 1.6);
    fill(p, circle(40, 38, 4), kInk);
    fill(p, circle(60, 38, 7), Qt::white, kInk, 1.6);
    QPainterPath beard;
    beard.moveTo(30, 50);
    beard.cubicTo(36, 48, 42, 52, 50, 50);
    beard.cubicTo(58, 52, 64, 48, 70, 50);
    beard.cubicTo(66, 60, 58, 62, 50, 62);
    beard.cubicTo(42, 62, 34, 60, 30, 50);
    fill(p, beard, kInk);
    fill(p, ellipse(50, 47, 3, 2.2), hex("#E07A6A"));
    // Gold markings on the belly.
    QPainterPath swirl;
    swirl.moveTo(30, 76);
    swirl.cubicTo(38, 70, 44, 82, 50, 76);
    swirl.cubicTo(56, 70, 62, 82, 70, 76);
    stroke(p, swirl, kGold, 3);
    QPainterPath swirl2;
    swirl2.moveTo(36, 86);
    swirl2.cubicTo(42, 82, 46, 90, 50, 86);
    swirl2.cubicTo(54, 82, 58, 90, 64, 86);
    stroke(p, swirl2, kGold, 2.2);
}

ART_ROUTINE(ebisu)
{
    // The fisherman god: tall black cap, rod over the shoulder, and a big red
    // sea bream under his arm.
    // Fishing rod and line.
    QPainterPath rod;
    rod.moveTo(30, 80);
    rod.quadTo(50, 30, 96, 6);
    stroke(p, rod, hex("#8A5A20"), 2.4);
    QPainterPath line = path({{96, 6}, {96, 34}});
    stroke(p, line, hex("#6A6A6A"), 0.8);
    // Robe.
    robe(p, 44, 52, 98, 36, 58, hex("#2E8A5A"), hex("#F2E6C8"));
    QPainterPath hakama = polygon({{24, 82}, {64, 82}, {70, 98}, {18, 98}});
    fill(p, hakama, hex("#6A3A8A"), hex("#3A1A5A"), 1);
    // Head and cap.
    jollyFace(p, 44, 38, 13);
    QPainterPath eboshi;
    eboshi.moveTo(33, 30);
    eboshi.cubicTo(32, 16, 40, 6, 52, 2);
    eboshi.cubicTo(56, 10, 57, 20, 55, 30);
    eboshi.cubicTo(48, 26, 40, 26, 33, 30);
    fill(p, eboshi, vgrad(2, 30, hex("#3A3A3A"), kInk), kInk, 1);
    // The sea bream, big and bright.
    seaBream(p, 62, 68, 46, -18);
    fill(p, circle(40, 74, 4), kSkin, kSkinEdge, 0.8);
    fill(p, circle(48, 64, 4), kSkin, kSkinEdge, 0.8);
}

ART_ROUTINE(fukurokuju)
{
    // The god of wisdom and long life: a very tall bald head, white beard,
    // and his crane.
    robe(p, 40, 62, 98, 32, 50, hex("#8A4AA8"), hex("#F2E6C8"));
    // Tall domed forehead.
    QPainterPath head;
    head.moveTo(28, 56);
    head.cubicTo(22, 30, 28, 4, 40, 4);
    head.cubicTo(52, 4, 58, 30, 52, 56);
    head.closeSubpath();
    fill(p, head, rgrad(QPointF(34, 22), 40, hex("#FFE0C0"), hex("#E0A878"), QPointF(32, 16)), kSkinEdge, 1.2);
    QPainterPath wrinkles;
    for (int i = 0; i < 3; ++i) {
        wrinkles.moveTo(32, 24 + i * 5);
        wrinkles.quadTo(40, 22 + i * 5, 48, 24 + i * 5);
    }
    stroke(p, wrinkles, QColor(168, 112, 74, 140), 1);
    oldFace(p, 40, 50, 10, 28);
    // Crane standing beside him.
    QPainterPath legs = path({{78, 72}, {80, 98}});
    legs.moveTo(82, 72);
    legs.lineTo(86, 98);
    stroke(p, legs, hex("#4A4A4A"), 1.6);
    QPainterPath body;
    body.moveTo(64, 62);
    body.cubicTo(70, 52, 90, 52, 94, 62);
    body.cubicTo(92, 72, 74, 76, 64, 62);
    fill(p, body, Qt::white, hex("#6A6E74"), 1);
    fill(p, polygon({{64, 62}, {58, 72}, {70, 68}}), kInk);
    QPainterPath neck;
    neck.moveTo(90, 58);
    neck.cubicTo(96, 48, 88, 40, 92, 30);
    stroke(p, neck, kInk, 3.6);
    fill(p, circle(92, 28, 3.4), kInk);
    fill(p, circle(92, 25.5, 1.8), hex("#E0201E"));
    fill(p, polygon({{89, 28}, {78, 32}, {89, 30.5}}), hex("#C9B07A"));
    // Staff.
    QPainterPath staff = path({{18, 98}, {20, 44}});
    stroke(p, staff, hex("#8A5A20"), 2.6);
    fill(p, circle(22, 64, 3.6), kSkin, kSkinEdge, 0.8);
}

ART_ROUTINE(jurojin)
{
    // The old god of longevity: scholar's cap, long beard, a staff with a
    // scroll tied to it, and a deer at his side.
    // Deer.
    const QColor deer = hex("#B87838"), deerDark = hex("#5A3410");
    QPainterPath dlegs;
    for (double x : {70.0, 76.0, 88.0, 94.0}) {
        dlegs.moveTo(x, 74);
        dlegs.lineTo(x, 98);
    }
    stroke(p, dlegs, deerDark, 2.4);
    fill(p, ellipse(82, 70, 15, 9), deer, deerDark, 1);
    for (const QPointF &s : {QPointF(76, 68), QPointF(84, 66), QPointF(90, 71)})
        fill(p, circle(s.x(), s.y(), 1.5), hex("#F4E6C8"));
    QPainterPath dneck = path({{70, 66}, {66, 50}});
    stroke(p, dneck, deer, 6);
    fill(p, ellipse(64, 48, 6, 4.5), deer, deerDark, 1);
    fill(p, circle(63, 47, 1), kInk);
    QPainterPath antlers;
    antlers.moveTo(66, 44);
    antlers.lineTo(70, 32);
    antlers.lineTo(76, 28);
    antlers.moveTo(70, 36);
    antlers.lineTo(66, 28);
    antlers.moveTo(63, 44);
    antlers.lineTo(60, 34);
    antlers.lineTo(56, 30);
    stroke(p, antlers, deerDark, 1.8);
    // Robe.
    robe(p, 40, 46, 98, 32, 52, hex("#C8502A"), hex("#F2E6C8"));
    // Staff with scroll.
    QPainterPath staff = path({{16, 98}, {16, 10}});
    stroke(p, staff, hex("#7A4A18"), 3);
    QPainterPath scroll;
    scroll.addRoundedRect(QRectF(8, 10, 16, 20), 2, 2);
    fill(p, scroll, vgrad(10, 30, hex("#FFF6DC"), hex("#E8D8A8")), hex("#7A6A3A"), 1);
    QPainterPath rods;
    rods.addRoundedRect(QRectF(6, 8, 20, 3.5), 1.5, 1.5);
    rods.addRoundedRect(QRectF(6, 28.5, 20, 3.5), 1.5, 1.5);
    fill(p, rods, hex("#8A1A1A"));
    QPainterPath writing;
    for (int i = 0; i < 3; ++i) {
        writing.moveTo(12 + i * 4, 14);
        writing.lineTo(12 + i * 4, 26);
    }
    stroke(p, writing, QColor(60, 40, 20, 150), 1);
    fill(p, circle(18, 52, 4), kSkin, kSkinEdge, 0.8);
    QPainterPath arm = path({{28, 54}, {19, 52}});
    stroke(p, arm, hex("#C8502A"), 6);
    // Head with beard and a tall scholar's cap.
    oldFace(p, 40, 30, 11, 30);
    QPainterPath cap;
    cap.moveTo(29, 26);
    cap.lineTo(31, 6);
    cap.lineTo(49, 6);
    cap.lineTo(51, 26);
    cap.cubicTo(44, 22, 36, 22, 29, 26);
    fill(p, cap, vgrad(6, 26, hex("#3A3A3A"), kInk), kInk, 1);
}

ART_ROUTINE(laughing_buddha)
{
    // The jolly monk: bald, huge bare belly, arms raised in joy, his sack
    // and beads.
    // Sack behind.
    fill(p, ellipse(80, 74, 16, 18), rgrad(QPointF(76, 70), 20, hex("#F4ECD8"), hex("#C8B890")), hex("#7A6A4A"),
         1.2);
    // Robe draped on the shoulders and legs.
    QPainterPath robeL = polygon({{18, 56}, {34, 44}, {40, 96}, {14, 96}});
    QPainterPath robeR = polygon({{82, 56}, {66, 44}, {60, 96}, {86, 96}});
    fill(p, robeL, vgrad(44, 96, hex("#F0A030"), hex("#C06A10")), hex("#7A4008"), 1.2);
    fill(p, robeR, vgrad(44, 96, hex("#F0A030"), hex("#C06A10")), hex("#7A4008"), 1.2);
    // Raised arms.
    for (int s : {-1, 1}) {
        QPainterPath arm = path({{50 + s * 18, 50}, {50 + s * 32, 34}, {50 + s * 36, 16}});
        stroke(p, arm, kSkinEdge, 10);
        stroke(p, arm, kSkin, 8);
        fill(p, circle(50 + s * 36, 14, 5.5), kSkin, kSkinEdge, 1);
    }
    // Big round belly.
    fill(p, ellipse(50, 70, 24, 24), rgrad(QPointF(44, 62), 30, hex("#FFE4C8"), hex("#E8A878"), QPointF(42, 58)),
         kSkinEdge, 1.2);
    fill(p, circle(50, 74, 1.8), kSkinEdge);
    // Beads around the neck.
    for (int i = 0; i < 9; ++i) {
        const double a = M_PI * (0.15 + 0.7 * i / 8.0);
        fill(p, circle(50 + 15 * std::cos(a), 42 + 9 * std::sin(a), 2.2), hex("#7A2A1A"));
    }
    // Bald head with a huge laugh.
    jollyFace(p, 50, 32, 15);
    QPainterPath laugh;
    laugh.moveTo(42, 37);
    laugh.quadTo(50, 48, 58, 37);
    laugh.closeSubpath();
    fill(p, laugh, hex("#8A2A22"), kInk, 1);
    fill(p, ellipse(50, 42.5, 4, 2), hex("#E86A6A"));
}

ART_ROUTINE(tanuki)
{
    // The tanuki statue: straw hat, sake flask, big belly, bushy tail.
    const QColor fur = hex("#9A6A3A"), furDark = hex("#4A2E14"), furLight = hex("#E8D0A8");
    // Tail.
    QPainterPath tail;
    tail.moveTo(70, 86);
    tail.cubicTo(92, 84, 98, 64, 88, 58);
    tail.cubicTo(82, 70, 74, 76, 66, 78);
    fill(p, tail, fur, furDark, 1.2);
    QPainterPath stripes;
    stripes.moveTo(88, 62);
    stripes.lineTo(82, 66);
    stripes.moveTo(90, 72);
    stripes.lineTo(82, 74);
    stroke(p, stripes, furDark, 2);
    // Body and big belly.
    fill(p, ellipse(48, 72, 26, 24), rgrad(QPointF(44, 66), 30, fur.lighter(115), fur.darker(110)), furDark, 1.4);
    fill(p, ellipse(48, 76, 17, 16), rgrad(QPointF(44, 72), 20, hex("#FFF0D8"), furLight), furDark, 1);
    // Feet.
    fill(p, ellipse(34, 96, 9, 4), fur.darker(120), furDark, 1);
    fill(p, ellipse(62, 96, 9, 4), fur.darker(120), furDark, 1);
    // Sake flask in one hand.
    QPainterPath flask;
    flask.moveTo(14, 88);
    flask.cubicTo(8, 86, 8, 70, 14, 66);
    flask.lineTo(15, 58);
    flask.lineTo(19, 58);
    flask.lineTo(20, 66);
    flask.cubicTo(26, 70, 26, 86, 20, 88);
    flask.closeSubpath();
    fill(p, flask, hgrad(8, 26, hex("#E8D8B8"), hex("#A89070")), hex("#5A4A30"), 1);
    QPainterPath label;
    label.addRect(QRectF(12.5, 72, 9, 9));
    fill(p, label, hex("#F8F0E0"), hex("#5A4A30"), 0.6);
    QPainterPath arm = path({{28, 66}, {20, 70}});
    stroke(p, arm, fur.darker(110), 7);
    // Head with the dark eye mask.
    for (int s : {-1, 1})
        fill(p, circle(48 + s * 14, 30, 5), fur, furDark, 1);
    fill(p, ellipse(48, 40, 18, 15), rgrad(QPointF(44, 36), 20, fur.lighter(120), fur), furDark, 1.2);
    fill(p, ellipse(48, 46, 9, 7), furLight);
    for (int s : {-1, 1}) {
        fill(p, ellipse(48 + s * 8, 38, 6, 4.5), furDark);
        fill(p, circle(48 + s * 7.5, 37.5, 2.4), Qt::white);
        fill(p, circle(48 + s * 7.5, 37.5, 1.3), kInk);
    }
    fill(p, ellipse(48, 44, 3, 2.2), kInk);
    QPainterPath mouth;
    mouth.moveTo(44, 48);
    mouth.quadTo(48, 51, 52, 48);
    stroke(p, mouth, furDark, 1.2);
    // Straw hat, tilted back.
    p.save();
    p.translate(48, 22);
    p.rotate(-8);
    QPainterPath hat;
    hat.moveTo(-28, 4);
    hat.cubicTo(-18, -14, 18, -14, 28, 4);
    hat.cubicTo(14, 0, -14, 0, -28, 4);
    fill(p, hat, vgrad(-12, 4, hex("#F0D890"), hex("#B8903A")), hex("#6A4A1A"), 1.2);
    QPainterPath weave;
    for (int i = -2; i <= 2; ++i) {
        weave.moveTo(i * 4, -9);
        weave.lineTo(i * 10, 2);
    }
    stroke(p, weave, hex("#8A6A2A"), 0.9);
    p.restore();
}
