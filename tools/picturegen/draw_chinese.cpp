// Chinese symbols: imperial red, gold and jade green on an ivory field.
#include "art.h"

#include <cmath>

using namespace art;

namespace {
const QColor kRed = hex("#C8102E");
const QColor kGold = hex("#F2C14E");
const QColor kGoldDark = hex("#9A6B12");
const QColor kInk = hex("#1E1A16");

// Boat-shaped gold ingot centred at (x, y), width w.
void ingot(QPainter &p, double x, double y, double w)
{
    const double h = w * 0.55;
    QPainterPath boat;
    boat.moveTo(x - w / 2, y - h * 0.45);
    boat.cubicTo(x - w * 0.3, y - h * 0.1, x + w * 0.3, y - h * 0.1, x + w / 2, y - h * 0.45);
    boat.cubicTo(x + w * 0.45, y + h * 0.1, x + w * 0.3, y + h * 0.45, x, y + h * 0.45);
    boat.cubicTo(x - w * 0.3, y + h * 0.45, x - w * 0.45, y + h * 0.1, x - w / 2, y - h * 0.45);
    fill(p, boat, rgrad(QPointF(x - w * 0.15, y - h * 0.1), w * 0.7, hex("#FFE68A"), hex("#C48A12")), kGoldDark,
         1.2);
    fill(p, ellipse(x, y - h * 0.28, w * 0.2, h * 0.32), rgrad(QPointF(x - w * 0.06, y - h * 0.4), w * 0.25,
                                                               hex("#FFF4C0"), hex("#D9A024")),
         kGoldDark, 1.0);
}

void coin(QPainter &p, double x, double y, double rad)
{
    QPainterPath c = circle(x, y, rad);
    QPainterPath hole;
    hole.addRect(QRectF(x - rad * 0.3, y - rad * 0.3, rad * 0.6, rad * 0.6));
    fill(p, c.subtracted(hole), rgrad(QPointF(x - rad / 3, y - rad / 3), rad * 1.5, hex("#FFE07A"), hex("#B8860B")),
         kGoldDark, 1.0);
    QPainterPath rim;
    rim.addEllipse(QPointF(x, y), rad * 0.78, rad * 0.78);
    stroke(p, rim, kGoldDark, 0.7);
}

QPainterPath petal(double len, double width)
{
    QPainterPath pp;
    pp.moveTo(0, 0);
    pp.cubicTo(width, -len * 0.3, width * 0.8, -len * 0.9, 0, -len);
    pp.cubicTo(-width * 0.8, -len * 0.9, -width, -len * 0.3, 0, 0);
    return pp;
}

void plumBlossom(QPainter &p, double x, double y, double rad)
{
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * M_PI / 5 - M_PI / 2;
        fill(p, circle(x + rad * 0.6 * std::cos(a), y + rad * 0.6 * std::sin(a), rad * 0.55), hex("#F7B7C8"),
             hex("#C0587A"), 0.6);
    }
    fill(p, circle(x, y, rad * 0.3), hex("#F2C14E"));
}
}  // namespace

ART_ROUTINE(bamboo)
{
    // Three bamboo canes with nodes and sprays of narrow leaves.
    const double xs[3] = {30, 50, 70};
    const double tops[3] = {14, 4, 20};
    for (int i = 0; i < 3; ++i) {
        const double x = xs[i];
        for (double y = 100; y > tops[i]; y -= 20) {
            const double y0 = std::max(tops[i], y - 19);
            QPainterPath seg;
            seg.addRoundedRect(QRectF(x - 5.5, y0, 11, y - y0 - 1.2), 3, 3);
            fill(p, seg, hgrad(x - 6, x + 6, hex("#9ED36A"), hex("#3F8A2A")), hex("#2C5E1A"), 1.0);
            QPainterPath node;
            node.addRoundedRect(QRectF(x - 6.5, y - 2.2, 13, 2.4), 1.2, 1.2);
            fill(p, node, hex("#2F6A20"));
        }
    }
    auto leaf = [&](QPointF at, double angle, double len) {
        p.save();
        p.translate(at);
        p.rotate(angle);
        fill(p, petal(len, len * 0.17), vgrad(-len, 0, hex("#4FA83A"), hex("#1F5E1A")), hex("#1B4A14"), 0.8);
        p.restore();
    };
    leaf({30, 40}, -70, 26);
    leaf({30, 40}, -40, 22);
    leaf({50, 30}, 60, 28);
    leaf({50, 30}, 90, 22);
    leaf({70, 52}, 70, 26);
    leaf({70, 52}, 40, 22);
    leaf({50, 62}, -60, 24);
}

