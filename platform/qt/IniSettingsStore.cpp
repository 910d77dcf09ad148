#include "platform/IniSettingsStore.h"

#include <QDir>
#include <QStandardPaths>

IniSettingsStore::IniSettingsStore(const QString &filePath)
    : m_settings(filePath, QSettings::IniFormat)
{ }

QString IniSettingsStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Varnholt Danmark.ini");
}

QString IniSettingsStore::value(const QString &section, const QString &key) const
{
    // A store that is unreadable (a folder, garbage, no permission) reads as empty.
    if (m_settings.status() != QSettings::NoError)
        return {};
    return m_settings.value(section + u'/' + key).toString();
}

void IniSettingsStore::setValue(const QString &section, const QString &key, const QString &value)
{
    if (m_settings.status() != QSettings::NoError)
        return; // an unusable store stays untouched: the write is dropped
    const QString path = section + u'/' + key;
    if (m_settings.contains(path) && m_settings.value(path).toString() == value)
        return; // already stored: rewriting the file would change nothing
    m_settings.setValue(path, value);
    m_settings.sync();
}
