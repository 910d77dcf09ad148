#pragma once

#include <QString>

// The per-user settings store: string values addressed by section and key.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // The stored text, or an empty text when the key (or the store) is missing.
    virtual QString value(const QString &section, const QString &key) const = 0;
    // Stores the text; a store that cannot be written drops it silently.
    virtual void setValue(const QString &section, const QString &key, const QString &value) = 0;
};
