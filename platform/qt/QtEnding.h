#pragma once

#include "platform/Ending.h"

class QtEnding : public Ending
{
public:
    void endProgram() override;
    bool hasEnded() const override;

private:
    bool m_ended = false;
};
