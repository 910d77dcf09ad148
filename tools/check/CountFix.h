#pragma once

#include <optional>
#include <string>

// The information file's bytes with its count replaced by the number of entries it
// holds, every other byte as it was; nothing when the file has no count to replace or
// does not hold whole entries.
std::optional<std::string> WithCountOfEntries(const std::string &bytes);