ART_ROUTINE(crane)
{
    // A red-crowned crane standing in profile, one leg raised.
    const QColor black = hex("#1C1C1C");
    // Legs.
    QPainterPath legs;
    legs.moveTo(48, 70);
    legs.lineTo(52, 98);
    legs.moveTo(53, 70);
    legs.lineTo(60, 80);
    legs.lineTo(52, 84);
    stroke(p, legs, hex("#4A4A4A"), 2.2);
    QPainterPath foot;
    foot.moveTo(44, 98);
    foot.lineTo(60, 98);
    stroke(p, foot, hex("#4A4A4A"), 2);
    // Body with black tail plumes, drawn large around its middle.
    QTransform big;
    big.translate(46, 56);
    big.scale(1.3, 1.3);
    big.translate(-46, -56);
    QPainterPath tail;
    tail.moveTo(28, 54);
    tail.cubicTo(18, 60, 14, 72, 16, 80);
    tail.cubicTo(24, 74, 30, 70, 36, 66);
    tail.closeSubpath();
    fill(p, big.map(tail), black);
    QPainterPath body;
    body.moveTo(24, 52);
    body.cubicTo(30, 38, 56, 36, 66, 46);
    body.cubicTo(70, 56, 62, 68, 48, 68);
    body.cubicTo(36, 68, 26, 62, 24, 52);
    fill(p, big.map(body), vgrad(34, 72, Qt::white, hex("#DADCE0")), hex("#6A6E74"), 1.2);
    // Neck and head.
    QPainterPath neck;
    neck.moveTo(62, 44);
    neck.cubicTo(70, 34, 64, 22, 68, 12);
    stroke(p, neck, black, 7.5);
    fill(p, ellipse(70, 11, 6, 5), black);
    fill(p, ellipse(70, 7.2, 3.6, 2.6), hex("#E0201E"));
    fill(p, polygon({{74, 9}, {94, 14}, {74, 14}}), hex("#C9B07A"), hex("#6A5A30"), 0.8);
    fill(p, circle(71, 11, 1.1), Qt::white);
    // Folded wing feathers.
    QPainterPath wing;
    wing.moveTo(34, 48);
    wing.cubicTo(44, 44, 56, 46, 62, 52);
    wing.moveTo(34, 54);
    wing.cubicTo(44, 52, 54, 54, 60, 58);
    stroke(p, big.map(wing), hex("#9A9EA4"), 1.2);
}

ART_ROUTINE(fu_sign)
{
    // The character for good fortune on a red diamond with a gold border.
    QPainterPath diamond = polygon({{50, 2}, {98, 50}, {50, 98}, {2, 50}});
    fill(p, diamond, rgrad(QPointF(50, 45), 60, hex("#E8323C"), hex("#A50D1E")), kGold, 3);
    QPainterPath inner = polygon({{50, 9}, {91, 50}, {50, 91}, {9, 50}});
    stroke(p, inner, kGold, 1.2);
    drawGlyph(p, QStringLiteral("cjk"), QStringLiteral("福"), QRectF(27, 27, 46, 46),
              vgrad(27, 73, hex("#FFE38A"), hex("#E0A526")), QPen(hex("#7A4A00"), 0.8));
}

