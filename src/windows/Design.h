#pragma once

#include <QFont>
#include <QHash>
#include <QPalette>
#include <QRect>
#include <QString>
#include <span>

class QAction;
class QLabel;
class QMenuBar;
class QWidget;

// Window designs are written down in twips (15 twips to the pixel at 96 dots
// per inch) as one constant table per window; the same tables build the
// windows and drive the geometry tests.
namespace design {

constexpr int pixels(int twips)
{
    return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15);
}

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

constexpr QRect pixels(const Rect &r)
{
    return QRect(pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height));
}

struct Font {
    int hundredthsOfPoint = 825;
    bool bold = false;
    bool underline = false;
    const char *family = "Verdana";
};

inline constexpr Font kRegular{};
inline constexpr Font kBold{825, true};
inline constexpr Font kLink{825, true, true};

// Sizes are given in points at 96 dots per inch; the font gets the pixel size
// they stand for so that the layout does not depend on the screen's DPI.
QFont font(const Font &wanted);

enum class Kind {
    Frame,             // a plain container, optionally with a caption
    Label,             // static text
    LinkLabel,         // underlined text that reacts to a click
    CheckBox,          //
    GraphicalCheckBox, // a check box drawn as a push button that stays down
    Button,            //
    WrapButton,        // a push button whose caption wraps onto two lines
    Picture,           // a picture box that sizes itself to its picture
    TextBox,           //
    MultiLineTextBox,  //
    Line,              // a horizontal rule
};

enum Flag : unsigned {
    NoFlags = 0,
    Centred = 1u << 0,
    WordWrap = 1u << 1,
    AutoSize = 1u << 2, // the label follows its text, its top-left corner fixed
    Opaque = 1u << 3,   // labels are transparent unless marked opaque
    Disabled = 1u << 4,
    Border = 1u << 5,
};

inline constexpr int kNoColour = -1;

// The colours the designs share.
inline constexpr int kWhite = 0xFFFFFF;
inline constexpr int kPurple = 0x800080;
inline constexpr int kDarkPurple = 0x400040;
inline constexpr int kNavy = 0x000080;
inline constexpr int kButtonFace = 0xE0E0E0;
inline constexpr int kNoTab = -1;

struct Control {
    const char *name;              // objectName, e.g. "chkGoodLuck(3)"
    Kind kind;                     //
    const char *container;         // nullptr: the window's client area
    Rect rect;                     // twips, relative to the container
    const char *text = "";         //
    int foreground = kNoColour;    // 0xRRGGBB
    int background = kNoColour;    // 0xRRGGBB
    Font font = kRegular;          //
    int tabIndex = kNoTab;         //
    unsigned flags = NoFlags;      //
};

// The controls of one window by name, as built from its table.
class Widgets
{
public:
    QWidget *operator[](const QString &name) const { return m_byName.value(name); }
    template<class T>
    T *get(const QString &name) const
    {
        return static_cast<T *>(m_byName.value(name));
    }
    void insert(const QString &name, QWidget *widget) { m_byName.insert(name, widget); }

private:
    QHash<QString, QWidget *> m_byName;
};

// Creates the controls of a table inside the client area, in their
// containers, at their rectangles, with their texts, colours and fonts, and
// stacks the controls that overlap so that the one listed first lies on top;
// a control wholly under an opaque one is hidden until it comes to the front.
Widgets build(QWidget *client, std::span<const Control> table);

// Sizes an auto-size label to its text on one line, its top-left corner
// fixed. A text that would run past the right edge of its container is set
// narrower rather than broken onto a second line, so nothing is cut off.
void fitToText(QLabel *label);

// A menu bar entry: a top-level item when parent is nullptr, a separator
// when the caption is "-".
struct MenuEntry {
    const char *name;
    const char *caption;
    const char *parent = nullptr;
    bool visible = true;
};

QHash<QString, QAction *> buildMenu(QMenuBar *bar, std::span<const MenuEntry> entries);

// Colour of a 0xRRGGBB table value.
QColor colour(int rgb);

// The colours that belong with the designs' light faces and white forms:
// dark text on light grey, whatever colour scheme the desktop runs. Every
// role is set, so that nothing of the scheme shows through.
QPalette classicPalette();

// The desktop's colour scheme, every role set, for a control whose colours
// the design leaves wholly to the system.
QPalette schemePalette();

// The text a caption shows: a caption marks its access key with "&" and
// shows "&&" as one "&".
QString withoutAccessKey(const QString &caption);

} // namespace design
