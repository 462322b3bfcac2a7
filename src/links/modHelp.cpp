#include "modHelp.h"

#include "SettingsStore.h"
#include "SiteAddress.h"
#include "platform/Desktop.h"

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kDurationKey = QStringLiteral("Duration");

// The remembered day is written as yyyy-MM-dd: the same text reads back as
// the same day whatever the user's locale or century.
QString dateText(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

} // namespace

modHelp::modHelp(Desktop &desktop, SettingsStore &settings)
    : m_desktop(desktop)
    , m_settings(settings)
{
}

void modHelp::OpenWebPage(const QString &url)
{
    m_desktop.openUrl(url);
}

void modHelp::OpenHomePage()
{
    OpenWebPage(PageUrl(QStringLiteral("home-page")));
}

void modHelp::OpenHelpPage()
{
    OpenWebPage(PageUrl(QStringLiteral("help-web-page")));
}

void modHelp::OpenDownloadPage()
{
    OpenWebPage(PageUrl(QStringLiteral("download-web-page")));
}

void modHelp::OpenDonatePage()
{
    OpenWebPage(PageUrl(QStringLiteral("donate")));
}

void modHelp::OpenCoBrandPage()
{
    OpenWebPage(PageUrl(QStringLiteral("co-brand")));
}

void modHelp::OpenFullBrandPage()
{
    OpenWebPage(PageUrl(QStringLiteral("fully-branded")));
}

void modHelp::OpenVelmorawarePage()
{
    OpenWebPage(PageUrl(QStringLiteral("velmoraware")));
}

void modHelp::CheckUpdateReminder()
{
    const QDate today = m_desktop.today();
    const QDate stored = QDate::fromString(m_settings.value(kSection, kDurationKey), Qt::ISODate);
    if (!stored.isValid()) {
        // First run, or a value we cannot read back: start counting from today.
        m_settings.setValue(kSection, kDurationKey, dateText(today));
        return;
    }
    const qint64 difference = today.daysTo(stored);
    if (difference >= -UpdateCheckInterval && difference <= UpdateCheckInterval)
        return;

    const Desktop::Answer answer = m_desktop.messageBox(
        QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?"),
        Desktop::Icon::Information, Desktop::Buttons::YesNo, kAppTitle);
    m_settings.setValue(kSection, kDurationKey, dateText(today));
    if (answer == Desktop::Answer::Yes)
        OpenDownloadPage();
}
