#pragma once

#include <string>

// The per-user settings store: texts addressed by section and key, UTF-8.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // The stored text, or an empty text when the key (or the store) is missing.
    virtual std::string value(const std::string &section, const std::string &key) const = 0;
    // Stores the text exactly; a store that cannot be written drops it silently.
    virtual void setValue(const std::string &section, const std::string &key, const std::string &value) = 0;
};
