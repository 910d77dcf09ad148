#include "entries/TextDecoding.h"

#include <algorithm>
#include <cstdint>

namespace {

// The UTF-8 byte-order mark.
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
// The UTF-16 byte-order marks.
constexpr std::string_view LittleEndianMark = "\xFF\xFE";
constexpr std::string_view BigEndianMark = "\xFE\xFF";

constexpr char32_t Replacement = 0xFFFD;

// UTF-16 after its mark to UTF-8; what cannot be read becomes U+FFFD.
DecodedText fromUtf16(std::string_view bytes, bool bigEndian)
{
    DecodedText decoded;
    decoded.encoding = bigEndian ? TextEncoding::Utf16BE : TextEncoding::Utf16LE;
    decoded.text.reserve(bytes.size() / 2 + bytes.size() / 8);
    const auto unit = [&](std::size_t at) {
        const auto a = static_cast<std::uint8_t>(bytes[at]);
        const auto b = static_cast<std::uint8_t>(bytes[at + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
    };
    const auto replace = [&] {
        decoded.replacements.push_back(decoded.text.size());
        appendUtf8(decoded.text, Replacement);
    };
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(decoded.text, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        if (u >= 0xD800 && u <= 0xDFFF)
            replace();
        else
            appendUtf8(decoded.text, u);
    }
    if (i < bytes.size()) // half a code unit at the end
        replace();
    return decoded;
}

} // namespace

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool isValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        const auto b = static_cast<std::uint8_t>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t c = 0;
        char32_t least = 0;
        if ((b & 0xE0) == 0xC0) {
            length = 2, c = b & 0x1F, least = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            length = 3, c = b & 0x0F, least = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            length = 4, c = b & 0x07, least = 0x10000;
        } else {
            return false; // a continuation byte without a lead, or 0xF8..0xFF
        }
        if (n - i < length)
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (next & 0x3F);
        }
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::string fromWindows1252(std::string_view bytes)
{
    // 0x80..0x9F differ from Latin-1; 0x81, 0x8D, 0x8F, 0x90 and 0x9D are unassigned.
    static constexpr char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    for (const char ch : bytes) {
        const auto b = static_cast<std::uint8_t>(ch);
        appendUtf8(text, (b >= 0x80 && b < 0xA0) ? char32_t(high[b - 0x80]) : char32_t(b));
    }
    return text;
}

DecodedText decodeInformationFile(std::string_view bytes)
{
    if (bytes.substr(0, 2) == LittleEndianMark || bytes.substr(0, 2) == BigEndianMark)
        return fromUtf16(bytes.substr(2), bytes[0] == BigEndianMark[0]);
    DecodedText decoded;
    if (isValidUtf8(bytes)) {
        if (bytes.substr(0, ByteOrderMark.size()) == ByteOrderMark)
            bytes.remove_prefix(ByteOrderMark.size());
        decoded.text = std::string(bytes);
    } else {
        decoded.encoding = TextEncoding::Windows1252;
        decoded.text = fromWindows1252(bytes);
    }
    return decoded;
}

std::string decodeInformationText(std::string_view bytes)
{
    return decodeInformationFile(bytes).text;
}

bool looksLikeUnmarkedUtf16(std::string_view bytes)
{
    if (bytes.substr(0, 2) == LittleEndianMark || bytes.substr(0, 2) == BigEndianMark)
        return false;
    // The first few thousand bytes tell as well as the whole file would.
    const std::size_t pairs = std::min<std::size_t>(bytes.size(), 4096) / 2;
    std::size_t even = 0;
    std::size_t odd = 0;
    for (std::size_t i = 0; i < pairs; ++i) {
        even += bytes[2 * i] == '\0' ? 1 : 0;
        odd += bytes[2 * i + 1] == '\0' ? 1 : 0;
    }
    const std::size_t most = std::max(even, odd);
    const std::size_t fewest = std::min(even, odd);
    return pairs > 0 && 2 * most >= pairs && 4 * fewest < most;
}
