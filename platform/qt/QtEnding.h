#pragma once

#include "platform/Ending.h"

// Ends the Qt program: every top-level window closed, the event loop left.
class QtEnding : public Ending
{
public:
    // Closes every top-level window, hidden ones included, and exits the event loop once.
    void endProgram() override;
    // True once endProgram() has run.
    bool hasEnded() const override;

private:
    bool m_ended = false;
};
