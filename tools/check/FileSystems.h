#pragma once

#include <string>
#include <string_view>

// Which file system holds a medium, and what it means for recipients.
namespace FileSystems {

// The type of the file system mounted where the path lies, read from the text of Linux's
// /proc/self/mountinfo: the mount with the longest mount point above the path, the last
// one listed where mounts are stacked. The path is absolute with "/" separators and its
// links resolved. Empty when no mount holds it.
std::string typeFromMountInfo(std::string_view mountInfo, const std::string &path);

// True for the FAT file systems (FAT12, FAT16 and FAT32), by the name Linux's mount table
// or Windows' volume information gives them. exFAT is not one: Linux shows its files as
// executable.
bool isFat(const std::string &type);

} // namespace FileSystems
