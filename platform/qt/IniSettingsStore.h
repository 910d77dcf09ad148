#pragma once

#include "platform/SettingsStore.h"

// The settings store as an INI file, "<config folder>/Varnholt Danmark.ini", read
// and written by our own small reader so that every value is kept as its exact
// text and every line the program does not change stays as the user left it.
// Writes replace the whole file at once, under a lock shared by every copy of
// the program. A file that cannot be read or written reads as empty and drops
// writes.
class IniSettingsStore : public SettingsStore
{
public:
    explicit IniSettingsStore(std::string filePath = defaultPath());

    // $XDG_CONFIG_HOME/Varnholt Danmark.ini, or ~/.config/Varnholt Danmark.ini.
    static std::string defaultPath();

    // The text of the key in the section (both without regard to case); empty when missing.
    std::string value(const std::string &section, const std::string &key) const override;
    // Stores the exact text unless the key already holds it; other lines stay as they are.
    void setValue(const std::string &section, const std::string &key, const std::string &value) override;

private:
    std::string m_path;
};
