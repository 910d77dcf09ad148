#pragma once

#include "platform/Ending.h"

// Destroys every window of the program's thread (the main window, the hidden artwork
// window, any open message box) and leaves the message loop.
class Win32Ending : public Ending
{
public:
    void endProgram() override;
    bool hasEnded() const override { return m_ended; }

private:
    bool m_ended = false;
};
