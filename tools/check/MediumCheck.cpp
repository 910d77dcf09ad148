#include "tools/check/MediumCheck.h"

#include "entries/EntryList.h"
#include "entries/FieldReader.h"
#include "entries/LoadEntryList.h"
#include "entries/MediaPath.h"
#include "entries/TextDecoding.h"
#include "launch/ResolveTarget.h"
#include "platform/FolderListing.h"
#include "texts/ProductTexts.h"
#include "tools/check/FileSystems.h"
#include "tools/check/Names.h"
#include "tools/check/StartPage.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <unordered_map>

namespace {

// About what the list shows in its 449 pixels.
constexpr std::size_t LongestDescription = 80;

class Report
{
public:
    void error(int line, std::string text) { m_findings.push_back({line, Finding::Kind::Error, std::move(text)}); }
    void warning(int line, std::string text) { m_findings.push_back({line, Finding::Kind::Warning, std::move(text)}); }
    std::vector<Finding> sorted()
    {
        std::stable_sort(m_findings.begin(), m_findings.end(),
                         [](const Finding &a, const Finding &b) { return a.line < b.line; });
        return std::move(m_findings);
    }

private:
    std::vector<Finding> m_findings;
};

std::string quoted(const std::string &text)
{
    return '"' + text + '"';
}

std::size_t characters(const std::string &utf8)
{
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<std::uint8_t>(c) & 0xC0) != 0x80; }));
}

// The line of an offset in a text, counting CR LF, LF and CR as one line end each.
int lineOf(const std::string &text, std::size_t offset)
{
    int line = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
            ++line;
    return line;
}

// UTF-16 that could not be read, each on its line; or, in 8-bit text that is not UTF-8, a
// byte Windows-1252 leaves undefined or a control character other than tab, CR and LF.
// Windows-1252 keeps every byte in its place, so the line of a byte is the line of its letter.
void checkEncoding(const std::string &bytes, const DecodedText &decoded, Report &report)
{
    if (decoded.encoding == TextEncoding::Utf16LE || decoded.encoding == TextEncoding::Utf16BE) {
        for (const std::size_t at : decoded.replacements) {
            const bool oddEnd = bytes.size() % 2 != 0 && at == decoded.replacements.back();
            report.warning(lineOf(decoded.text, at),
                           std::string(oddEnd ? "the UTF-16 text ends in half a character (an odd last byte)"
                                              : "the UTF-16 text holds half of a surrogate pair")
                               + ": the start program shows \uFFFD in its place; save the file again");
        }
        return;
    }
    if (decoded.encoding != TextEncoding::Windows1252)
        return;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<std::uint8_t>(bytes[i]);
        const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
        const bool control = (b < 0x20 && b != '\t' && b != '\r' && b != '\n') || b == 0x7F;
        if (undefined || control) {
            static constexpr char hex[] = "0123456789ABCDEF";
            report.warning(lineOf(bytes, i),
                           std::string("neither UTF-8 nor Windows-1252 text: byte 0x") + hex[b >> 4] + hex[b & 15]
                               + "; the start program may show it as a different character");
            return;
        }
    }
}

// True for an address a browser can open: http or https, "://", then a host.
bool isValidWebAddress(const std::string &field)
{
    const auto colon = field.find("://");
    if (colon == std::string::npos || field.find_first_of(" \t\"<>") != std::string::npos)
        return false;
    std::string scheme = field.substr(0, colon);
    std::transform(scheme.begin(), scheme.end(), scheme.begin(), [](char c) { return char(c | 0x20); });
    const std::string rest = field.substr(colon + 3);
    const std::string host = rest.substr(0, rest.find_first_of("/?#"));
    return (scheme == "http" || scheme == "https") && !host.empty() && host.find('.') != std::string::npos;
}

// A field as the reader gave it, with what the checks of its line need.
struct Field
{
    std::string text;
    int line = 1;
    std::string dropped; // what followed a quote inside it
};

