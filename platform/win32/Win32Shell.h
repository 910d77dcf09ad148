#pragma once

#include "platform/Shell.h"

// ShellExecuteExW with the default verb; never through cmd.exe.
class Win32Shell : public Shell
{
public:
    Result run(const std::string &target) override;
};
