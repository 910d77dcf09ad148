#include "tools/check/CountFix.h"

#include "entries/FieldReader.h"
#include "entries/TextDecoding.h"

std::optional<std::string> WithCountOfEntries(const std::string &bytes)
{
    std::size_t fields = 0;
    FieldReader reader(decodeInformationText(bytes));
    while (reader.next())
        ++fields;
    // The count is a 16-bit value in the file format.
    if (fields == 0 || (fields - 1) % 2 != 0 || (fields - 1) / 2 > 32767)
        return std::nullopt;
    const std::string count = std::to_string((fields - 1) / 2);

    // The count is the first field, found in the bytes as the reader finds it: after a
    // byte-order mark (in a file that is UTF-8: in any other, those three bytes are
    // Windows-1252 letters of the count), blanks and blank lines; its separators are the
    // same single bytes in UTF-8 and in Windows-1252, so no other byte needs decoding.
    std::size_t at = isValidUtf8(bytes) && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (at < bytes.size() && (bytes[at] == ' ' || bytes[at] == '\t' || bytes[at] == '\r' || bytes[at] == '\n'))
        ++at;
    std::size_t end = at;
    if (at < bytes.size() && bytes[at] == '"') {
        end = bytes.find('"', ++at);
        if (end == std::string::npos)
            return std::nullopt;
    } else {
        while (end < bytes.size() && bytes[end] != ',' && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
    }
    // Only the number is replaced: blanks around it stay where the author put them.
    std::size_t first = at;
    while (first < end && (bytes[first] == ' ' || bytes[first] == '\t'))
        ++first;
    std::size_t last = end;
    while (last > first && (bytes[last - 1] == ' ' || bytes[last - 1] == '\t'))
        --last;
    return bytes.substr(0, first) + count + bytes.substr(last);
}
