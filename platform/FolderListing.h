#pragma once

#include <string>
#include <vector>

// A read-only look at the file system, for finding a file by the media rules.
class FolderListing
{
public:
    virtual ~FolderListing() = default;
    // True when something (a file or a folder) exists at the absolute path.
    virtual bool exists(const std::string &path) const = 0;
    // The names in a folder, hidden ones included, without "." and ".."; empty when it cannot be read.
    virtual std::vector<std::string> entries(const std::string &folder) const = 0;
};
