#pragma once

#include "platform/Shell.h"

// ShellExecuteExW with the default verb; never through cmd.exe.
class Win32Shell : public Shell
{
public:
    Result run(const std::string &target) override;

    // True for a Windows error code that means the target is not there: a missing file
    // or folder, or a medium that has gone away since the program started (a disc
    // taken out, a share or a drive that no longer exists).
    static bool isMissing(unsigned long error);
};
