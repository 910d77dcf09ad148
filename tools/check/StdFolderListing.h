#pragma once

#include "tools/check/MediumFiles.h"

// The file system through the standard library, for the check on either desktop; each
// desktop writes through its own calls (a file made exclusively, a rename that never
// replaces), so `write` is theirs.
class StdFolderListing : public MediumFiles
{
public:
    bool exists(const std::string &path) const override;
    std::vector<std::string> entries(const std::string &folder) const override;
    bool isFolder(const std::string &path) const override;
    bool isLink(const std::string &path) const override;
    bool isHidden(const std::string &path) const override;
    std::string fileSystemType(const std::string &path) const override;
    std::optional<std::string> read(const std::string &path, std::size_t maxBytes) const override;

protected:
    // A path beside `path` for the file being written: hidden by its leading dot, and
    // random, so that a name an author chose is never taken; the caller creates it
    // exclusively and draws again when it exists.
    static std::string temporaryBeside(const std::string &path);
    // True when the file holds exactly these bytes.
    bool holds(const std::string &path, const std::string &bytes) const;
};