ART_ROUTINE(goldfish)
{
    // A round orange goldfish with a flowing double tail.
    const QColor orange = hex("#F26B1D"), light = hex("#FFB347"), edge = hex("#9A3A0A");
    QPainterPath tail;
    tail.moveTo(34, 50);
    tail.cubicTo(20, 30, 6, 22, 2, 26);
    tail.cubicTo(8, 38, 10, 46, 14, 50);
    tail.cubicTo(10, 56, 6, 68, 4, 78);
    tail.cubicTo(10, 80, 22, 70, 34, 54);
    tail.closeSubpath();
    fill(p, tail, hgrad(2, 34, QColor(255, 200, 120, 230), orange), edge, 1.2);
    QPainterPath rays;
    for (int i = 0; i < 4; ++i) {
        rays.moveTo(32, 51);
        rays.lineTo(6 + i * 2, 30 + i * 14);
    }
    stroke(p, rays, QColor(154, 58, 10, 120), 0.9);
    // Fins.
    fill(p, polygon({{50, 34}, {58, 16}, {70, 30}}), orange, edge, 1.2);
    fill(p, polygon({{52, 66}, {48, 80}, {62, 70}}), orange, edge, 1.2);
    // Body.
    QPainterPath body;
    body.moveTo(30, 52);
    body.cubicTo(36, 26, 80, 22, 88, 48);
    body.cubicTo(88, 64, 70, 76, 54, 74);
    body.cubicTo(42, 72, 32, 64, 30, 52);
    fill(p, body, rgrad(QPointF(64, 44), 34, light, orange), edge, 1.4);
    // Scales.
    QPainterPath scales;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const double x = 46 + col * 8 + row * 2, y = 42 + row * 8;
            scales.moveTo(x, y - 3);
            scales.quadTo(x + 4, y, x, y + 3);
        }
    stroke(p, scales, QColor(154, 58, 10, 140), 1.0);
    // Eye, mouth, gill.
    fill(p, circle(77, 44, 5), Qt::white, edge, 1);
    fill(p, circle(78, 44, 2.8), kInk);
    QPainterPath gill;
    gill.moveTo(68, 36);
    gill.quadTo(64, 48, 68, 60);
    stroke(p, gill, edge, 1.2);
    // Bubbles.
    for (const auto &[x, y, rr] : {std::tuple{92.0, 30.0, 3.0}, {86.0, 18.0, 4.0}, {93.0, 8.0, 2.4}}) {
        QPainterPath b = circle(x, y, rr);
        stroke(p, b, hex("#4A90C0"), 1.2);
    }
}

ART_ROUTINE(gold_ingots)
{
    // A heap of boat-shaped gold ingots on a red cloth.
    QPainterPath cloth;
    cloth.addEllipse(QPointF(50, 80), 46, 14);
    fill(p, cloth, rgrad(QPointF(50, 78), 46, hex("#E0303A"), hex("#8A0A16")));
    ingot(p, 28, 72, 40);
    ingot(p, 72, 72, 40);
    ingot(p, 50, 76, 42);
    ingot(p, 50, 46, 52);
    // Sparkles.
    for (const QPointF &s : {QPointF(18, 26), QPointF(84, 30), QPointF(76, 12)}) {
        QPainterPath st;
        st.moveTo(s.x(), s.y() - 6);
        st.lineTo(s.x(), s.y() + 6);
        st.moveTo(s.x() - 6, s.y());
        st.lineTo(s.x() + 6, s.y());
        stroke(p, st, hex("#E0A526"), 1.6);
    }
}

ART_ROUTINE(jade)
{
    // A carved jade disc on a red cord with a tassel.
    QPainterPath cord;
    cord.moveTo(50, 0);
    cord.lineTo(50, 16);
    stroke(p, cord, kRed, 2.4);
    QPainterPath knot;
    knot.addRoundedRect(QRectF(45, 10, 10, 8), 2, 2);
    fill(p, knot, kRed, hex("#7A0A14"), 0.8);
    QPainterPath disc = circle(50, 50, 34).subtracted(circle(50, 50, 11));
    fill(p, disc, rgrad(QPointF(40, 38), 46, hex("#9BE3B4"), hex("#1E7A4A"), QPointF(36, 34)), hex("#145A34"), 1.4);
    // Carved grain pattern on the disc.
    p.save();
    p.setClipPath(disc);
    for (int ring = 0; ring < 2; ++ring) {
        const double rad = 18 + ring * 9;
        for (int i = 0; i < 14 + ring * 6; ++i) {
            const double a = i * 2 * M_PI / (14 + ring * 6) + ring * 0.2;
            QPainterPath curl;
            curl.addEllipse(QPointF(50 + rad * std::cos(a), 50 + rad * std::sin(a)), 2.2, 2.2);
            stroke(p, curl, QColor(20, 90, 52, 150), 1.0);
        }
    }
    p.restore();
    QPainterPath shine;
    shine.moveTo(28, 40);
    shine.cubicTo(30, 30, 38, 22, 46, 20);
    stroke(p, shine, QColor(255, 255, 255, 170), 2.6);
    // Tassel below.
    QPainterPath cord2;
    cord2.moveTo(50, 84);
    cord2.lineTo(50, 88);
    stroke(p, cord2, kRed, 2.4);
    fill(p, circle(50, 88, 2.6), kGold, kGoldDark, 0.8);
    QPainterPath tassel = polygon({{47, 90}, {53, 90}, {57, 100}, {43, 100}});
    fill(p, tassel, kRed);
}

