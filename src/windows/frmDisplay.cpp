#include "frmDisplay.h"

#include "Accessibility.h"
#include "LinkLabel.h"
#include "ScreenReaderEvents.h"
#include "app/App.h"
#include "frmFarewell.h"
#include "frmMain.h"

#include <QAction>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>

using namespace design;

namespace {

constexpr int kCyan = 0x00FFFF;

constexpr Control tradeButton(int i, const char *name, const char *caption)
{
    return {name, Kind::WrapButton, "Frame3", {120, 600 + 600 * i, 2535, 495}, caption, kNoColour, kButtonFace, kBold,
            12 - i, Disabled};
}

// The seven tradition panels lie exactly on top of each other; each holds the
// drawn symbol's picture, its name (left edge per panel, growing rightwards)
// and its description (height per panel). The design's texts of the name and
// description labels are placeholders that never show.
constexpr Rect kPanelRect{2760, 600, 6135, 5415};
constexpr Rect kPictureRect{2160, 360, 1575, 1575};
constexpr Rect nameRect(int left)
{
    return {left, 2040, 1000, 195};
}
constexpr Rect descriptionRect(int height)
{
    return {120, 2640, 5895, height};
}
constexpr unsigned kNameFlags = AutoSize;
constexpr unsigned kDescriptionFlags = Centred | WordWrap;

constexpr Control kDesign[] = {
    {"Frame2", Kind::Frame, nullptr, {0, 0, 8895, 600}, "", kNoColour, kWhite},
    {"Label61", Kind::LinkLabel, "Frame2", {120, 120, 8400, 585}, "", kDarkPurple, kNoColour, kLink, kNoTab, Centred},
    {"Frame3", Kind::Frame, nullptr, {0, 600, 2775, 5415}, "", kNoColour, kPurple},
    tradeButton(0, "cmdGoodLuck(0)", "Indian Good Luck Symbols"),
    tradeButton(1, "cmdGoodLuck(1)", "Chinese Good Luck Symbols"),
    tradeButton(2, "cmdGoodLuck(2)", "Japanese Good Luck Symbols"),
    tradeButton(3, "cmdGoodLuck(3)", "Egyptian Good Luck Symbols"),
    tradeButton(4, "cmdGoodLuck(4)", "English Good Luck Symbols"),
    tradeButton(5, "cmdGoodLuck(5)", "Arabian Good Luck Symbols"),
    tradeButton(6, "cmdGoodLuck(6)", "Native American Good Luck Symbols"),
    {"Frame5", Kind::Frame, nullptr, {0, 6000, 8895, 855}, "", kNoColour, kWhite},
    {"cmdOK", Kind::Button, "Frame5", {6240, 240, 1260, 465}, "&Back", kNoColour, kButtonFace, kBold, 3},
    {"cmdExit", Kind::Button, "Frame5", {7560, 240, 1260, 465}, "&Exit", kNoColour, kButtonFace, kBold, 4},
    {"lblFullBrand", Kind::LinkLabel, "Frame5", {120, 160, 6105, 615}, kFullBrandText, kDarkPurple, kWhite, kLink,
     kNoTab, Centred | WordWrap | Opaque},
    {"lblCobrand", Kind::LinkLabel, "Frame5", {120, 160, 6105, 615}, kCobrandText, kDarkPurple, kWhite, kLink, kNoTab,
     Centred | WordWrap | Opaque},
    {"fraIndian", Kind::Frame, nullptr, kPanelRect, "Indian Good Luck Symbols", kWhite, kPurple, kBold},
    {"picIndian", Kind::Picture, "fraIndian", kPictureRect},
    {"lblIndianName", Kind::Label, "fraIndian", nameRect(2220), "Name", kCyan, kNoColour, kBold, kNoTab, kNameFlags},
    {"lblIndianDesc", Kind::Label, "fraIndian", descriptionRect(2175), "Description", kWhite, kNoColour, kBold, kNoTab,
     kDescriptionFlags},
    {"fraChinese", Kind::Frame, nullptr, kPanelRect, "Chinese Good Luck Symbols", kWhite, kPurple, kBold},
    {"picChinese", Kind::Picture, "fraChinese", kPictureRect},
    {"lblChineseName", Kind::Label, "fraChinese", nameRect(2160), "Name", kCyan, kNoColour, kBold, kNoTab, kNameFlags},
    {"lblChineseDesc", Kind::Label, "fraChinese", descriptionRect(2295), "Description", kWhite, kNoColour, kBold,
     kNoTab, kDescriptionFlags},
    {"fraJapanese", Kind::Frame, nullptr, kPanelRect, "Japanese Good Luck Symbols", kWhite, kPurple, kBold},
    {"picJapanese", Kind::Picture, "fraJapanese", kPictureRect},
    {"lblJapaneseName", Kind::Label, "fraJapanese", nameRect(2130), "Name", kCyan, kNoColour, kBold, kNoTab,
     kNameFlags},
    {"lblJapaneseDesc", Kind::Label, "fraJapanese", descriptionRect(2295), "Description", kWhite, kNoColour, kBold,
     kNoTab, kDescriptionFlags},
    {"fraEgyptian", Kind::Frame, nullptr, kPanelRect, "Egyptian Good Luck Symbols", kWhite, kPurple, kBold},
    {"picEgyptian", Kind::Picture, "fraEgyptian", kPictureRect},
    {"lblEgyptianName", Kind::Label, "fraEgyptian", nameRect(2085), "Name", kCyan, kNoColour, kBold, kNoTab,
     kNameFlags},
    {"lblEgyptianDesc", Kind::Label, "fraEgyptian", descriptionRect(2295), "Description", kWhite, kNoColour, kBold,
     kNoTab, kDescriptionFlags},
    {"fraEnglish", Kind::Frame, nullptr, kPanelRect, "English Good Luck Symbols", kWhite, kPurple, kBold},
    {"picEnglish", Kind::Picture, "fraEnglish", kPictureRect},
    {"lblEnglishName", Kind::Label, "fraEnglish", nameRect(2190), "Name", kCyan, kNoColour, kBold, kNoTab, kNameFlags},
    {"lblEnglishDesc", Kind::Label, "fraEnglish", descriptionRect(2415), "Description", kWhite, kNoColour, kBold,
     kNoTab, kDescriptionFlags},
    {"fraArabian", Kind::Frame, nullptr, kPanelRect, "Arabian Good Luck Symbols", kWhite, kPurple, kBold},
    {"picArabian", Kind::Picture, "fraArabian", kPictureRect},
    {"lblArabianName", Kind::Label, "fraArabian", nameRect(2160), "Name", kCyan, kNoColour, kBold, kNoTab, kNameFlags},
    {"lblArabianDesc", Kind::Label, "fraArabian", descriptionRect(2175), "Description", kWhite, kNoColour, kBold,
     kNoTab, kDescriptionFlags},
    {"fraNativeAmerican", Kind::Frame, nullptr, kPanelRect, "Native American Good Luck Symbols", kWhite, kPurple,
     kBold},
    {"picNativeAmerican", Kind::Picture, "fraNativeAmerican", kPictureRect},
    {"lblNativeAmericanName", Kind::Label, "fraNativeAmerican", nameRect(1770), "Name", kCyan, kNoColour, kBold,
     kNoTab, kNameFlags},
    {"lblNativeAmericanDesc", Kind::Label, "fraNativeAmerican", descriptionRect(2055), "Description", kWhite,
     kNoColour, kBold, kNoTab, kDescriptionFlags},
};

// The controls of each tradition's panel, in tradition order.
constexpr struct {
    const char *frame;
    const char *picture;
    const char *name;
    const char *description;
} kPanelControls[kSymbolTypeCount] = {
    {"fraIndian", "picIndian", "lblIndianName", "lblIndianDesc"},
    {"fraChinese", "picChinese", "lblChineseName", "lblChineseDesc"},
    {"fraJapanese", "picJapanese", "lblJapaneseName", "lblJapaneseDesc"},
    {"fraEgyptian", "picEgyptian", "lblEgyptianName", "lblEgyptianDesc"},
    {"fraEnglish", "picEnglish", "lblEnglishName", "lblEnglishDesc"},
    {"fraArabian", "picArabian", "lblArabianName", "lblArabianDesc"},
    {"fraNativeAmerican", "picNativeAmerican", "lblNativeAmericanName", "lblNativeAmericanDesc"},
};

constexpr MenuEntry kMenu[] = {
    {"mnuFile", "&File"},
    {"mnuFileBack", "&Back", "mnuFile"},
    {"mnuExit", "E&xit", "mnuFile"},
    {"mnuHelp", "&Help"},
    {"mnuOnline", "&Online Help", "mnuHelp"},
    {"mnuVisit", "&Visit Us Online", "mnuHelp"},
    {"mnuFileSep1", "-", "mnuHelp"},
    {"mnuUpdate", "&Check for Software Update", "mnuHelp"},
    {"mnuFileSep2", "-", "mnuHelp"},
    {"mnuAbout", "&About Software", "mnuHelp"},
    {"mnuDonate", "&Donate"},
    {"mkmoney", "Make Money &Online", nullptr, false},
};

} // namespace

