// Shared types and drawing helpers of the picture generator.
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QJsonObject>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QVector>

#include <functional>
#include <map>

namespace art {

// A font file the generator loads directly, with the Debian package it comes from.
struct FontSource {
    QString key;      // name used by the recipes ("emoji", "cjk", ...)
    QString file;     // absolute path of the font file
    QString package;  // Debian package that installs the file
    QString licence;  // for the README
    QString family;   // filled in after loading
};

// One picture: which symbol, how it is drawn.
struct Recipe {
    QString folder;
    int position = 0;
    QString name;
    QString draw;            // drawing routine, or "glyph" / "emoji"
    QString font;            // font key for glyphs
    QString text;            // glyph text
    QVector<QColor> colors;  // routine-specific palette (may be empty)
    double scale = 1.0;      // size of the symbol relative to the symbol box
    double dx = 0.0;         // offset in symbol-box units (box is 100 x 100)
    double dy = 0.0;
    QJsonObject extra;       // routine-specific settings

    QColor color(int i, const QColor &fallback) const
    {
        return i < colors.size() ? colors[i] : fallback;
    }
};

// Frame and background shared by all pictures of one tradition.
struct Tradition {
    QString folder;
    QString title;
    QColor frame;        // outer frame band
    QColor frameLight;   // highlight of the frame band
    QColor line;         // thin line between frame and field
    QColor field;        // background at the centre
    QColor fieldEdge;    // background towards the frame
    QVector<Recipe> symbols;
};

struct Catalog {
    QVector<FontSource> fonts;
    QVector<Tradition> traditions;
};

// Reads recipes.json; throws std::runtime_error with a readable message.
Catalog loadCatalog(const QString &path);

// Registers every font of the catalog with Qt; throws with the missing
// package's name when a file is absent.
void loadFonts(Catalog &catalog);
const FontSource &font(const QString &key);

// ---- drawing ----------------------------------------------------------

// Size of a picture in logical pixels; drawn at 1x and 2x.
inline constexpr int kPictureSize = 111;

// Background colour outside the rounded frame: the result window's panel.
inline const QColor kPanel(0x80, 0x00, 0x80);

// Drawing routine: the painter is set up so that the symbol box is
// (0,0)-(100,100); the routine draws the symbol into it.
using Routine = std::function<void(QPainter &, const Recipe &)>;
std::map<QString, Routine> &routines();

struct RegisterRoutine {
    RegisterRoutine(const char *name, Routine r) { routines()[QString::fromLatin1(name)] = std::move(r); }
};
#define ART_ROUTINE(name)                                                            \
    static void draw_##name(QPainter &p, const art::Recipe &r);                      \
    static const art::RegisterRoutine reg_##name(#name, draw_##name);                \
    static void draw_##name([[maybe_unused]] QPainter &p, [[maybe_unused]] const art::Recipe &r)

// Renders one picture at the given device scale (1 or 2).
QImage renderPicture(const Tradition &t, const Recipe &r, int scale);

// Draws text of an outline font so that its tight bounding box fills
// `target` (aspect kept, centred), with the given brush and optional outline.
void drawGlyph(QPainter &p, const QString &fontKey, const QString &text, const QRectF &target,
               const QBrush &brush, const QPen &outline = Qt::NoPen);
QPainterPath glyphPath(const QString &fontKey, const QString &text, const QRectF &target);

// Draws a colour emoji so that its visible pixels fill `target` (aspect
// kept, centred). `mirror` flips it horizontally.
void drawEmoji(QPainter &p, const QString &text, const QRectF &target, bool mirror = false);

// Small helpers for the routines.
QColor hex(const char *s);
QPainterPath ellipse(double cx, double cy, double rx, double ry);
QPainterPath circle(double cx, double cy, double r);
QPainterPath polygon(std::initializer_list<QPointF> pts);
QPainterPath rotated(const QPainterPath &path, double degrees, QPointF centre);
void fill(QPainter &p, const QPainterPath &path, const QBrush &brush, const QColor &outline = QColor(),
          double width = 1.5);
QLinearGradient vgrad(double y0, double y1, const QColor &a, const QColor &b);
QLinearGradient hgrad(double x0, double x1, const QColor &a, const QColor &b);
QRadialGradient rgrad(QPointF c, double r, const QColor &a, const QColor &b, QPointF focal = QPointF(-1, -1));
QPen pen(const QColor &c, double w, Qt::PenCapStyle cap = Qt::RoundCap);
void stroke(QPainter &p, const QPainterPath &path, const QColor &c, double w, Qt::PenCapStyle cap = Qt::RoundCap);

// ---- other outputs ------------------------------------------------------

// Icon drawn at any size (square, transparent outside the rounded square).
QImage renderIcon(int size);
// 256-colour palette image of the same picture.
QImage toPalette(const QImage &argb);
// Windows icon file with the given images.
QByteArray makeIco(const QVector<QImage> &images);

// Contact sheet of every picture (2x versions shown at 1x) and the icons.
QImage renderSheet(const Catalog &c, const QHash<QString, QImage> &pictures, const QVector<QImage> &icons);

}  // namespace art
