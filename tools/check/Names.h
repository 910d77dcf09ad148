#pragma once

#include <string>
#include <vector>

// File names as Windows, FAT sticks and discs take them.
namespace Names {

// The text with every capital of the common alphabets (Latin, Greek, Cyrillic) folded
// to its small letter, as Windows compares names; bytes that are no UTF-8 are kept apart.
std::u32string folded(const std::string &utf8);

// Natural order without regard to letter case: "2" before "10", "æble" beside "Æble".
bool naturalLess(const std::string &a, const std::string &b);

// The length in UTF-16 units, as Windows and Joliet count a name.
std::size_t windowsLength(const std::string &utf8);

// The device name that Windows reserves and a name stands for, with any extension
// ("CON" for "con.txt"); empty when the name is free.
std::string reservedDevice(const std::string &name);

// What keeps one name (a path's part) from standing on Windows, a FAT stick or a
// disc, each said as the author's advice naming it; empty when the name is fine.
std::vector<std::string> problems(const std::string &name);

// The longest whole path, in characters, that still fits Windows' 260 under a
// recipient's drive letter and folder.
inline constexpr std::size_t LongestPath = 240;

} // namespace Names
