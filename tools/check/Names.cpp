#include "tools/check/Names.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace Names {

namespace {

// The small letter of a capital in Latin (with its extensions), Greek and Cyrillic.
char32_t smallLetter(char32_t c)
{
    const auto evenCapital = [](char32_t x) { return x | 1; }; // Ā ā, Ą ą ...
    const auto oddCapital = [](char32_t x) { return (x & 1) ? x + 1 : x; }; // Ĺ ĺ, Ź ź ...
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + 0x20 : c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 0x20;
    if ((c >= 0x100 && c <= 0x137 && c != 0x130) || (c >= 0x14A && c <= 0x177))
        return evenCapital(c);
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
        return oddCapital(c);
    if (c == 0x178)
        return 0xFF;
    if (c == 0x386)
        return 0x3AC;
    if (c >= 0x388 && c <= 0x38A)
        return c + 0x25;
    if (c == 0x38C)
        return 0x3CC;
    if (c == 0x38E || c == 0x38F)
        return c + 0x3F;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2)
        return c + 0x20;
    if (c == 0x3C2) // final sigma
        return 0x3C3;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    if (c >= 0x410 && c <= 0x42F)
        return c + 0x20;
    if ((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) || (c >= 0x4D0 && c <= 0x52F)
        || (c >= 0x1E00 && c <= 0x1E95) || (c >= 0x1EA0 && c <= 0x1EFF))
        return evenCapital(c);
    if (c >= 0x4C1 && c <= 0x4CE)
        return oddCapital(c);
    if (c >= 0xFF21 && c <= 0xFF3A)
        return c + 0x20;
    return c;
}

// The code points of UTF-8 text; a byte that starts no valid sequence stands for itself
// above the Unicode range.
std::u32string codePoints(const std::string &utf8)
{
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<std::uint8_t>(utf8[i]);
        const std::size_t length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        char32_t c = length == 1 ? b : length == 2 ? (b & 0x1F) : length == 3 ? (b & 0x0F) : (b & 0x07);
        bool valid = length > 0 && i + length <= utf8.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(utf8[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!valid) {
            out += char32_t(0x110000 + b);
            ++i;
            continue;
        }
        out += c;
        i += length;
    }
    return out;
}

bool isDigit(char32_t c)
{
    return c >= '0' && c <= '9';
}

// The stem of a name as Windows reserves device names: up to the first dot, blanks dropped.
std::string deviceStem(const std::string &name)
{
    std::string stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ')
        stem.pop_back();
    std::transform(stem.begin(), stem.end(), stem.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; });
    return stem;
}

} // namespace

std::u32string folded(const std::string &utf8)
{
    std::u32string text = codePoints(utf8);
    std::transform(text.begin(), text.end(), text.begin(), smallLetter);
    return text;
}

bool naturalLess(const std::string &a, const std::string &b)
{
    const std::u32string x = folded(a);
    const std::u32string y = folded(b);
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < x.size() && j < y.size()) {
        if (isDigit(x[i]) && isDigit(y[j])) {
            // Runs of digits compare as numbers: without leading zeros, the longer is larger.
            std::size_t endX = i;
            std::size_t endY = j;
            while (endX < x.size() && isDigit(x[endX]))
                ++endX;
            while (endY < y.size() && isDigit(y[endY]))
                ++endY;
            std::size_t startX = i;
            std::size_t startY = j;
            while (startX + 1 < endX && x[startX] == '0')
                ++startX;
            while (startY + 1 < endY && y[startY] == '0')
                ++startY;
            if (endX - startX != endY - startY)
                return endX - startX < endY - startY;
            const int order = x.compare(startX, endX - startX, y, startY, endY - startY);
            if (order != 0)
                return order < 0;
            i = endX;
            j = endY;
            continue;
        }
        if (x[i] != y[j])
            return x[i] < y[j];
        ++i;
        ++j;
    }
    if (i < x.size() || j < y.size())
        return j < y.size();
    return a < b; // equal but for case or leading zeros: a fixed order all the same
}

std::size_t windowsLength(const std::string &utf8)
{
    std::size_t length = 0;
    for (const char32_t c : codePoints(utf8))
        length += (c >= 0x10000 && c < 0x110000) ? 2 : 1;
    return length;
}

std::string reservedDevice(const std::string &name)
{
    static const std::array<std::string, 4> devices = {"CON", "PRN", "AUX", "NUL"};
    const std::string stem = deviceStem(name);
    const bool numbered = stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0)
        && stem[3] >= '1' && stem[3] <= '9';
    return numbered || std::find(devices.begin(), devices.end(), stem) != devices.end() ? stem : std::string();
}

std::vector<std::string> problems(const std::string &name)
{
    std::vector<std::string> found;
    const std::string quoted = '"' + name + '"';
    for (const char c : name) {
        static constexpr char forbidden[] = "<>:\"|?*";
        const bool control = static_cast<std::uint8_t>(c) < 0x20;
        if (control || std::find(std::begin(forbidden), std::end(forbidden) - 1, c) != std::end(forbidden) - 1) {
            found.push_back(
                quoted + (control ? std::string(" holds a control character") : " holds \"" + std::string(1, c) + '"')
                + ", which Windows, FAT sticks and discs cannot hold in a name: rename it");
            break;
        }
    }
    if (!name.empty() && (name.back() == '.' || name.back() == ' '))
        found.push_back(quoted + " ends in a dot or a space, which Windows drops: rename it");
    if (const std::string device = reservedDevice(name); !device.empty())
        found.push_back(quoted + ": Windows reserves the name " + device
                        + " for a device, with any extension: rename it");
    if (windowsLength(name) > 64)
        found.push_back(quoted + " has " + std::to_string(windowsLength(name))
                        + " characters and a disc holds 64 in a name: shorten it");
    return found;
}

} // namespace Names
