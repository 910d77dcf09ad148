#pragma once

#include "platform/MessageBoxes.h"

// QMessageBox, owned by the active window, with plain text.
class QtMessageBoxes : public MessageBoxes
{
public:
    // Shows the box modally; Esc on a Yes/No box answers No.
    Answer show(Icon icon, Buttons buttons, const std::string &title, const std::string &text) override;
};
