#pragma once

#include "tools/check/StdFolderListing.h"

// The medium's files on Linux: a write goes into a file made exclusively beside the
// target and is renamed over it only as the caller allows.
class PosixMediumFiles : public StdFolderListing
{
public:
    std::string write(const std::string &path, const std::string &bytes,
                      const std::optional<std::string> &current) override;
    // From the kernel's table of this process's mounts.
    std::string fileSystemType(const std::string &path) const override;

private:
    std::string replace(const std::string &temporary, const std::string &path, const std::string &current) const;
    static std::string placeNew(const std::string &temporary, const std::string &path);
};
