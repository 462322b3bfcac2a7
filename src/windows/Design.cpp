#include "Design.h"

#include "EtchedFrame.h"
#include "LinkLabel.h"
#include "PictureBox.h"
#include "Stacking.h"
#include "WrapButton.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QApplication>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>
#include <cmath>
#include <memory>

namespace design {

QColor colour(int rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

QPalette classicPalette()
{
    // The light palette Qt's own Fusion style comes with: on a desktop
    // without a colour scheme of its own this is what every window showed
    // all along.
    static const QPalette classic = [] {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        QPalette palette = fusion ? fusion->standardPalette() : QPalette(QColor(0xEF, 0xEF, 0xEF));
        palette.setResolveMask(~QPalette::ResolveMask(0));
        return palette;
    }();
    return classic;
}

QPalette schemePalette()
{
    QPalette palette = QApplication::palette();
    palette.setResolveMask(~QPalette::ResolveMask(0));
    return palette;
}

QFont font(const Font &wanted)
{
    QFont f(QString::fromLatin1(wanted.family));
    f.setPixelSize(static_cast<int>(std::lround(wanted.hundredthsOfPoint * 96.0 / 7200.0)));
    f.setBold(wanted.bold);
    f.setUnderline(wanted.underline);
    return f;
}

QString withoutAccessKey(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown.append(caption.at(i));
    }
    return shown;
}

namespace {

// Labels here have no access keys, so only the text shown is kept.
QString labelText(const char *caption)
{
    return withoutAccessKey(QString::fromLatin1(caption));
}

bool isTextBox(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::MultiLineTextBox;
}

void setColours(QWidget *widget, const Control &c)
{
    if (c.foreground == kNoColour && c.background == kNoColour) {
        // A text box the design gives no colours is the system's: its
        // background and its text both come from the scheme. Everything else
        // keeps the classic colours of the form it lies on.
        if (isTextBox(c.kind))
            widget->setPalette(schemePalette());
        return;
    }
    // A frame's colours are its own background and caption; what it holds
    // inherits the palette, so a frame touches no other role.
    const bool frame = c.kind == Kind::Frame;
    QPalette palette = widget->palette();
    if (c.foreground != kNoColour) {
        const QColor fg = colour(c.foreground);
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            if (frame && role != QPalette::WindowText)
                continue;
            palette.setColor(QPalette::Active, role, fg);
            palette.setColor(QPalette::Inactive, role, fg);
        }
    }
    if (c.background != kNoColour) {
        const QColor bg = colour(c.background);
        for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) {
            if (frame && role != QPalette::Window)
                continue;
            palette.setColor(role, bg);
        }
    }
    widget->setPalette(palette);
}

QLabel *makeLabel(QLabel *label, const Control &c)
{
    label->setText(labelText(c.text));
    Qt::Alignment align = Qt::AlignTop;
    align |= (c.flags & Centred) ? Qt::AlignHCenter : Qt::AlignLeft;
    label->setAlignment(align);
    label->setWordWrap(c.flags & WordWrap);
    label->setAutoFillBackground(c.flags & Opaque);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QWidget *create(const Control &c, QWidget *parent)
{
    switch (c.kind) {
    case Kind::Frame: {
        auto *frame = new EtchedFrame(QString::fromLatin1(c.text), parent);
        frame->setAutoFillBackground(c.background != kNoColour);
        return frame;
    }
    case Kind::Label:
        return makeLabel(new QLabel(parent), c);
    case Kind::LinkLabel:
        return makeLabel(new LinkLabel(parent), c);
    case Kind::CheckBox: {
        auto *box = new QCheckBox(QString::fromLatin1(c.text), parent);
        box->setAutoFillBackground(c.background != kNoColour);
        return box;
    }
    case Kind::GraphicalCheckBox: {
        auto *box = new QPushButton(QString::fromLatin1(c.text), parent);
        box->setCheckable(true);
        box->setCursor(Qt::PointingHandCursor);
        box->setAutoDefault(false);
        return box;
    }
    case Kind::Button:
        return new QPushButton(QString::fromLatin1(c.text), parent);
    case Kind::WrapButton: {
        auto *button = new WrapButton(parent);
        button->setText(QString::fromLatin1(c.text));
        return button;
    }
    case Kind::Picture: {
        auto *picture = new PictureBox(parent);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setAutoFillBackground(c.background != kNoColour);
        if (c.flags & Border) {
            picture->setFrameShape(QFrame::Box);
            picture->setFrameShadow(QFrame::Plain);
            picture->setLineWidth(1);
        }
        return picture;
    }
    case Kind::TextBox: {
        auto *edit = new QLineEdit(QString::fromLatin1(c.text), parent);
        return edit;
    }
    case Kind::MultiLineTextBox: {
        // The design writes line breaks as CR LF; the editor keeps them as LF.
        auto *edit = new QPlainTextEdit(QString::fromLatin1(c.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                                        parent);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return edit;
    }
    case Kind::Line: {
        auto *line = new QFrame(parent);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Plain);
        line->setLineWidth(1);
        return line;
    }
    }
    return nullptr;
}

} // namespace

