#pragma once

#include "platform/FolderListing.h"

#include <optional>
#include <string>

// The medium's files as the check reads and writes them. Paths are absolute, UTF-8,
// with "/" separators.
class MediumFiles : public FolderListing
{
public:
    // True when the path is a folder (links followed).
    virtual bool isFolder(const std::string &path) const = 0;
    // True when the path is itself a link to elsewhere (a symbolic link; on Windows also
    // a junction or another reparse point), whatever it leads to.
    virtual bool isLink(const std::string &path) const = 0;
    // True when the desktop hides the file by an attribute of its own (Windows' hidden
    // and system attributes); a leading dot is the check's own rule, not this.
    virtual bool isHidden(const std::string &path) const = 0;
    // The name of the file system that holds the path, as the desktop names it ("vfat",
    // "FAT32", "ext4", "NTFS"...); empty when it cannot be told.
    virtual std::string fileSystemType(const std::string &path) const = 0;
    // Up to maxBytes of a plain file; nothing when it is no readable plain file.
    virtual std::optional<std::string> read(const std::string &path, std::size_t maxBytes) const = 0;
    // Writes the file whole or not at all: into a new file of its own beside it, then
    // renamed over it. `current` is what the file must still hold at that moment, or
    // nothing when there must be no file there (an existing one is never replaced).
    // Empty on success, else why it failed; a failed write leaves nothing behind.
    virtual std::string write(const std::string &path, const std::string &bytes,
                              const std::optional<std::string> &current)
        = 0;
};
