#include "frmAbout.h"

#include "LinkLabel.h"
#include "app/App.h"
#include "links/SiteAddress.h"

#include <QLabel>
#include <QPushButton>

using namespace design;

namespace {

constexpr int kLightYellow = 0xFFFFC0;
constexpr Font kTitleFont{975, true};

constexpr Control kDesign[] = {
    {"picIcon", Kind::Picture, nullptr, {150, 150, 510, 510}, "", kNoColour, kWhite, kRegular, 1, Border},
    {"cmdOK", Kind::Button, nullptr, {4680, 3615, 1260, 345}, "&OK", kNoColour, kButtonFace, kBold, 0},
    {"lblHomePage", Kind::LinkLabel, nullptr, {1320, 2040, 4650, 195}, "", kWhite, kNoColour, kLink, 6, AutoSize},
    {"Label3", Kind::Label, nullptr, {240, 2520, 5565, 675},
     "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
     "branded for your website.",
     kLightYellow, kNoColour, kBold, 5, WordWrap},
    {"lblCobrand", Kind::LinkLabel, nullptr, {3360, 3240, 2610, 195}, "Click here for more details", kWhite, kNoColour,
     kLink, 4, AutoSize},
    {"Line2", Kind::Line, nullptr, {0, 3480, 6150, 15}, "", kWhite},
    {"Label2", Kind::Label, nullptr, {780, 240, 3810, 240}, "QV Orbalin v1.15", kWhite, kNoColour, kTitleFont, 3,
     AutoSize},
    {"Label1", Kind::Label, nullptr, {240, 960, 5595, 855},
     "QV Orbalin generates a good luck symbol for your everyday. They are supposed to be your belief and perception "
     "in keeping away evil and attaining happiness. All rights to this program are reserved by Velmoraware.",
     kLightYellow, kNoColour, kRegular, 2, WordWrap},
};

} // namespace

std::span<const Control> frmAbout::designTable()
{
    return kDesign;
}

frmAbout::frmAbout(App &app)
    : FormWindow(app, {QSize(6015, 4095), false, false, kPurple}, kDesign)
{
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);

    auto *picIcon = controls().get<QLabel>(QStringLiteral("picIcon"));
    // Drawn for the screen's scale: at twice the scale the 64 x 64 picture,
    // not the small one blown up.
    const QPixmap icon = applicationIcon().pixmap(QSize(32, 32), picIcon->devicePixelRatioF());
    picIcon->setPixmap(icon);
    // The box keeps a one-pixel border around the picture.
    picIcon->resize(icon.deviceIndependentSize().toSize() + QSize(2, 2));
    picIcon->setAccessibleName(kApplicationIconName);

    auto *home = controls().get<LinkLabel>(QStringLiteral("lblHomePage"));
    home->setText(QStringLiteral("Click here to visit ") + SiteAddress());
    fitToText(home);

    m_cmdOK = controls().get<QPushButton>(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(home, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(controls().get<LinkLabel>(QStringLiteral("lblCobrand")), &LinkLabel::clicked, this,
            &frmAbout::lblCobrand_Click);
}

void frmAbout::cmdOK_Click()
{
    m_app.forms().unload(this);
}

void frmAbout::reject()
{
    cmdOK_Click();
}

void frmAbout::lblHomePage_Click()
{
    m_app.help().OpenHomePage();
}

void frmAbout::lblCobrand_Click()
{
    m_app.help().OpenFullBrandPage();
}
