#pragma once

#include "platform/FolderListing.h"

// The real file system, for finding files of a medium by the media rules.
class QtFolderListing : public FolderListing
{
public:
    // True when a file, a folder or anything else exists at the path (links followed).
    bool exists(const std::string &path) const override;
    // Every name in the folder, hidden and system ones too, without "." and "..".
    std::vector<std::string> entries(const std::string &folder) const override;
};