std::span<const Control> frmDisplay::designTable()
{
    return kDesign;
}

std::span<const MenuEntry> frmDisplay::menuTable()
{
    return kMenu;
}

frmDisplay::frmDisplay(App &app)
    : WorkingWindow(app, {QSize(8880, 6840), true, true}, kDesign, kMenu)
{
    setObjectName(QStringLiteral("frmDisplay"));
    for (int i = 0; i < kSymbolTypeCount; ++i) {
        QPushButton *button = controls().get<QPushButton>(QStringLiteral("cmdGoodLuck(%1)").arg(i));
        m_cmdGoodLuck[i] = button;
        connect(button, &QPushButton::clicked, this, [this, i] { cmdGoodLuck_Click(i); });

        const auto &names = kPanelControls[i];
        Panel &panel = m_panels[i];
        panel.frame = controls().get<QGroupBox>(QString::fromLatin1(names.frame));
        panel.picture = controls().get<QLabel>(QString::fromLatin1(names.picture));
        panel.name = controls().get<QLabel>(QString::fromLatin1(names.name));
        panel.description = controls().get<QLabel>(QString::fromLatin1(names.description));
        accessibility::setControlledBy(panel.name, button);
        accessibility::setControlledBy(panel.description, button);
        panel.frame->installEventFilter(this);
    }
    m_cmdOK = controls().get<QPushButton>(QStringLiteral("cmdOK"));
    m_cmdExit = controls().get<QPushButton>(QStringLiteral("cmdExit"));
    m_cmdExit->setDefault(true);

    auto *label61 = controls().get<LinkLabel>(QStringLiteral("Label61"));
    label61->setText(boardAdvertisement(false));

    connect(m_cmdOK, &QPushButton::clicked, this, &frmDisplay::cmdOK_Click);
    connect(m_cmdExit, &QPushButton::clicked, this, &frmDisplay::cmdExit_Click);
    onMenu("mnuFileBack", &frmDisplay::mnuFileBack_Click);
}

