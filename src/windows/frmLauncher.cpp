#include "frmLauncher.h"

#include "FormWindow.h"
#include "LinkLabel.h"
#include "app/App.h"
#include "frmMain.h"
#include "links/modHelp.h"
#include "platform/Desktop.h"

#include <cmath>

frmLauncher::frmLauncher(App &app)
    : QWidget(nullptr)
    , Form(app)
{
    setObjectName(QStringLiteral("frmLauncher"));
    setWindowTitle(kWindowTitle);
}

QList<QIcon> frmLauncher::IMGIcon() const
{
    return {applicationIcon()};
}

void frmLauncher::Form_Load()
{
    Desktop &desktop = m_app.desktop();
    if (desktop.anotherCopyRunning()) {
        desktop.messageBox(QStringLiteral("Application is already running"), Desktop::Icon::Information,
                           Desktop::Buttons::Ok, kAppTitle);
        m_app.UnloadAllAndEnd();
        return;
    }
    desktop.seedFromClock();
    m_app.help().CheckUpdateReminder();
    m_app.forms().main()->show();
    hide();
    CoBrand_Randomize();
}

void frmLauncher::Form_Unload()
{
    m_app.UnloadAllAndEnd();
}

int frmLauncher::coBrandNumber(double r)
{
    const double x = r * 6 + 1;
    const double below = std::floor(x);
    const double fraction = x - below;
    if (fraction > 0.5)
        return static_cast<int>(below) + 1;
    if (fraction < 0.5)
        return static_cast<int>(below);
    const int even = static_cast<int>(below);
    return even % 2 == 0 ? even : even + 1;
}

void frmLauncher::CoBrand_Randomize()
{
    intCoBrandRandomNumber = static_cast<qint16>(coBrandNumber(m_app.desktop().nextRandom()));
    frmMain *main = m_app.forms().main();
    switch (intCoBrandRandomNumber) {
    case 1:
    case 3:
    case 5:
        main->lblCobrand()->raise();
        break;
    case 2:
    case 4:
    case 6:
        main->lblFullBrand()->raise();
        break;
    default:
        break; // 7: the design order stands
    }
}
