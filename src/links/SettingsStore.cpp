#include "SettingsStore.h"

#include "platform/ExecutableName.h"

#include <QSettings>

SettingsStore::SettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, executableName(),
                                             executableName()))
{
}

SettingsStore::SettingsStore(const QString &iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::value(const QString &section, const QString &key) const
{
    return m_settings->value(section + QLatin1Char('/') + key).toString();
}

void SettingsStore::setValue(const QString &section, const QString &key, const QString &value)
{
    m_settings->setValue(section + QLatin1Char('/') + key, value);
    // Write through now: the process may end at any moment without unwinding.
    // A store that cannot be written keeps the value for this run only.
    m_settings->sync();
}

QString SettingsStore::fileName() const
{
    return m_settings->fileName();
}