std::string joined(const std::string &dir, const std::string &name)
{
    return dir + (dir.back() == '/' ? "" : "/") + name;
}

std::string quotedList(const std::vector<std::string> &names, const char *last)
{
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? std::string(" ") + last + " " : ", ") + names[i];
    return text;
}

// What the check knows of the medium's folders, each listed once.
class Medium
{
public:
    Medium(const std::string &dir, const FolderListing &folders)
        : m_dir(dir)
        , m_folders(folders)
    { }

    const std::string &dir() const { return m_dir; }

    // The existing path that a relative path names, by the start program's rules; empty when none.
    std::string locate(const std::string &relative) const
    {
        const std::string path = relative.empty() ? m_dir : joined(m_dir, relative);
        return m_folders.exists(path) ? path : MediaPath::locate(path, m_folders);
    }

    // The path below the medium of a path that locate() found.
    std::string below(const std::string &path) const
    {
        return path.size() > m_dir.size() ? path.substr(m_dir.size() + (m_dir.back() == '/' ? 0 : 1)) : std::string();
    }

    const std::vector<std::string> &entries(const std::string &folder) const
    {
        auto it = m_listings.find(folder);
        if (it == m_listings.end())
            it = m_listings.emplace(folder, m_folders.entries(folder)).first;
        return it->second;
    }

private:
    std::string m_dir;
    const FolderListing &m_folders;
    mutable std::map<std::string, std::vector<std::string>> m_listings;
};

std::vector<std::string> splitPath(const std::string &relative)
{
    std::vector<std::string> parts;
    for (std::size_t start = 0; start <= relative.size();) {
        const std::size_t slash = std::min(relative.find('/', start), relative.size());
        if (slash > start)
            parts.push_back(relative.substr(start, slash - start));
        start = slash + 1;
    }
    return parts;
}

// The names a file of the medium has that Windows, sticks or discs cannot keep: each
// part of its path, the whole path's length, and a twin that differs only in case.
void checkNames(const Medium &medium, const std::string &field, const std::string &found, int line, Report &report)
{
    const std::string relative = medium.below(found);
    std::string folder = medium.dir();
    for (const std::string &part : splitPath(relative)) {
        for (const std::string &problem : Names::problems(part))
            report.warning(line, problem);
        const std::u32string key = Names::folded(part);
        std::vector<std::string> twins;
        for (const std::string &name : medium.entries(folder))
            if (Names::folded(name) == key)
                twins.push_back(quoted(name));
        if (twins.size() > 1) {
            std::sort(twins.begin(), twins.end());
            report.warning(line,
                           "the folder holds " + quotedList(twins, "and")
                               + ", which differ only in letter case: Windows and discs keep only one of them");
        }
        folder = joined(folder, part);
    }
    const std::size_t length = Names::windowsLength(relative);
    if (length > Names::LongestPath)
        report.warning(line,
                       quoted(field) + " has a path of " + std::to_string(length)
                           + " characters: with a recipient's drive and folder it must fit in Windows' 260, "
                             "so keep it to "
                           + std::to_string(Names::LongestPath));
}

// Names in the missing file's folder that the author may have meant: the same name
// with an extension, or with another one.
std::string didYouMean(const Medium &medium, const std::string &relative)
{
    const std::size_t slash = relative.rfind('/');
    const std::string folder = medium.locate(slash == std::string::npos ? std::string() : relative.substr(0, slash));
    if (folder.empty())
        return {};
    const std::string name = slash == std::string::npos ? relative : relative.substr(slash + 1);
    const std::u32string wanted = Names::folded(name);
    const std::u32string wantedStem = Names::folded(name.substr(0, name.rfind('.')));
    std::vector<std::string> candidates;
    for (const std::string &entry : medium.entries(folder)) {
        if (Names::folded(entry) == wanted)
            continue; // the name looked for is no suggestion
        const std::size_t dot = entry.rfind('.');
        if (dot == std::string::npos || dot == 0)
            continue;
        const std::u32string stem = Names::folded(entry.substr(0, dot));
        if (stem == wanted || (name.find('.') != std::string::npos && stem == wantedStem))
            candidates.push_back(entry);
    }
    std::sort(candidates.begin(), candidates.end(), Names::naturalLess);
    if (candidates.size() > 3)
        candidates.resize(3);
    return candidates.empty() ? std::string() : "; did you mean " + quotedList(candidates, "or") + "?";
}

