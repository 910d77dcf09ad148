#pragma once

#include <optional>
#include <string>

// An environment variable as the desktop gave it (no value: not set), where the program
// set it otherwise for itself: what the program launches gets the desktop's own.
struct DesktopVariable
{
    std::string name;
    std::optional<std::string> value;
};
