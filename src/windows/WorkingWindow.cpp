#include "WorkingWindow.h"

#include "LinkLabel.h"
#include "app/App.h"
#include "frmFarewell.h"
#include "links/SiteAddress.h"

#include <QAction>
#include <QUrl>

QString boardAdvertisement(bool invitation)
{
    const QString host = QUrl(SiteAddress()).host();
    if (!invitation)
        return QStringLiteral("Join the free discussion board at %1/forum").arg(host);
    return QStringLiteral("Talk about luck, lore and the mysteries of life on our free discussion board at %1/forum. "
                          "Visit %1 now!")
        .arg(host);
}

WorkingWindow::WorkingWindow(App &app, const Options &options, std::span<const design::Control> table,
                             std::span<const design::MenuEntry> menu)
    : FormWindow(app, options, table)
{
    m_menu = design::buildMenu(formMenuBar(), menu);
    onMenu("mnuExit", &WorkingWindow::mnuExit_Click);
    onMenu("mnuOnline", &WorkingWindow::mnuOnline_Click);
    onMenu("mnuVisit", &WorkingWindow::mnuVisit_Click);
    onMenu("mnuUpdate", &WorkingWindow::mnuUpdate_Click);
    onMenu("mnuAbout", &WorkingWindow::mnuAbout_Click);
    onMenu("mnuDonate", &WorkingWindow::mnuDonate_Click);
    onMenu("mkmoney", &WorkingWindow::mkmoney_Click);

    const std::pair<const char *, void (WorkingWindow::*)()> links[] = {
        {"Label61", &WorkingWindow::Label61_Click},
        {"lblCobrand", &WorkingWindow::lblCobrand_Click},
        {"lblFullBrand", &WorkingWindow::lblFullBrand_Click},
    };
    for (const auto &[name, handler] : links)
        connect(controls().get<LinkLabel>(QString::fromLatin1(name)), &LinkLabel::clicked, this, handler);
}

void WorkingWindow::Form_Unload()
{
    frmFarewell::showForShutdown(m_app);
}

void WorkingWindow::mnuExit_Click()
{
    m_app.forms().unload(this);
}

void WorkingWindow::mnuOnline_Click()
{
    m_app.help().OpenHelpPage();
}

void WorkingWindow::mnuVisit_Click()
{
    m_app.help().OpenHomePage();
}

void WorkingWindow::mnuUpdate_Click()
{
    m_app.help().OpenDownloadPage();
}

void WorkingWindow::mnuAbout_Click()
{
    m_app.forms().showAbout();
}

void WorkingWindow::mnuDonate_Click()
{
    m_app.help().OpenDonatePage();
}

void WorkingWindow::mkmoney_Click()
{
    m_app.help().OpenFullBrandPage();
}

void WorkingWindow::Label61_Click()
{
    m_app.help().OpenHomePage();
}

void WorkingWindow::lblCobrand_Click()
{
    m_app.help().OpenCoBrandPage();
}

void WorkingWindow::lblFullBrand_Click()
{
    m_app.help().OpenFullBrandPage();
}