// True when the folder of a path that was not found lists its name all the same, as a
// Windows folder lists a file whose name the system keeps for a device.
bool listedAnyway(const Medium &medium, const std::string &relative)
{
    const std::size_t slash = relative.rfind('/');
    const std::string folder = medium.locate(slash == std::string::npos ? std::string() : relative.substr(0, slash));
    if (folder.empty())
        return false;
    const std::u32string wanted = Names::folded(relative.substr(slash + 1));
    const std::vector<std::string> &names = medium.entries(folder);
    return std::any_of(names.begin(), names.end(), [&](const std::string &n) { return Names::folded(n) == wanted; });
}

void checkFile(const Medium &medium, const std::string &field, int line, Report &report)
{
    if (field.empty()) {
        report.error(line, "the entry names no file");
        return;
    }
    const std::optional<std::string> relative = PathBelowMedium(field);
    if (!relative) {
        report.error(line, quoted(field) + " leaves the medium: its \"..\" climbs above the start program's folder");
        return;
    }
    if (relative->empty())
        return;
    const std::string path = joined(medium.dir(), *relative);
    const std::string found = medium.locate(*relative);
    if (found.empty()) {
        std::string hint = didYouMean(medium, *relative);
        std::string www = field.substr(0, 4);
        std::transform(www.begin(), www.end(), www.begin(), [](char c) { return char(c | 0x20); });
        if (www == "www.")
            hint = "; did you mean https://" + field + "?";
        const std::string device = Names::reservedDevice(relative->substr(relative->rfind('/') + 1));
        if (!device.empty() && listedAnyway(medium, *relative)) {
            report.error(line,
                         quoted(field) + ": Windows reserves the name " + device
                             + " for a device, so the file cannot be opened there: rename it");
            return;
        }
        report.error(line, quoted(field) + " is missing from the medium" + hint);
        return;
    }
    if (found != path)
        report.warning(line,
                       quoted(field) + " is found only when letter case or a disc's \";1\" is ignored ("
                           + medium.below(found) + "): the start program finds it, other programs may not");
    checkNames(medium, field, found, line, report);
}

void checkEntry(const Medium &medium, const std::string &file, const std::string &description, int line, Report &report)
{
    if (isWebAddressField(file)) {
        if (!isValidWebAddress(file))
            report.warning(line, quoted(file) + " is not a valid web address (http:// or https:// and a host)");
    } else {
        if (startsWithHttp(file) && file.size() == 4)
            report.warning(line, quoted(file) + " has four characters: it is taken as a file, not a web address");
        else if (startsWithHttp(file))
            report.warning(line, quoted(file) + " starts with \"HTTP\" but has no scheme: it is taken as a file");
        checkFile(medium, file, line, report);
    }
    if (characters(description) > LongestDescription)
        report.warning(line,
                       "the description has " + std::to_string(characters(description))
                           + " characters: the list shows about " + std::to_string(LongestDescription));
}

// The list is all a recipient sees of an entry: an empty description, or one the same as
// an earlier one's but for letter case and blanks around it, tells nothing apart.
void checkDescriptionStandsApart(const std::string &description, int line,
                                 std::unordered_map<std::u32string, int> &seen, Report &report)
{
    const std::size_t first = description.find_first_not_of(" \t");
    if (first == std::string::npos) {
        report.warning(line, "the description is empty: the list shows a blank line for this entry");
        return;
    }
    const std::u32string key
        = Names::folded(description.substr(first, description.find_last_not_of(" \t") + 1 - first));
    const auto [earlier, isNew] = seen.emplace(key, line);
    if (!isNew)
        report.warning(line,
                       "line " + std::to_string(line) + " has the same description as line "
                           + std::to_string(earlier->second) + ": a recipient cannot tell them apart");
}

