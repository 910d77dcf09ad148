#pragma once

#include "platform/SettingsStore.h"

#include <string>

// The per-user settings in the registry, where the original desktop's settings store
// keeps them: HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>,
// REG_SZ values. Settings written by the earlier edition are read as they stand.
class RegistrySettingsStore : public SettingsStore
{
public:
    explicit RegistrySettingsStore(std::string application = "Varnholt Danmark");

    std::string value(const std::string &section, const std::string &key) const override;
    void setValue(const std::string &section, const std::string &key, const std::string &value) override;

    // The key under HKEY_CURRENT_USER that holds a section.
    std::wstring sectionKey(const std::string &section) const;

private:
    std::string m_application;
};
