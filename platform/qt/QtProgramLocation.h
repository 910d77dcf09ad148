#pragma once

#include "platform/ProgramLocation.h"

// The running executable's own folder and file name, links resolved.
class QtProgramLocation : public ProgramLocation
{
public:
    QString programDir() const override;
    QString programFileName() const override;
};