ART_ROUTINE(magpie)
{
    // A black-and-white magpie on a blossoming plum branch.
    QPainterPath branch;
    branch.moveTo(2, 86);
    branch.cubicTo(30, 76, 60, 78, 98, 62);
    branch.moveTo(62, 76);
    branch.lineTo(84, 90);
    stroke(p, branch, hex("#4A2E1A"), 4);
    plumBlossom(p, 16, 80, 6);
    plumBlossom(p, 90, 64, 6);
    plumBlossom(p, 82, 88, 5);
    // Long tail.
    QPainterPath tail = polygon({{30, 58}, {4, 40}, {2, 46}, {26, 66}});
    fill(p, tail, vgrad(40, 66, hex("#2A3A6A"), hex("#101820")), kInk, 1);
    // Body: black back, white belly.
    QPainterPath body;
    body.moveTo(26, 60);
    body.cubicTo(34, 40, 58, 30, 70, 36);
    body.cubicTo(76, 48, 68, 70, 50, 74);
    body.cubicTo(40, 74, 30, 70, 26, 60);
    fill(p, body, hex("#15181E"), kInk, 1);
    QPainterPath belly;
    belly.moveTo(46, 72);
    belly.cubicTo(62, 70, 70, 56, 68, 46);
    belly.cubicTo(60, 56, 52, 62, 44, 64);
    belly.closeSubpath();
    fill(p, belly, Qt::white);
    // White shoulder patch.
    fill(p, ellipse(44, 50, 10, 5), Qt::white);
    QPainterPath wingTip;
    wingTip.moveTo(34, 56);
    wingTip.cubicTo(40, 60, 50, 60, 56, 56);
    stroke(p, wingTip, hex("#2E4A80"), 2.2);
    // Head and beak.
    fill(p, circle(72, 32, 10), hex("#15181E"));
    fill(p, polygon({{80, 28}, {94, 32}, {80, 35}}), kInk);
    fill(p, circle(75, 30, 2.4), Qt::white);
    fill(p, circle(75.5, 30, 1.3), kInk);
    // Feet on the branch.
    QPainterPath feet;
    feet.moveTo(50, 72);
    feet.lineTo(50, 79);
    feet.moveTo(56, 71);
    feet.lineTo(57, 78);
    stroke(p, feet, kInk, 1.8);
}

ART_ROUTINE(orchid)
{
    // Orchid flowers above long arching leaves.
    QPainterPath leaves;
    leaves.moveTo(50, 98);
    leaves.cubicTo(30, 80, 14, 70, 4, 72);
    leaves.moveTo(50, 98);
    leaves.cubicTo(60, 76, 80, 66, 96, 72);
    leaves.moveTo(50, 98);
    leaves.cubicTo(42, 80, 30, 60, 22, 56);
    stroke(p, leaves, hex("#2F7A2A"), 4.5);
    QPainterPath stem;
    stem.moveTo(52, 98);
    stem.cubicTo(58, 70, 66, 50, 60, 30);
    stroke(p, stem, hex("#3F8A2A"), 2);
    auto flower = [&](double x, double y, double s) {
        const QColor petalC = hex("#D46FC0"), petalD = hex("#8E2A88");
        p.save();
        p.translate(x, y);
        p.scale(s, s);
        for (int i = 0; i < 3; ++i) {  // sepals
            p.save();
            p.rotate(i * 120);
            fill(p, petal(17, 6), vgrad(-17, 0, hex("#F6C6EE"), petalC), petalD, 0.8);
            p.restore();
        }
        for (int side : {-1, 1}) {  // petals
            p.save();
            p.rotate(side * 62);
            fill(p, petal(14, 8), vgrad(-14, 0, hex("#FBE0F6"), petalC), petalD, 0.8);
            p.restore();
        }
        // Lip.
        QPainterPath lip;
        lip.moveTo(-6, 3);
        lip.cubicTo(-8, 14, 8, 14, 6, 3);
        lip.closeSubpath();
        fill(p, lip, hex("#A01E7A"), petalD, 0.8);
        fill(p, circle(0, 1, 2.4), hex("#F6D04A"));
        p.restore();
    };
    flower(42, 34, 1.15);
    flower(70, 22, 0.9);
    flower(70, 52, 0.8);
}

