#pragma once

#include <string>
#include <string_view>

namespace FuzzChecks {

// Settings-file bytes (any program may have written the file), then a zero byte, then
// a value: writing the value under the program's own section and key reads back
// exactly, writing it again changes nothing, and every other key of the file reads
// as it did before. Empty when the file behaved, or what went wrong.
std::string settingsFile(std::string_view bytes);

} // namespace FuzzChecks
