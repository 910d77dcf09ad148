#include "platform/win32/RegistrySettingsStore.h"

#include "platform/win32/ScopedWin.h"
#include "platform/win32/Utf8.h"

#include <algorithm>
#include <vector>

namespace {
constexpr wchar_t SettingsRoot[] = L"Software\\VB and VBA Program Settings\\";
constexpr DWORD MaxValueBytes = 64 * 1024; // a setting is a short text; anything longer is not ours
} // namespace

RegistrySettingsStore::RegistrySettingsStore(std::string application)
    : m_application(std::move(application))
{ }

std::wstring RegistrySettingsStore::sectionKey(const std::string &section) const
{
    return SettingsRoot + Utf8::toWide(m_application) + L'\\' + Utf8::toWide(section);
}

std::string RegistrySettingsStore::value(const std::string &section, const std::string &key) const
{
    ScopedRegKey hkey;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, sectionKey(section).c_str(), 0, KEY_QUERY_VALUE, hkey.out()) != ERROR_SUCCESS)
        return {};
    const std::wstring name = Utf8::toWide(key);
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(hkey.get(), name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS
        || (type != REG_SZ && type != REG_EXPAND_SZ) || bytes > MaxValueBytes)
        return {};
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    const std::size_t capacity = buffer.size() * sizeof(wchar_t);
    bytes = static_cast<DWORD>(capacity);
    if (RegQueryValueExW(hkey.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE *>(buffer.data()), &bytes)
        != ERROR_SUCCESS)
        return {};
    // A REG_SZ need not carry its terminating zero: take what was stored, up to the first zero.
    std::wstring text(buffer.data(), std::min<std::size_t>(bytes / sizeof(wchar_t), buffer.size()));
    if (const auto zero = text.find(L'\0'); zero != std::wstring::npos)
        text.resize(zero);
    return Utf8::fromWide(text);
}

void RegistrySettingsStore::setValue(const std::string &section, const std::string &key, const std::string &value)
{
    ScopedRegKey hkey;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, sectionKey(section).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, hkey.out(), nullptr)
        != ERROR_SUCCESS)
        return; // a store that cannot be written drops the value
    const std::wstring name = Utf8::toWide(key);
    const std::wstring text = Utf8::toWide(value);
    const std::size_t size = (text.size() + 1) * sizeof(wchar_t); // with the closing zero
    const DWORD bytes = static_cast<DWORD>(size);
    RegSetValueExW(hkey.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(text.c_str()), bytes);
}