ART_ROUTINE(phoenix)
{
    // The fenghuang: crested head, raised wings, long streaming tail plumes.
    const QColor red = hex("#D62828"), orange = hex("#F77F00"), gold = hex("#FCBF49"), green = hex("#2A9D8F");
    // Tail plumes sweeping down to the right.
    const QColor plumeColors[] = {green, red, orange, gold};
    for (int i = 0; i < 4; ++i) {
        QPainterPath pl;
        pl.moveTo(44, 56);
        pl.cubicTo(56, 70 + i * 4, 74, 66 + i * 8, 96, 58 + i * 10);
        stroke(p, pl, plumeColors[i], 4.2);
        fill(p, circle(96, 58 + i * 10, 4.2), plumeColors[i], kInk, 0.8);
        fill(p, circle(96, 58 + i * 10, 1.8), hex("#1E3A8A"));
    }
    // Raised wing.
    QPainterPath wingPath;
    wingPath.moveTo(40, 48);
    wingPath.cubicTo(44, 30, 62, 14, 86, 8);
    wingPath.cubicTo(80, 16, 82, 20, 74, 24);
    wingPath.cubicTo(78, 28, 74, 32, 66, 34);
    wingPath.cubicTo(68, 40, 60, 44, 52, 52);
    wingPath.closeSubpath();
    fill(p, wingPath, hgrad(40, 86, red, gold), hex("#7A1010"), 1.2);
    QPainterPath feathers;
    feathers.moveTo(50, 40);
    feathers.lineTo(74, 22);
    feathers.moveTo(48, 46);
    feathers.lineTo(66, 34);
    stroke(p, feathers, hex("#7A1010"), 1.0);
    // Body and neck.
    QPainterPath body;
    body.moveTo(20, 30);
    body.cubicTo(26, 40, 28, 52, 36, 60);
    body.cubicTo(44, 66, 56, 60, 52, 50);
    body.cubicTo(46, 44, 34, 40, 28, 26);
    body.closeSubpath();
    fill(p, body, vgrad(26, 64, orange, red), hex("#7A1010"), 1.2);
    // Head with crest and beak.
    fill(p, circle(24, 24, 7), red, hex("#7A1010"), 1.2);
    fill(p, polygon({{17, 22}, {6, 27}, {18, 27}}), gold, hex("#7A5A10"), 0.8);
    fill(p, circle(23, 22, 1.5), kInk);
    QPainterPath crest;
    crest.moveTo(26, 18);
    crest.quadTo(30, 6, 38, 6);
    crest.moveTo(28, 19);
    crest.quadTo(36, 12, 42, 14);
    stroke(p, crest, gold, 2.2);
    fill(p, circle(38, 6, 2.2), green);
    fill(p, circle(42, 14, 2.2), green);
    // Wattle.
    fill(p, ellipse(22, 32, 2.5, 4), gold);
}

ART_ROUTINE(money_toad)
{
    // The three-legged toad sitting on coins, a coin in its mouth.
    coin(p, 26, 90, 10);
    coin(p, 50, 92, 10);
    coin(p, 74, 90, 10);
    const QColor green = hex("#4E8F3A"), light = hex("#A9D37A"), edge = hex("#23461A");
    // Front legs.
    for (int s : {-1, 1}) {
        QPainterPath leg;
        leg.moveTo(50 + s * 22, 64);
        leg.cubicTo(50 + s * 34, 70, 50 + s * 34, 80, 50 + s * 28, 84);
        stroke(p, leg, edge, 9);
        stroke(p, leg, green, 6.5);
        for (int t = -1; t <= 1; ++t)
            fill(p, circle(50 + s * 28 + t * 3.5, 85, 2.4), green, edge, 0.8);
    }
    // Body.
    QPainterPath body = ellipse(50, 58, 32, 26);
    fill(p, body, rgrad(QPointF(46, 50), 34, light, green), edge, 1.6);
    // The single back leg at the rear, tucked under the middle.
    QPainterPath back;
    back.addEllipse(QPointF(50, 82), 9, 5);
    fill(p, back, green, edge, 1.2);
    // Warts and gold markings.
    for (const QPointF &w : {QPointF(30, 52), QPointF(70, 52), QPointF(36, 66), QPointF(64, 66), QPointF(50, 40),
                             QPointF(42, 74), QPointF(58, 74)})
        fill(p, circle(w.x(), w.y(), 2.6), kGold, kGoldDark, 0.6);
    // Eyes on top of the head.
    for (int s : {-1, 1}) {
        fill(p, circle(50 + s * 15, 34, 8), light, edge, 1.4);
        fill(p, circle(50 + s * 15, 34, 4.5), hex("#F2C14E"));
        fill(p, ellipse(50 + s * 15, 34, 1.6, 3.6), kInk);
    }
    // Wide mouth holding a coin.
    QPainterPath mouth;
    mouth.moveTo(30, 50);
    mouth.quadTo(50, 60, 70, 50);
    stroke(p, mouth, edge, 2);
    coin(p, 50, 56, 9);
}

