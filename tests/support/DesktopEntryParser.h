#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// Reads a desktop entry back by the Desktop Entry rules, to check what was written.
// Texts are UTF-8; every character the rules give a meaning is ASCII.
namespace DesktopEntryParser {

struct Parsed
{
    std::map<std::string, std::string> values; // key -> value with string escapes undone
    std::vector<std::string> keys; // in file order, repeats included
    std::vector<std::string> groups;
    bool wellFormed = true; // every line a group header, a comment or key=value
};

Parsed parse(const std::string &text);

// Splits an Exec value (string escapes already undone) into its arguments; a
// malformed value (an open quote, a bad escape, a lone "%") gives nothing.
std::optional<std::vector<std::string>> execArguments(const std::string &exec);

} // namespace DesktopEntryParser
