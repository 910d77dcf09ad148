#pragma once

#include "platform/ProgramLocation.h"

// The running executable's own folder and file name, links resolved.
class QtProgramLocation : public ProgramLocation
{
public:
    // applicationDirPath(): no trailing "/" except at the root.
    std::string programDir() const override;
    // The executable's actual file name.
    std::string programFileName() const override;
    // Always '/' on this desktop.
    char separator() const override { return '/'; }
};