void frmDisplay::showSymbol(SymbolType type, const SymbolEntry &entry)
{
    setPicture(type, entry.picture);
    setSymbolName(type, entry.name);
    m_panels[indexOf(type)].description->setText(entry.description);
    describeFrontPanel();
}

void frmDisplay::setPicture(SymbolType type, const QPixmap &picture)
{
    QLabel *box = m_panels[indexOf(type)].picture;
    box->setPixmap(picture);
    box->resize(picture.deviceIndependentSize().toSize());
}

void frmDisplay::setSymbolName(SymbolType type, const QString &name)
{
    QLabel *label = m_panels[indexOf(type)].name;
    label->setText(name);
    fitToText(label);
    m_panels[indexOf(type)].picture->setAccessibleName(name);
}

bool frmDisplay::eventFilter(QObject *watched, QEvent *event)
{
    // raise() ends with this event, whoever brings a panel to the front.
    if (event->type() == QEvent::ZOrderChange
        && std::any_of(m_panels.cbegin(), m_panels.cend(), [watched](const Panel &p) { return p.frame == watched; }))
        describeFrontPanel();
    return WorkingWindow::eventFilter(watched, event);
}

void frmDisplay::describeFrontPanel()
{
    // A screen reader hears what a tradition's button shows when the button
    // takes the focus, and hears it again when a press brings the panel to
    // the front: the button whose panel is in front is described by that
    // panel's symbol, the others by nothing, as their panels are out of view.
    const QObjectList &stack = m_panels[0].frame->parentWidget()->children();
    int front = -1;
    qsizetype highest = -1;
    for (int i = 0; i < kSymbolTypeCount; ++i) {
        const qsizetype level = stack.indexOf(m_panels[i].frame);
        if (level > highest) {
            highest = level;
            front = i;
        }
    }
    for (int i = 0; i < kSymbolTypeCount; ++i) {
        const Panel &panel = m_panels[i];
        const bool shows = i == front && m_cmdGoodLuck[i]->isEnabled();
        accessibility::setDescription(m_cmdGoodLuck[i],
                                      shows ? panel.name->text() + QStringLiteral(". ") + panel.description->text()
                                            : QString());
    }
}

void frmDisplay::cmdGoodLuck_Click(int Index)
{
    if (Index < 0 || Index >= kSymbolTypeCount)
        return;
    m_panels[Index].frame->raise();
}

void frmDisplay::cmdOK_Click()
{
    App &app = m_app; // this window is on its way out after the first step
    app.forms().unload(this);
    app.forms().main()->show();
    frmFarewell::Hide(app);
}

void frmDisplay::cmdExit_Click()
{
    m_app.forms().unload(this);
}

void frmDisplay::mnuFileBack_Click()
{
    cmdOK_Click();
}

void frmDisplay::reject()
{
    // Esc: Exit is the cancel button.
    cmdExit_Click();
}

void frmDisplay::closeBox()
{
    cmdExit_Click();
}
