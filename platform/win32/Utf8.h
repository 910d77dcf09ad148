#pragma once

#include <string>

// The one conversion pair between the core's UTF-8 and the Windows API's UTF-16.
namespace Utf8 {
std::wstring toWide(const std::string &utf8);
std::string fromWide(const std::wstring &wide);
std::string fromWide(const wchar_t *wide);
} // namespace Utf8
