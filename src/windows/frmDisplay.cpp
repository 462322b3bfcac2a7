#include "frmDisplay.h"

#include "LinkLabel.h"
#include "app/App.h"
#include "frmFarewell.h"
#include "frmMain.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

using namespace design;

namespace {

constexpr int kCyan = 0x00FFFF;


constexpr Control tradeButton(int i, const char *name, const char *caption)
{
    return {name, Kind::WrapButton, "Frame3", {120, 600 + 600 * i, 2535, 495}, caption, kNoColour, kButtonFace, kBold,
            12 - i, Disabled};
}

#define QVO_PANEL(Tradition, caption, nameLeft, descHeight)                                                            \
    {"fra" #Tradition, Kind::Frame, nullptr, {2760, 600, 6135, 5415}, caption, kWhite, kPurple, kBold},               \
        {"pic" #Tradition, Kind::Picture, "fra" #Tradition, {2160, 360, 1575, 1575}},                                 \
        {"lbl" #Tradition "Name", Kind::Label, "fra" #Tradition, {nameLeft, 2040, 1000, 195}, "Name", kCyan,            \
         kNoColour, kBold, kNoTab, AutoSize},                                                                          \
        {"lbl" #Tradition "Desc", Kind::Label, "fra" #Tradition, {120, 2640, 5895, descHeight}, "Description", kWhite, \
         kNoColour, kBold, kNoTab, Centred | WordWrap}

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
    QVO_PANEL(Indian, "Indian Good Luck Symbols", 2220, 2175),
    QVO_PANEL(Chinese, "Chinese Good Luck Symbols", 2160, 2295),
    QVO_PANEL(Japanese, "Japanese Good Luck Symbols", 2130, 2295),
    QVO_PANEL(Egyptian, "Egyptian Good Luck Symbols", 2085, 2295),
    QVO_PANEL(English, "English Good Luck Symbols", 2190, 2415),
    QVO_PANEL(Arabian, "Arabian Good Luck Symbols", 2160, 2175),
    QVO_PANEL(NativeAmerican, "Native American Good Luck Symbols", 1770, 2055),
};

#undef QVO_PANEL

constexpr const char *kPanelNames[kSymbolTypeCount] = {
    "Indian", "Chinese", "Japanese", "Egyptian", "English", "Arabian", "NativeAmerican",
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

        const QString tradition = QString::fromLatin1(kPanelNames[i]);
        Panel &panel = m_panels[i];
        panel.frame = controls().get<QGroupBox>(QStringLiteral("fra") + tradition);
        panel.picture = controls().get<QLabel>(QStringLiteral("pic") + tradition);
        panel.name = controls().get<QLabel>(QStringLiteral("lbl%1Name").arg(tradition));
        panel.description = controls().get<QLabel>(QStringLiteral("lbl%1Desc").arg(tradition));
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

void frmDisplay::cmdGoodLuck_Click(int index)
{
    if (index < 0 || index >= kSymbolTypeCount)
        return;
    m_panels[index].frame->raise();
}

void frmDisplay::cmdOK_Click()
{
    App &app = m_app; // this window is on its way out after the first step
    app.forms().unload(this);
    app.forms().main()->show();
    app.forms().farewell()->hide();
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
