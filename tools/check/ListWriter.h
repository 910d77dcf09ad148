#pragma once

#include <string>
#include <vector>

class MediumFiles;

// The information file that lists every document on a medium.
struct WrittenList
{
    std::string bytes; // UTF-8 with a byte-order mark, CR LF line ends
    int entries = 0;
    // Said to the author: names left out because the format cannot carry them.
    std::vector<std::string> notes;
    // Not empty when no list may be written (more documents than the list shows): why.
    std::string refusal;
};

// Lists every file below the medium's folder but what the medium itself carries, hidden
// files and the folders Windows keeps on every drive: at every level folders first, then
// files, in natural order without regard to letter case; paths with "\"; links to
// folders are not followed. Each description is the file's name without its extension,
// cut at a word to what the list shows, with its folder added where two would read the
// same (the whole name where they share the folder, a number where even that is not
// enough), so that no two read the same. Names the format cannot carry are left out
// and named in the notes; more documents than the list shows are refused.
WrittenList MakeEntryList(const std::string &mediumDir, const MediumFiles &files);
