#include "tools/check/ListWriter.h"

#include "entries/EntryList.h"
#include "entries/LoadEntryList.h"
#include "entries/TextDecoding.h"
#include "texts/ProductTexts.h"
#include "tools/check/MediumFiles.h"
#include "tools/check/Names.h"
#include "tools/check/StartPage.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>

namespace {

// About what the list shows in its 449 pixels.
constexpr std::size_t LongestDescription = 80;

struct Document
{
    std::string path; // below the medium, with "\"
    std::string folder; // the same, of its folder; empty at the top
    std::string description;
};

// What the medium itself carries at its top, never a document of its own; linux and qt.conf
// are an older medium's Qt, which the check reports as left over: never listed either.
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

// At most `limit` characters, its start and its end kept with "…" between them: where
// long names differ only near their end, that end tells them apart.
std::string cutInMiddle(const std::string &text, std::size_t limit)
{
    std::vector<std::size_t> starts; // the byte where each character starts
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<std::uint8_t>(text[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    if (starts.size() <= limit || limit < 3)
        return starts.size() <= limit ? text : cutAtWord(text, limit);
    const std::size_t tail = (limit - 1) / 2;
    const std::size_t head = limit - 1 - tail;
    return text.substr(0, starts[head]) + "\xE2\x80\xA6" + text.substr(starts[starts.size() - tail]);
}

// The text cut at a word so that the suffix fits after it within the list's width.
std::string withSuffix(const std::string &text, const std::string &suffix)
{
    return cutAtWord(text, LongestDescription - std::min(characters(suffix), LongestDescription)) + suffix;
}

// Two descriptions a recipient cannot tell apart have the same key.
std::u32string key(const std::string &description)
{
    const std::size_t first = description.find_first_not_of(' ');
    const std::size_t last = description.find_last_not_of(' ');
    return first == std::string::npos ? std::u32string() : Names::folded(description.substr(first, last - first + 1));
}

// The folders Windows keeps on every drive it has written to: no documents.
bool isSystemFolder(const std::string &name)
{
    static const char *const folders[] = {"System Volume Information", "$RECYCLE.BIN", "RECYCLER"};
    const std::u32string folded = Names::folded(name);
    return std::any_of(std::begin(folders), std::end(folders),
                       [&](const char *folder) { return Names::folded(folder) == folded; });
}

// A name the format cannot carry: why, for the author; empty when it can.
std::string unfit(const std::string &name)
{
    if (!isValidUtf8(name))
        return "its name is not UTF-8 text (as in a zip made on an older Windows); rename it";
    if (name.find('"') != std::string::npos)
        return "a double quote cannot stand in a name in info.txt; rename the file";
    if (name.find('\\') != std::string::npos)
        return "a backslash in info.txt separates folders, so it cannot stand in a name; rename it";
    if (std::any_of(name.begin(), name.end(), [](char c) { return static_cast<std::uint8_t>(c) < 0x20; }))
        return "a line break or another control character cannot stand in a name in info.txt; rename it";
    return {};
}

// The name as the author's screen can show it: bytes that are no UTF-8 read as Windows-1252.
std::string shown(const std::string &name)
{
    return isValidUtf8(name) ? name : fromWindows1252(name);
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
            if (name.front() == '.' || isSystemFolder(name) || m_files.isHidden(path)
                || (relative.empty() && (isPartOfMedium(name) || StartPage::isOwnPageAt(path, m_files)))
                || !m_files.exists(path))
                continue;
            const bool isFolder = m_files.isFolder(path);
            const std::string why = isFolder && m_files.isLink(path)
                ? "it is a link to a folder, which is not followed; list the folder where it lies"
                : unfit(name);
            if (!why.empty()) {
                m_list.notes.push_back("left out \"" + shown(joined(relative, name, '\\')) + (isFolder ? "\\" : "")
                                       + "\": " + why);
                continue;
            }
            (isFolder ? folders : documents).push_back(name);
        }
        std::sort(folders.begin(), folders.end(), Names::naturalLess);
        std::sort(documents.begin(), documents.end(), Names::naturalLess);
        for (const std::string &name : folders)
            walk(joined(folder, name, '/'), joined(relative, name, '\\'));
        for (const std::string &name : documents) {
            const std::string description = stem(name);
            m_documents.push_back(
                {joined(relative, name, '\\'), relative, key(description).empty() ? name : description});
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

    if (documents.size() > static_cast<std::size_t>(EntryList::Capacity)) {
        list.refusal = mediumDir + " holds " + std::to_string(documents.size())
            + " documents, but the list shows at most " + std::to_string(EntryList::Capacity)
            + " entries (the start program shows an error at every start for more): put some on a medium of "
              "their own.";
        return list;
    }

    // Two documents that would read the same each get their folder, or the whole name
    // when they share the folder too.
    std::map<std::u32string, std::vector<Document *>> alike;
    for (Document &document : documents) {
        document.description = cutAtWord(document.description, LongestDescription);
        alike[key(document.description)].push_back(&document);
    }
    for (auto &[description, group] : alike) {
        if (group.size() < 2)
            continue;
        for (Document *document : group) {
            const bool sameFolder
                = std::count_if(group.begin(), group.end(),
                                [&](const Document *other) {
                                    return Names::folded(other->folder) == Names::folded(document->folder);
                                })
                > 1;
            const std::string name = document->path.substr(document->path.rfind('\\') + 1);
            document->description = sameFolder
                ? cutInMiddle(name, LongestDescription)
                : withSuffix(stem(name),
                             " ("
                                 + cutInMiddle(document->folder.empty() ? "top folder" : document->folder,
                                               LongestDescription / 2)
                                 + ")");
        }
    }
    // Where even that reads the same, the later ones are numbered.
    std::map<std::u32string, int> uses;
    for (const Document &document : documents)
        ++uses[key(document.description)];
    std::set<std::u32string> taken;
    for (const Document &document : documents)
        if (uses[key(document.description)] == 1)
            taken.insert(key(document.description));
    for (Document &document : documents) {
        if (uses[key(document.description)] == 1)
            continue;
        std::string description = document.description;
        for (int number = 2; taken.count(key(description)) > 0; ++number)
            description = withSuffix(document.description, " (" + std::to_string(number) + ")");
        taken.insert(key(description));
        document.description = description;
    }

    list.entries = static_cast<int>(documents.size());
    list.bytes = "\xEF\xBB\xBF" + std::to_string(list.entries) + "\r\n";
    for (const Document &document : documents)
        list.bytes += field(document.path) + ',' + field(document.description) + "\r\n";
    return list;
}
