#pragma once

#include "platform/SettingsStore.h"

#include <QSettings>

// The settings store as an INI file: "<config folder>/Varnholt Danmark.ini".
// QSettings writes through a temporary file and locks against other copies.
class IniSettingsStore : public SettingsStore
{
public:
    explicit IniSettingsStore(const QString &filePath = defaultPath());

    // $XDG_CONFIG_HOME/Varnholt Danmark.ini, or ~/.config/Varnholt Danmark.ini.
    static QString defaultPath();

    QString value(const QString &section, const QString &key) const override;
    void setValue(const QString &section, const QString &key, const QString &value) override;

private:
    mutable QSettings m_settings;
};
