#pragma once

#include "tools/check/StdFolderListing.h"

// The medium's files on Windows: what Explorer hides (the hidden and system
// attributes) is hidden to the check too.
class Win32MediumFiles : public StdFolderListing
{
public:
    bool isHidden(const std::string &path) const override;
};
