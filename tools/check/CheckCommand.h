#pragma once

#include <string>
#include <vector>

class FolderListing;
class MediumFiles;

// Where the console run writes: findings to standard output, the summary and
// messages to standard error.
class CheckOutput
{
public:
    virtual ~CheckOutput() = default;
    // Writes to standard output.
    virtual void out(const std::string &text) = 0;
    // Writes to standard error.
    virtual void err(const std::string &text) = 0;
};

// The information file of a medium folder as the start program finds it: "info.txt"
// as written, else the one name equal to it without regard to letter case or a disc's
// ";1" (INFO.TXT;1); empty when there is none. Paths use "/".
std::string InformationFileOf(const std::string &mediumDir, const FolderListing &files);

// Every name in the folder that a disc or a FAT stick would take for `name` too: the
// same without regard to letter case or a disc's ";1".
std::vector<std::string> NamesAlike(const std::string &folder, const std::string &name, const FolderListing &files);

// The medium folder that a path given by the author means: a folder itself, or the
// folder of an "info.txt" in it; empty when it is neither. Paths use "/".
std::string MediumFolderOf(const std::string &path, const MediumFiles &files);

// The path joined to the current folder unless it is absolute ("/x", "C:/x", "//host/x").
std::string AbsolutePath(const std::string &path, const std::string &currentDir);

// startprogram-check [--console] [DIR | --make-list DIR | --set-count DIR | -h]: the
// arguments (UTF-8, "/" separators, the program's name left out), the exit status.
int RunCheckCommand(const std::vector<std::string> &arguments, const std::string &currentDir, MediumFiles &files,
                    CheckOutput &output);

// Writes DIR/info.txt listing every document; an existing file (in any letter case) is
// never replaced.
// Returns what to tell the author, and whether it was written.
struct MendResult
{
    bool done = false;
    std::string message;
};
MendResult WriteEntryList(const std::string &mediumDir, MediumFiles &files);

// Writes the number of entries DIR/info.txt holds as its count, changing no other byte:
// only when a check of the file as it is now finds the count its only error, and only
// if the file still holds those bytes when the new one takes its place.
MendResult WriteCountOfEntries(const std::string &mediumDir, MediumFiles &files);
