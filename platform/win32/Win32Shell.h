#pragma once

#include "platform/Shell.h"

// ShellExecuteExW with the default verb; never through cmd.exe.
class Win32Shell : public Shell
{
public:
    Result run(const std::string &target) override;

    // True for a web or mail address: a scheme of two or more characters before ":"
    // ("http:", "mailto:"), so that a drive letter ("C:") is a path.
    static bool isAddress(const std::string &target);
};
