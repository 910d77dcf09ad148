#include "tools/check/CountFix.h"

#include "entries/EntryList.h"
#include "entries/FieldReader.h"
#include "entries/TextDecoding.h"

#include <utility>

namespace {

// Where the count's number stands among a text's code units (bytes, or UTF-16 units),
// found as the reader finds the first field: after blanks and blank lines, inside its
// quotes if it has them, blanks around it left where the author put them.
template <typename Units>
std::optional<std::pair<std::size_t, std::size_t>> countSpan(const Units &units, std::size_t at)
{
    const auto blank = [&](std::size_t i) { return units[i] == ' ' || units[i] == '\t'; };
    while (at < units.size() && (blank(at) || units[at] == '\r' || units[at] == '\n'))
        ++at;
    std::size_t end = at;
    if (at < units.size() && units[at] == '"') {
        end = ++at;
        while (end < units.size() && units[end] != '"')
            ++end;
        if (end == units.size())
            return std::nullopt;
    } else {
        while (end < units.size() && units[end] != ',' && units[end] != '\r' && units[end] != '\n')
            ++end;
    }
    std::size_t first = at;
    while (first < end && blank(first))
        ++first;
    std::size_t last = end;
    while (last > first && blank(last - 1))
        --last;
    return std::make_pair(first, last);
}

std::size_t fieldsIn(const std::string &text)
{
    std::size_t fields = 0;
    FieldReader reader(text);
    while (reader.next())
        ++fields;
    return fields;
}

} // namespace

std::string CountMendRefusal(const std::string &bytes)
{
    const std::size_t fields = fieldsIn(decodeInformationText(bytes));
    if (looksLikeUnmarkedUtf16(bytes))
        return "info.txt looks like UTF-16 text without a byte-order mark: save it as UTF-8 (in Notepad: File > Save "
               "As, Encoding UTF-8), then set the count. Nothing was changed.";
    if (fields > 0 && (fields - 1) % 2 == 0 && (fields - 1) / 2 > EntryList::Capacity)
        return "info.txt holds " + std::to_string((fields - 1) / 2) + " entries and the list shows at most "
            + std::to_string(EntryList::Capacity) + ": leave out entries first. Nothing was changed.";
    return "info.txt does not hold whole entries (a file and its description each): its count cannot be set until "
           "that is mended. Nothing was changed.";
}

std::optional<std::string> WithCountOfEntries(const std::string &bytes)
{
    if (looksLikeUnmarkedUtf16(bytes))
        return std::nullopt; // read as 8-bit text, it is not what the author wrote
    const DecodedText decoded = decodeInformationFile(bytes);
    const std::size_t fields = fieldsIn(decoded.text);
    // The start program shows at most 1000 entries: a larger list needs the author, not a count.
    if (fields == 0 || (fields - 1) % 2 != 0 || (fields - 1) / 2 > EntryList::Capacity)
        return std::nullopt;
    const std::string count = std::to_string((fields - 1) / 2);

    const bool bigEndian = decoded.encoding == TextEncoding::Utf16BE;
    if (bigEndian || decoded.encoding == TextEncoding::Utf16LE) {
        // UTF-16 after its mark: the separators are single code units, found without
        // decoding the rest, and the number is written back in the file's own byte order.
        std::u16string units;
        units.reserve(bytes.size() / 2);
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            const auto a = static_cast<unsigned char>(bytes[i]);
            const auto b = static_cast<unsigned char>(bytes[i + 1]);
            units.push_back(static_cast<char16_t>(bigEndian ? (a << 8 | b) : (b << 8 | a)));
        }
        const auto span = countSpan(units, 0);
        // A count that runs to an odd last byte would take its U+FFFD along.
        if (!span || (bytes.size() % 2 != 0 && units.find_first_of(u"\",\r\n", span->second) == std::u16string::npos))
            return std::nullopt;
        std::string digits;
        for (const char digit : count)
            digits += bigEndian ? std::string {'\0', digit} : std::string {digit, '\0'};
        return bytes.substr(0, 2 + 2 * span->first) + digits + bytes.substr(2 + 2 * span->second);
    }

    // 8-bit text: after a byte-order mark (in a file that is UTF-8: in any other, those
    // three bytes are Windows-1252 letters of the count); its separators are the same
    // single bytes in UTF-8 and in Windows-1252, so no other byte needs decoding.
    const std::size_t start = isValidUtf8(bytes) && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    const auto span = countSpan(bytes, start);
    if (!span)
        return std::nullopt;
    return bytes.substr(0, span->first) + count + bytes.substr(span->second);
}
