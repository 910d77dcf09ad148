#pragma once

#include <QString>

// Modal message boxes.
class MessageBoxes
{
public:
    enum class Icon { Stop, Information, Question };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~MessageBoxes() = default;
    // Shows a modal box and returns the button pressed (Esc answers No).
    virtual Answer show(Icon icon, Buttons buttons, const QString &title, const QString &text) = 0;
};