bool carriesStartProgram(const Medium &medium)
{
    return !medium.locate("startprogram.exe").empty() || !medium.locate("startprogram").empty();
}

// A medium with one of the start programs must carry what they need and what the
// licences of the software in them require.
void checkMediumParts(const Medium &medium, Report &report)
{
    static const char *const parts[] = {"startprogram.exe", "startprogram", "THIRD-PARTY-NOTICES.txt", "licenses"};
    if (!carriesStartProgram(medium))
        return;
    std::vector<std::string> missing;
    for (const char *part : parts)
        if (medium.locate(part).empty())
            missing.push_back(std::string(part) + (std::string(part) == "licenses" ? "/" : ""));
    if (!missing.empty())
        report.warning(1,
                       "the medium lacks " + quotedList(missing, "and")
                           + ": copy them from the kit's medium folder; every medium handed out must carry them");
}

// True when the folder holds Qt's plugins or one of its libraries, as an older medium laid
// them out (lib/libQt6Core.so.6, plugins/platforms/...); a library carried today is none.
bool holdsQt(const Medium &medium, const std::string &below)
{
    if (!medium.locate(below + "/plugins").empty())
        return true;
    const std::string lib = medium.locate(below + "/lib");
    const std::vector<std::string> names = lib.empty() ? std::vector<std::string>() : medium.entries(lib);
    return std::any_of(names.begin(), names.end(),
                       [](const std::string &name) { return Names::folded(name).rfind(U"libqt", 0) == 0; });
}

// An older medium's Linux program loaded Debian's Qt from linux/, which qt.conf at the root
// pointed it to. Today's program carries its Qt inside and reads neither: on a medium updated
// with the kit they are only weight for every copy, and a puzzle to whoever looks at it.
// Returns the errors it found.
int checkOlderMediumsQt(const Medium &medium, Report &report)
{
    if (!carriesStartProgram(medium))
        return 0;
    int errors = 0;
    if (const std::string qtConf = medium.locate("qt.conf"); !qtConf.empty()) {
        report.error(
            1, medium.below(qtConf) + " is left from an older medium: the start program no longer reads it; delete it");
        ++errors;
    }
    if (const std::string folder = medium.locate("linux"); !folder.empty() && holdsQt(medium, medium.below(folder))) {
        const std::string name = medium.below(folder);
        report.error(1,
                     name
                         + "/ holds the Qt libraries of an older medium: the start program no longer uses them; "
                           "delete the folder "
                         + name);
        ++errors;
    }
    return errors;
}

// Linux mounts a FAT stick with the execute permission on no file of it: a file
// manager then opens neither the Linux program nor autorun.sh with a double-click.
void checkFileSystem(const Medium &medium, const std::string &fileSystem, Report &report)
{
    if (!FileSystems::isFat(fileSystem) || medium.locate("startprogram").empty())
        return;
    report.warning(1,
                   "the medium lies on a FAT file system (" + fileSystem
                       + "): Linux shows no file on it as a program, so a double-click on startprogram or "
                         "autorun.sh starts nothing there. Use an exFAT or NTFS stick, or a disc; or tell "
                         "recipients on Linux to open a terminal on the stick and type: sh autorun.sh");
}

// Entries are usually written one a line; there, a line of three or more fields has a
// comma that was meant as text. A file that puts several entries on a line is left be.
void checkFieldsPerLine(const std::vector<Field> &fields, Report &report)
{
    std::map<int, int> perLine;
    for (std::size_t i = 1; i < fields.size(); ++i) // the count is no entry's
        ++perLine[fields[i].line];
    const auto pairs = std::count_if(perLine.begin(), perLine.end(), [](const auto &l) { return l.second == 2; });
    const auto several = std::count_if(perLine.begin(), perLine.end(), [](const auto &l) { return l.second >= 4; });
    if (several > pairs)
        return;
    for (const auto &[line, count] : perLine)
        if (count >= 3)
            report.warning(line,
                           "the line holds " + std::to_string(count)
                               + " fields where an entry has two: put a field that holds a comma in double "
                                 "quotes");
}

