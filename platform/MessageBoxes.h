#pragma once

#include <string>

// Modal message boxes.
class MessageBoxes
{
public:
    enum class Icon { Stop, Information, Question };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~MessageBoxes() = default;
    // Shows a modal box (UTF-8 texts, "\n" line feeds) and returns the button pressed (Esc answers No).
    virtual Answer show(Icon icon, Buttons buttons, const std::string &title, const std::string &text) = 0;
};
