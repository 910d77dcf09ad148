#pragma once

#include <string>
#include <string_view>

// The information file is 8-bit text written on any desktop: valid UTF-8 (with
// or without a byte-order mark) is read as UTF-8, anything else as Windows-1252.
// The result is UTF-8 without a byte-order mark.
std::string decodeInformationText(std::string_view bytes);

// True when the bytes are valid UTF-8: no stray or missing continuation bytes, no
// overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes);

// Windows-1252 to UTF-8; the five bytes it leaves undefined map to the same code points.
std::string fromWindows1252(std::string_view bytes);

// Appends a code point as UTF-8.
void appendUtf8(std::string &out, char32_t codePoint);
