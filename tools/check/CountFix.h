#pragma once

#include <optional>
#include <string>

// The information file's bytes with its count replaced by the number of entries it
// holds, every other byte as it was; nothing when the file has no count to replace or
// does not hold whole entries, holds more than the 1000 the start program shows, or
// looks like UTF-16 without a byte-order mark. A UTF-16 file stays UTF-16 with its mark.
std::optional<std::string> WithCountOfEntries(const std::string &bytes);

// Why WithCountOfEntries gives nothing for these bytes, in an author's words, ending in
// "Nothing was changed."
std::string CountMendRefusal(const std::string &bytes);
