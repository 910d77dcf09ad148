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
};

// Lists every file below the medium's folder but what the medium itself carries and
// hidden files: at every level folders first, then files, in natural order without
// regard to letter case; paths with "\"; each description the file's name without its
// extension, cut at a word to what the list shows, with its folder added where two
// would read the same.
WrittenList MakeEntryList(const std::string &mediumDir, const MediumFiles &files);
