#pragma once

#include "platform/MessageBoxes.h"

#include <windows.h>

// MessageBoxW, owned by the main window once it exists.
class Win32MessageBoxes : public MessageBoxes
{
public:
    Answer show(Icon icon, Buttons buttons, const std::string &title, const std::string &text) override;
    // The window that owns the boxes from now on (nullptr: none).
    void setOwner(HWND owner) { m_owner = owner; }

private:
    HWND m_owner = nullptr;
};
