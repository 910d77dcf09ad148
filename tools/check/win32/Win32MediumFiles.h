#pragma once

#include "tools/check/StdFolderListing.h"

// The medium's files on Windows: what Explorer hides (the hidden and system
// attributes) is hidden to the check too; junctions are links; a write goes into a
// file made exclusively beside the target and is moved over it only as the caller allows.
class Win32MediumFiles : public StdFolderListing
{
public:
    bool isLink(const std::string &path) const override;
    std::string fileSystemType(const std::string &path) const override;
    bool isHidden(const std::string &path) const override;
    std::string write(const std::string &path, const std::string &bytes,
                      const std::optional<std::string> &current) override;
};