void checkQuotes(const std::vector<Field> &fields, Report &report)
{
    for (const Field &field : fields)
        if (!field.dropped.empty())
            report.warning(field.line,
                           "a double quote ends the field " + quoted(field.text) + " early: the start program reads "
                               + quoted(field.text) + " and drops " + field.dropped
                               + "; write the quote as ' or \u201C \u201D instead");
}

} // namespace

std::optional<std::string> PathBelowMedium(const std::string &field)
{
    std::vector<std::string> parts;
    std::string part;
    const auto close = [&] {
        if (part == "..") {
            if (parts.empty())
                return false;
            parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        part.clear();
        return true;
    };
    for (const char c : field) {
        if (c == '/' || c == '\\') {
            if (!close())
                return std::nullopt;
        } else {
            part += c;
        }
    }
    if (!close())
        return std::nullopt;
    std::string path;
    for (const std::string &p : parts)
        path += (path.empty() ? "" : "/") + p;
    return path;
}

MediumReport InspectMedium(const std::string &mediumDir, const std::string *infoBytes, const FolderListing &folders,
                           const std::string &fileSystem)
{
    Report report;
    MediumReport result;
    const Medium medium(mediumDir.empty() ? "/" : mediumDir, folders);
    const std::string &dir = medium.dir();
    if (medium.locate(ProductTexts::UsagePage).empty())
        report.warning(1,
                       std::string("the usage page ") + ProductTexts::UsagePage
                           + " is missing: Information > About using and the Introduction link will fail");
    checkMediumParts(medium, report);
    result.mediumErrors = checkOlderMediumsQt(medium, report);
    checkFileSystem(medium, fileSystem, report);
    if (!infoBytes) {
        report.error(1, std::string("there is no readable ") + InformationFileName + " in " + dir);
        result.findings = report.sorted();
        return result;
    }
    result.hasInformationFile = true;
    if (const std::optional<std::string> outdated = StartPage::outdatedPageWarning(dir, *infoBytes, folders))
        report.warning(1, *outdated);

    const DecodedText decoded = decodeInformationFile(*infoBytes);
    const bool unmarkedUtf16 = looksLikeUnmarkedUtf16(*infoBytes);
    if (!unmarkedUtf16)
        checkEncoding(*infoBytes, decoded, report);
    std::vector<Field> fields;
    FieldReader reader(decoded.text);
    while (const std::optional<std::string> text = reader.next())
        fields.push_back({*text, reader.line(), reader.dropped()});
    const std::optional<std::int16_t> count = parseEntryCount(fields.empty() ? std::string() : fields[0].text);
    // Read as 8-bit text, UTF-16 without a mark has NUL bytes in its count: the start program
    // shows its error, and the fields after it say nothing of what the author wrote.
    const bool unreadableUtf16 = unmarkedUtf16 && !count;
    if (!unreadableUtf16) {
        checkQuotes(fields, report);
        checkFieldsPerLine(fields, report);
    }

    const std::size_t held = fields.empty() ? 0 : fields.size() - 1;
    result.entries = static_cast<int>(held / 2);
    const bool wholeEntries = !fields.empty() && held % 2 == 0;
    const bool countRight = count.value_or(-1) == result.entries;
    if (unreadableUtf16) {
        report.error(fields.empty() ? 1 : fields[0].line,
                     "the file looks like UTF-16 text without a byte-order mark, which the start program cannot "
                     "read: save it as UTF-8 (in Notepad: File > Save As, Encoding UTF-8)");
    } else if (!count || *count < 0) {
        report.error(fields.empty() ? 1 : fields[0].line,
                     fields.empty() ? std::string("the file is empty: it needs the count of entries first")
                                    : "the count " + quoted(fields[0].text) + " is not a whole number from 0 to 32767");
    } else {
        if (unmarkedUtf16)
            report.warning(fields[0].line,
                           "the file looks like UTF-16 text without a byte-order mark: save it as UTF-8 (in "
                           "Notepad: File > Save As, Encoding UTF-8)");
        std::unordered_map<std::u32string, int> descriptions; // the line of each description's first entry
        int read = 0;
        for (; read < *count; ++read) {
            if (read == EntryList::Capacity) { // where the start program stops with its error
                report.error(fields[0].line,
                             "the count is " + std::to_string(*count) + ": the list shows at most "
                                 + std::to_string(EntryList::Capacity)
                                 + " entries; the start program shows an error at every start");
                break;
            }
            const std::size_t at = 1 + 2 * static_cast<std::size_t>(read);
            if (at + 1 >= fields.size()) {
                const bool half = at < fields.size();
                report.error(half ? fields[at].line : fields.back().line,
                             "the count is " + std::to_string(*count) + " but the file holds " + std::to_string(read)
                                 + (half ? " entries and a half" : " entries"));
                break;
            }
            checkEntry(medium, fields[at].text, fields[at + 1].text, fields[at].line, report);
            checkDescriptionStandsApart(fields[at + 1].text, fields[at].line, descriptions, report);
        }
        const std::size_t next = 1 + 2 * static_cast<std::size_t>(read);
        if (read == *count && next < fields.size())
            report.error(fields[next].line,
                         "the count is " + std::to_string(*count)
                             + " but more entries follow: the start program never shows them");
    }
    // A wrong count is one error; writing the right count mends the file when it is the only one.
    result.findings = report.sorted();
    const auto errors = std::count_if(result.findings.begin(), result.findings.end(),
                                      [](const Finding &f) { return f.kind == Finding::Kind::Error; });
    result.countIsTheOnlyError = wholeEntries && !countRight && errors - result.mediumErrors == 1 && !unmarkedUtf16
        && result.entries <= EntryList::Capacity;
    return result;
}

std::vector<Finding> CheckMedium(const std::string &mediumDir, const std::string *infoBytes,
                                 const FolderListing &folders)
{
    return InspectMedium(mediumDir, infoBytes, folders).findings;
}

std::string formatFinding(const Finding &finding)
{
    return std::string(InformationFileName) + ':' + std::to_string(finding.line) + ": "
        + (finding.kind == Finding::Kind::Error ? "error" : "warning") + ": " + finding.text;
}

std::string formatFindings(const std::vector<Finding> &findings)
{
    std::string text;
    for (const Finding &finding : findings)
        text += formatFinding(finding) + '\n';
    return text;
}

namespace {

std::string counted(std::size_t n, const char *one, const char *many)
{
    return std::to_string(n) + ' ' + (n == 1 ? one : many);
}

} // namespace

std::string summaryLine(const MediumReport &report)
{
    const auto errors
        = static_cast<std::size_t>(std::count_if(report.findings.begin(), report.findings.end(),
                                                 [](const Finding &f) { return f.kind == Finding::Kind::Error; }));
    const std::size_t warnings = report.findings.size() - errors;
    if (errors > 0)
        return counted(errors, "error", "errors")
            + (warnings > 0 ? " and " + counted(warnings, "warning", "warnings") : "")
            + (errors == 1 ? ": mend the error" : ": mend the errors") + " before you hand the medium out.";
    if (warnings > 0)
        return counted(warnings, "warning", "warnings") + ": the medium works, but read "
            + (warnings == 1 ? "it" : "them") + " before you hand it out.";
    return "Ready: " + counted(static_cast<std::size_t>(report.entries), "entry", "entries") + ", no problems found.";
}

int exitStatus(const std::vector<Finding> &findings)
{
    if (std::any_of(findings.begin(), findings.end(), [](const Finding &f) { return f.kind == Finding::Kind::Error; }))
        return 2;
    return findings.empty() ? 0 : 1;
}
