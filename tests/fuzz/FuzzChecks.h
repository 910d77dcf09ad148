#pragma once

#include <string>
#include <string_view>

// The properties the fuzz targets check, shared with the test that replays the
// corpus. Each returns an empty text when the input behaved, or what went wrong.
namespace FuzzChecks {

// Information-file bytes: reading never fails more than twice, keeps the count
// in 16 bits, and every entry the window may show can be read, is valid UTF-8
// and comes from the decoded text; the count mend changes the count alone.
std::string entryReader(std::string_view bytes);

// Information-file bytes, read by the start program's reader and walked by the author's
// check on an empty medium: every line on which the reader fails carries an error of the
// check, and the check's other errors are only of the kinds the reader lets through (a
// negative count, entries after the count, the files named). The count mend's result
// reads back as the same entries, with no failure of the reader and no such error.
std::string checkAgreesWithReader(std::string_view bytes);

// A program folder (UTF-8): the launcher written for it parses back to exactly
// that folder and program, with no extra key, and the first word of its Exec
// line names an existing program before any "%%" is undone.
std::string desktopEntry(std::string_view bytes);

} // namespace FuzzChecks
