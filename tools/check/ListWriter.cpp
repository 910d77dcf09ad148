#include "tools/check/ListWriter.h"

#include "entries/LoadEntryList.h"
#include "texts/ProductTexts.h"
#include "tools/check/MediumFiles.h"
#include "tools/check/Names.h"
#include "tools/check/StartPage.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace {

// About what the list shows in its 449 pixels.
constexpr std::size_t LongestDescription = 80;

struct Document
{
    std::string path; // below the medium, with "\"
    std::string folder; // the same, of its folder; empty at the top
    std::string description;
};

// What the medium itself carries at its top, never a document of its own.
bool isPartOfMedium(const std::string &name)
{
    static const char *const parts[] = {"startprogram.exe",
                                        "startprogram",
                                        "startprogram-check.exe",
                                        "startprogram-check",
                                        "linux",
                                        "qt.conf",
                                        "autorun.inf",
                                        "autorun.sh",
                                        "THIRD-PARTY-NOTICES.txt",
                                        "licenses",
                                        InformationFileName,
                                        ProductTexts::UsagePage};
    const std::u32string key = Names::folded(name);
    return std::any_of(std::begin(parts), std::end(parts),
                       [&](const char *part) { return Names::folded(part) == key; });
}

std::size_t characters(const std::string &utf8)
{
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<std::uint8_t>(c) & 0xC0) != 0x80; }));
}

// At most `limit` characters, cut after the last whole word that fits (or mid-word when
// one word is longer than the limit).
std::string cutAtWord(const std::string &text, std::size_t limit)
{
    if (characters(text) <= limit)
        return text;
    std::size_t bytes = 0;
    for (std::size_t chars = 0; bytes < text.size(); ++bytes) {
        if ((static_cast<std::uint8_t>(text[bytes]) & 0xC0) != 0x80 && chars++ == limit)
            break;
    }
    const std::size_t blank = text.rfind(' ', bytes);
    std::string cut = text.substr(0, blank != std::string::npos && blank > 0 ? blank : bytes);
    while (!cut.empty() && cut.back() == ' ')
        cut.pop_back();
    return cut;
}

std::string stem(const std::string &name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

class Lister
{
public:
    Lister(const MediumFiles &files, WrittenList &list)
        : m_files(files)
        , m_list(list)
    { }

    static std::string joined(const std::string &folder, const std::string &name, char separator)
    {
        std::string path = folder;
        if (!path.empty() && path.back() != separator)
            path += separator;
        path += name;
        return path;
    }

    void walk(const std::string &folder, const std::string &relative)
    {
        std::vector<std::string> folders;
        std::vector<std::string> documents;
        for (const std::string &name : m_files.entries(folder)) {
            const std::string path = joined(folder, name, '/');
            if (name.front() == '.' || m_files.isHidden(path)
                || (relative.empty() && (isPartOfMedium(name) || StartPage::isOwnPageAt(path, m_files))))
                continue;
            (m_files.isFolder(path) ? folders : documents).push_back(name);
        }
        std::sort(folders.begin(), folders.end(), Names::naturalLess);
        std::sort(documents.begin(), documents.end(), Names::naturalLess);
        for (const std::string &name : folders)
            walk(joined(folder, name, '/'), joined(relative, name, '\\'));
        for (const std::string &name : documents) {
            const std::string path = joined(relative, name, '\\');
            if (path.find('"') != std::string::npos) {
                m_list.notes.push_back("left out \"" + path
                                       + "\": a double quote cannot stand in a name in info.txt; rename the file");
                continue;
            }
            m_documents.push_back({path, relative, stem(name)});
        }
    }

    std::vector<Document> &documents() { return m_documents; }

private:
    const MediumFiles &m_files;
    WrittenList &m_list;
    std::vector<Document> m_documents;
};

std::string field(const std::string &text)
{
    return '"' + text + '"';
}

} // namespace

WrittenList MakeEntryList(const std::string &mediumDir, const MediumFiles &files)
{
    WrittenList list;
    Lister lister(files, list);
    lister.walk(mediumDir.empty() ? "/" : mediumDir, {});
    std::vector<Document> &documents = lister.documents();

    // Two documents that would read the same each get their folder, or the whole name
    // when they share the folder too.
    std::map<std::u32string, int> seen;
    for (const Document &document : documents)
        ++seen[Names::folded(cutAtWord(document.description, LongestDescription))];
    std::map<std::u32string, int> seenWithFolder;
    for (Document &document : documents) {
        if (seen[Names::folded(cutAtWord(document.description, LongestDescription))] < 2) {
            document.description = cutAtWord(document.description, LongestDescription);
            continue;
        }
        ++seenWithFolder[Names::folded(document.description + '\\' + document.folder)];
    }
    for (Document &document : documents) {
        if (seen[Names::folded(cutAtWord(document.description, LongestDescription))] < 2
            && characters(document.description) <= LongestDescription)
            continue;
        const bool sameFolder = seenWithFolder[Names::folded(document.description + '\\' + document.folder)] > 1;
        const std::string name
            = sameFolder ? document.path.substr(document.path.rfind('\\') + 1) : document.description;
        const std::string where
            = sameFolder ? std::string() : " (" + (document.folder.empty() ? "top folder" : document.folder) + ")";
        document.description = cutAtWord(name, LongestDescription - characters(where)) + where;
    }

    list.entries = static_cast<int>(documents.size());
    list.bytes = "\xEF\xBB\xBF" + std::to_string(list.entries) + "\r\n";
    for (const Document &document : documents)
        list.bytes += field(document.path) + ',' + field(document.description) + "\r\n";
    return list;
}
