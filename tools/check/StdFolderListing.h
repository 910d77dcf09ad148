#pragma once

#include "tools/check/MediumFiles.h"

// The file system through the standard library, for the check on either desktop.
class StdFolderListing : public MediumFiles
{
public:
    bool exists(const std::string &path) const override;
    std::vector<std::string> entries(const std::string &folder) const override;
    bool isFolder(const std::string &path) const override;
    bool isHidden(const std::string &path) const override;
    std::optional<std::string> read(const std::string &path, std::size_t maxBytes) const override;
    std::string write(const std::string &path, const std::string &bytes, bool mustBeNew) override;
};
