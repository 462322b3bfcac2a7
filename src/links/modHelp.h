#pragma once

#include <QString>

class Desktop;
class SettingsStore;

// The maker's web pages, each one command that hands its address to the
// default browser and returns at once, and the reminder to look for a newer
// version.
class modHelp
{
public:
    modHelp(Desktop &desktop, SettingsStore &settings);

    void OpenWebPage(const QString &url);

    void OpenHomePage();
    void OpenHelpPage();
    void OpenDownloadPage();
    void OpenDonatePage();
    void OpenCoBrandPage();
    void OpenFullBrandPage();
    void OpenVelmorawarePage();

    // Asks at most once every UpdateCheckInterval days whether to look for an
    // update, remembering the day it last asked.
    void CheckUpdateReminder();

    static constexpr int UpdateCheckInterval = 14;

private:
    Desktop &m_desktop;
    SettingsStore &m_settings;
};

// Texts shared by the program's message boxes and windows.
inline const QString kAppTitle = QStringLiteral("QV Orbalin");
inline const QString kWindowTitle = QStringLiteral("QV Orbalin v1.15");
