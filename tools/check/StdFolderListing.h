#pragma once

#include "platform/FolderListing.h"

// The file system through the standard library, for the command-line check on either desktop.
class StdFolderListing : public FolderListing
{
public:
    bool exists(const std::string &path) const override;
    std::vector<std::string> entries(const std::string &folder) const override;
};
