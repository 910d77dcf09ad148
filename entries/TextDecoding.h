#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// How the information file's bytes were read.
enum class TextEncoding { Utf8, Windows1252, Utf16LE, Utf16BE };

// The information file's text, and what the author's check needs to know of its reading.
struct DecodedText
{
    std::string text; // UTF-8, without a byte-order mark
    TextEncoding encoding = TextEncoding::Utf8;
    // Where, in the text, U+FFFD stands for UTF-16 that could not be read: an
    // unpaired surrogate, or an odd last byte.
    std::vector<std::size_t> replacements;
};

// The information file is text written on any desktop. A UTF-16 byte-order mark
// (little- or big-endian: Notepad's "Unicode", PowerShell 5's ">") makes it UTF-16;
// otherwise it is 8-bit text: valid UTF-8 (with or without a byte-order mark) is read
// as UTF-8, anything else as Windows-1252. UTF-16 without a mark is not guessed at.
DecodedText decodeInformationFile(std::string_view bytes);

// The text alone.
std::string decodeInformationText(std::string_view bytes);

// True when bytes without a UTF-16 byte-order mark look like UTF-16 all the same:
// NUL bytes at most of the even positions or most of the odd ones, and few at the
// others, as ASCII text saved as UTF-16 has.
bool looksLikeUnmarkedUtf16(std::string_view bytes);

// True when the bytes are valid UTF-8: no stray or missing continuation bytes, no
// overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes);

// Windows-1252 to UTF-8; the five bytes it leaves undefined map to the same code points.
std::string fromWindows1252(std::string_view bytes);

// Appends a code point as UTF-8.
void appendUtf8(std::string &out, char32_t codePoint);
