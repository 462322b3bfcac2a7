#include "frmMain.h"

#include "LinkLabel.h"
#include "app/App.h"
#include "frmDisplay.h"
#include "frmFarewell.h"
#include "platform/Desktop.h"
#include "symbols/Draw.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenuBar>
#include <QPushButton>

using namespace design;

namespace {

constexpr Control kDesign[] = {
    {"Frame2", Kind::Frame, nullptr, {20, 0, 8460, 615}, "", kNoColour, kWhite, kRegular, 1},
    {"Label61", Kind::LinkLabel, "Frame2", {22, 120, 8400, 465}, "", kDarkPurple, kNoColour, kLink, 2, Centred | WordWrap},
    {"Frame1", Kind::Frame, nullptr, {0, 600, 8460, 4335}, "", kNoColour, kPurple, kRegular, 3},
    {"Frame3", Kind::Frame, "Frame1", {80, 960, 8295, 2655}, "", kNoColour, kPurple, kRegular, 8},
    {"chkGoodLuck(0)", Kind::CheckBox, "Frame3", {120, 240, 3975, 495}, "Indian Good Luck Symbols", kDarkPurple, kWhite, kBold, 15},
    {"chkGoodLuck(1)", Kind::CheckBox, "Frame3", {120, 840, 3975, 495}, "Chinese Good Luck Symbols", kDarkPurple, kWhite, kBold, 14},
    {"chkGoodLuck(2)", Kind::CheckBox, "Frame3", {120, 1440, 3975, 495}, "Japanese Good Luck Symbols", kDarkPurple, kWhite, kBold, 13},
    {"chkGoodLuck(3)", Kind::CheckBox, "Frame3", {120, 2040, 3975, 495}, "Egyptian Good Luck Symbols", kDarkPurple, kWhite, kBold, 12},
    {"chkGoodLuck(4)", Kind::CheckBox, "Frame3", {4200, 240, 3975, 495}, "English Good Luck Symbols", kDarkPurple, kWhite, kBold, 11},
    {"chkGoodLuck(5)", Kind::CheckBox, "Frame3", {4200, 840, 3975, 495}, "Arabian Good Luck Symbols", kDarkPurple, kWhite, kBold, 10},
    {"chkGoodLuck(6)", Kind::CheckBox, "Frame3", {4200, 1440, 3975, 495}, "Native American Good Luck Symbols", kDarkPurple, kWhite, kBold, 9},
    {"cmdNext", Kind::Button, "Frame1", {80, 3720, 8295, 495}, "Find My Good luck Symbol", kNoColour, kButtonFace, kBold, 7},
    {"Label1", Kind::Label, "Frame1", {120, 240, 8175, 735},
     "Good Luck symbols are considered to be auspicious all over the world. Start your day with the good luck symbols "
     "in QV Orbalin. This can help you attain happiness and prosperity in your life.",
     0xFF8000, kNoColour, kBold, 4, Centred | WordWrap},
    {"Frame5", Kind::Frame, nullptr, {0, 4920, 8460, 780}, "", kNoColour, kWhite, kRegular, 0},
    {"lblCobrand", Kind::LinkLabel, "Frame5", {90, 120, 8265, 615}, kCobrandText, kDarkPurple, kWhite, kLink, 5,
     Centred | WordWrap | Opaque},
    {"lblFullBrand", Kind::LinkLabel, "Frame5", {90, 120, 8265, 615}, kFullBrandText, kDarkPurple, kWhite, kLink, 6,
     Centred | WordWrap | Opaque},
};

constexpr MenuEntry kMenu[] = {
    {"mnuFile", "&File"},
    {"mnuNext", "Find My Good luck Symbol", "mnuFile"},
    {"mnuExit", "E&xit", "mnuFile"},
    {"mnuHelp", "&Help"},
    {"mnuOnline", "&Online Help", "mnuHelp"},
    {"mnuVisit", "&Visit Us Online", "mnuHelp"},
    {"mnuHelp1", "-", "mnuHelp"},
    {"mnuUpdate", "Check for Software &Update", "mnuHelp"},
    {"mnuHelp2", "-", "mnuHelp"},
    {"mnuAbout", "&About Software", "mnuHelp"},
    {"mnuDonate", "&Donate"},
    // Kept off the menu bar: the offer is not made from the menu.
    {"mkmoney", "Make Money &Online", nullptr, false},
};

} // namespace

std::span<const Control> frmMain::designTable()
{
    return kDesign;
}

std::span<const MenuEntry> frmMain::menuTable()
{
    return kMenu;
}

frmMain::frmMain(App &app)
    : WorkingWindow(app, {QSize(8445, 5685), true, true}, kDesign, kMenu)
{
    setObjectName(QStringLiteral("frmMain"));
    for (int i = 0; i < kSymbolTypeCount; ++i)
        m_chkGoodLuck[i] = controls().get<QCheckBox>(QStringLiteral("chkGoodLuck(%1)").arg(i));
    m_cmdNext = controls().get<QPushButton>(QStringLiteral("cmdNext"));
    m_label61 = controls().get<LinkLabel>(QStringLiteral("Label61"));
    m_lblCobrand = controls().get<LinkLabel>(QStringLiteral("lblCobrand"));
    m_lblFullBrand = controls().get<LinkLabel>(QStringLiteral("lblFullBrand"));
    m_label61->setText(boardAdvertisement(true));

    connect(m_cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    onMenu("mnuNext", &frmMain::mnuNext_Click);
}

void frmMain::Form_Load()
{
    m_app.help().CheckUpdateReminder();
}

void frmMain::cmdNext_Click()
{
    int unticked = 0;
    for (QCheckBox *box : m_chkGoodLuck) {
        if (box->checkState() == Qt::Unchecked)
            ++unticked;
    }
    if (unticked == kSymbolTypeCount) {
        m_app.desktop().messageBox(QStringLiteral("Please Select A Type of Good Luck Symbol"),
                                   Desktop::Icon::Information, Desktop::Buttons::Ok, kAppTitle);
        return;
    }

    for (SymbolType type : kAllSymbolTypes) {
        if (m_chkGoodLuck[indexOf(type)]->checkState() != Qt::Checked)
            continue;
        m_app.symbols().fill(type);
        const ImageList &list = imageList(type);
        const int k = drawPosition(m_app.desktop().nextRandom(), list.count());

        frmDisplay *display = m_app.forms().display();
        QPushButton *button = display->cmdGoodLuck(indexOf(type));
        button->setEnabled(true);
        display->tabOrder().setTabIndex(button, 0);
        display->panel(type).frame->raise();
        display->showSymbol(type, {list.key(k), list.picture(k, display->devicePixelRatioF()),
                                   m_app.symbols().description(type, k)});
    }

    hide();
    frmFarewell::Hide(m_app);
    m_app.forms().display()->show();
}

void frmMain::mnuNext_Click()
{
    cmdNext_Click();
}
