#pragma once

#include "entries/EntryList.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class FileReader;
class MessageBoxes;
class TextTable;

// The information file beside the program.
inline constexpr char InformationFileName[] = "info.txt";

// How much of the file is read: a thousand entries fit many times over, and a
// file of gigabytes cannot exhaust the memory.
inline constexpr std::size_t MaxInformationFileBytes = 64 * 1024 * 1024;

// The information-file error box: row 13, a blank line, row 14, then row 15.
std::string informationFileErrorText(const TextTable &texts, int languageIndex);

// The count field as a 16-bit whole number; nothing when it is not one.
std::optional<std::int16_t> parseEntryCount(const std::string &field);

// Reads the entries from the information file's bytes; onFailure runs once for
// each step that fails (at most twice: the count, then the first entry that
// cannot be read).
EntryList ReadEntryList(std::string_view bytes, const std::function<void()> &onFailure);

// The same, with the line each failure is about: the count's line (1 when the
// file holds no field) for a count that cannot be read or asks for more than
// 1000 entries, the line of the last field read for an entry the file lacks.
EntryList ReadEntryList(std::string_view bytes, const std::function<void(int line)> &onFailureAt);

// Reads "info.txt" from the program's folder. Each step that fails shows the
// information-file error once and the reading goes on with the next step: a
// missing file gives two messages (open, count), an empty one gives one. When an
// entry cannot be read (the file has ended, or the position is above 1000) one
// message is shown and the reading stops, since every later position would fail
// the same way. The count is kept as the file states it.
EntryList LoadEntryList(const std::string &programDir, char separator, const TextTable &texts, int languageIndex,
                        MessageBoxes &messages, const FileReader &files);