ART_ROUTINE(wealth_ship)
{
    // A junk with red battened sails, loaded with gold ingots, on waves.
    QPainterPath sea;
    sea.moveTo(0, 84);
    for (int i = 0; i < 5; ++i)
        sea.quadTo(10 + i * 20, 78, 20 + i * 20, 84);
    sea.lineTo(100, 100);
    sea.lineTo(0, 100);
    sea.closeSubpath();
    fill(p, sea, vgrad(78, 100, hex("#4A9AD0"), hex("#1A5A8A")));
    // Cargo of ingots on deck.
    ingot(p, 36, 60, 20);
    ingot(p, 52, 58, 22);
    ingot(p, 66, 61, 18);
    // Hull with raised stern and bow.
    QPainterPath hull;
    hull.moveTo(4, 56);
    hull.lineTo(20, 64);
    hull.lineTo(80, 64);
    hull.lineTo(96, 54);
    hull.cubicTo(90, 76, 80, 84, 70, 86);
    hull.lineTo(28, 86);
    hull.cubicTo(16, 82, 8, 70, 4, 56);
    fill(p, hull, vgrad(54, 86, hex("#A0522D"), hex("#5A2A10")), hex("#3A1A08"), 1.4);
    QPainterPath trim;
    trim.moveTo(8, 66);
    trim.cubicTo(30, 72, 70, 72, 92, 64);
    stroke(p, trim, kGold, 2);
    // Masts and battened sails.
    auto sail = [&](double x, double top, double w, double h) {
        QPainterPath mast;
        mast.moveTo(x, 64);
        mast.lineTo(x, top - 4);
        stroke(p, mast, hex("#3A1A08"), 2);
        QPainterPath s;
        s.moveTo(x - w * 0.35, top);
        s.lineTo(x + w * 0.55, top + 2);
        s.cubicTo(x + w * 0.75, top + h * 0.5, x + w * 0.7, top + h * 0.8, x + w * 0.6, top + h);
        s.lineTo(x - w * 0.4, top + h);
        s.closeSubpath();
        fill(p, s, vgrad(top, top + h, hex("#E8403A"), hex("#A81E18")), hex("#6A0E0A"), 1.2);
        p.save();
        p.setClipPath(s);
        QPainterPath battens;
        for (int i = 1; i < 5; ++i) {
            battens.moveTo(x - w, top + h * i / 5.0);
            battens.lineTo(x + w, top + h * i / 5.0 - 2);
        }
        stroke(p, battens, hex("#6A0E0A"), 1.2);
        p.restore();
    };
    sail(34, 14, 30, 36);
    sail(62, 6, 34, 44);
    // Pennant.
    fill(p, polygon({{62, 2}, {74, 5}, {62, 8}}), kGold);
}

ART_ROUTINE(yin_yang)
{
    QPainterPath whole = circle(50, 50, 44);
    QPainterPath dark;
    dark.moveTo(50, 6);
    dark.arcTo(QRectF(6, 6, 88, 88), 90, -180);
    dark.arcTo(QRectF(28, 50, 44, 44), 270, -180);
    dark.arcTo(QRectF(28, 6, 44, 44), 270, 180);
    dark.closeSubpath();
    fill(p, whole, Qt::white);
    fill(p, dark, kInk);
    fill(p, circle(50, 28, 7), kInk);
    fill(p, circle(50, 72, 7), Qt::white);
    QPainterPath ring;
    ring.addEllipse(QPointF(50, 50), 45, 45);
    stroke(p, ring, kRed, 3);
}