Widgets build(QWidget *client, std::span<const Control> table)
{
    Widgets widgets;
    QHash<QWidget *, QList<QWidget *>> stacking;
    for (const Control &c : table) {
        QWidget *parent = c.container ? widgets[QString::fromLatin1(c.container)] : client;
        Q_ASSERT_X(parent, c.name, "container must come before its controls");
        QWidget *widget = create(c, parent);
        const QString name = QString::fromLatin1(c.name);
        widget->setObjectName(name);
        widget->setFont(font(c.font));
        setColours(widget, c);
        QRect geometry = pixels(c.rect);
        if (c.kind == Kind::Line)
            geometry.setHeight(1);
        widget->setGeometry(geometry);
        if (c.flags & Disabled)
            widget->setEnabled(false);
        if (c.kind == Kind::Picture && c.tabIndex != kNoTab)
            widget->setFocusPolicy(Qt::StrongFocus);
        if ((c.kind == Kind::Label || c.kind == Kind::LinkLabel) && (c.flags & AutoSize))
            fitToText(static_cast<QLabel *>(widget));
        // No accessible name here: Qt names labels and buttons by the text
        // they show, so the name changes with the text.
        widgets.insert(name, widget);
        stacking[parent].append(widget);
    }
    for (auto it = stacking.cbegin(); it != stacking.cend(); ++it) {
        stackAsListed(it.value());
        hideWhatIsCovered(it.key());
    }
    return widgets;
}

void fitToText(QLabel *label)
{
    // One line, always: a line broken in two would break an address in the
    // middle. A text too long for the room to the right of the label is set
    // a little narrower instead, down to three quarters of its width.
    constexpr int kNarrowest = 75;
    label->setWordWrap(false);
    QFont font = label->font();
    font.setStretch(QFont::Unstretched);
    label->setFont(font);
    label->adjustSize();
    const QWidget *container = label->parentWidget();
    const int room = container ? container->width() - label->x() - 4 : label->width();
    if (room <= 0)
        return;
    int stretch = QFont::Unstretched;
    while (label->width() > room && stretch > kNarrowest) {
        stretch = std::max(kNarrowest, std::min(stretch - 1, stretch * room / label->width()));
        font.setStretch(stretch);
        label->setFont(font);
        label->adjustSize();
    }
}

QHash<QString, QAction *> buildMenu(QMenuBar *bar, std::span<const MenuEntry> entries)
{
    QHash<QString, QAction *> actions;
    QHash<QString, QMenu *> menus;
    const auto hasChildren = [&](const char *name) {
        return std::any_of(entries.begin(), entries.end(),
                           [name](const MenuEntry &e) { return e.parent && qstrcmp(e.parent, name) == 0; });
    };
    for (const MenuEntry &entry : entries) {
        const QString name = QString::fromLatin1(entry.name);
        const QString caption = QString::fromLatin1(entry.caption);
        QAction *action = nullptr;
        if (!entry.parent) {
            if (hasChildren(entry.name)) {
                QMenu *menu = bar->addMenu(caption);
                menu->setObjectName(name);
                menus.insert(name, menu);
                action = menu->menuAction();
            } else {
                action = bar->addAction(caption);
            }
        } else {
            QMenu *menu = menus.value(QString::fromLatin1(entry.parent));
            Q_ASSERT_X(menu, entry.name, "menu must come before its items");
            action = caption == QLatin1String("-") ? menu->addSeparator() : menu->addAction(caption);
        }
        action->setObjectName(name);
        action->setVisible(entry.visible);
        actions.insert(name, action);
    }
    return actions;
}

} // namespace design
