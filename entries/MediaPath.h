#pragma once

#include <string>
#include <vector>

class FolderListing;

// Media are often written on a desktop whose file names ignore case and read here
// from a disc whose names carry a ";1" version mark. These find the file meant,
// on a desktop whose separator is "/".
namespace MediaPath {

// The name with a trailing ";1" disc version mark removed.
std::string withoutVersionMark(const std::string &name);

// True when two names are equal without regard to the case of their letters
// (ASCII and Latin-1 letters; other characters must be equal).
bool equalIgnoringCase(const std::string &a, const std::string &b);

// Picks the entry of a folder listing that a path part names: an exact match wins;
// otherwise the one entry equal to it without regard to case (and with its ";1"
// version mark ignored). Two such entries and no exact one: empty.
std::string matchEntry(const std::string &part, const std::vector<std::string> &entries);

// The existing path that an absolute path names, looked up part by part as above,
// or an empty text when there is none. "." and ".." parts are taken as written.
std::string locate(const std::string &absolutePath, const FolderListing &folders);

} // namespace MediaPath
