#include "entries/MediaPath.h"

#include "platform/FolderListing.h"

#include <algorithm>
#include <cstdint>

namespace MediaPath {

namespace {

// Folds ASCII and Latin-1 capitals (U+00C0..U+00DE but U+00D7) to small letters, so
// that "LÆS MIG.HTM" finds "Læs mig.htm"; other characters are kept as they are.
std::u32string folded(const std::string &utf8)
{
    std::u32string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<std::uint8_t>(utf8[i]);
        char32_t c = b;
        std::size_t length = 1;
        if (b >= 0xC0 && b < 0xE0 && i + 1 < utf8.size())
            c = ((b & 0x1F) << 6) | (static_cast<std::uint8_t>(utf8[i + 1]) & 0x3F), length = 2;
        else if (b >= 0xE0) // longer sequences need no folding here: compare them byte for byte
            c = 0x110000 + b;
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
            c += 0x20;
        out += c;
        i += length;
    }
    return out;
}

} // namespace

std::string withoutVersionMark(const std::string &name)
{
    if (name.size() >= 2 && name.compare(name.size() - 2, 2, ";1") == 0)
        return name.substr(0, name.size() - 2);
    return name;
}

bool equalIgnoringCase(const std::string &a, const std::string &b)
{
    return folded(a) == folded(b);
}

std::string matchEntry(const std::string &part, const std::vector<std::string> &entries)
{
    if (std::find(entries.begin(), entries.end(), part) != entries.end())
        return part;
    std::string found;
    for (const std::string &entry : entries) {
        if (!equalIgnoringCase(entry, part) && !equalIgnoringCase(withoutVersionMark(entry), part))
            continue;
        if (!found.empty() && found != entry)
            return {}; // ambiguous: "Readme" and "README" both answer "readme"
        found = entry;
    }
    return found;
}

std::string locate(const std::string &absolutePath, const FolderListing &folders)
{
    if (absolutePath.empty() || absolutePath.front() != '/')
        return {};
    if (folders.exists(absolutePath))
        return absolutePath;

    std::string current = "/";
    std::size_t start = 1;
    while (start <= absolutePath.size()) {
        std::size_t end = absolutePath.find('/', start);
        if (end == std::string::npos)
            end = absolutePath.size();
        const std::string part = absolutePath.substr(start, end - start);
        start = end + 1;
        if (part.empty())
            continue;
        const std::string base = current == "/" ? current : current + '/';
        std::string next = base + part;
        if (part != "." && part != ".." && !folders.exists(next)) {
            const std::string match = matchEntry(part, folders.entries(current));
            if (match.empty())
                return {};
            next = base + match;
        }
        current = next;
    }
    return folders.exists(current) ? current : std::string();
}

} // namespace MediaPath
