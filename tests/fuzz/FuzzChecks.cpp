#include "tests/fuzz/FuzzChecks.h"

#include "entries/FieldReader.h"
#include "entries/LoadEntryList.h"
#include "entries/TextDecoding.h"
#include "platform/FolderListing.h"
#include "shortcut/DesktopEntry.h"
#include "tests/support/DesktopEntryParser.h"
#include "tools/check/CountFix.h"
#include "tools/check/MediumCheck.h"

#include <algorithm>
#include <vector>

namespace FuzzChecks {

namespace {

std::string joined(const std::vector<std::string> &parts, char separator)
{
    std::string out;
    for (const std::string &part : parts)
        out += (out.empty() ? "" : std::string(1, separator)) + part;
    return out;
}

std::vector<std::string> fieldsOf(const std::string &bytes)
{
    std::vector<std::string> fields;
    FieldReader reader(decodeInformationText(bytes));
    while (const std::optional<std::string> field = reader.next())
        fields.push_back(*field);
    return fields;
}

// The count mend writes the number of entries as the count and leaves every other
// field, and every byte around the count, as it was.
std::string countMend(const std::string &original)
{
    const std::optional<std::string> mended = WithCountOfEntries(original);
    if (!mended || isValidUtf8(*mended) != isValidUtf8(original))
        return {}; // a count that alone was not UTF-8 changes how the rest reads
    const std::vector<std::string> before = fieldsOf(original);
    const std::vector<std::string> after = fieldsOf(*mended);
    if (before.size() != after.size() || !std::equal(before.begin() + 1, before.end(), after.begin() + 1))
        return "the count mend changed the entries";
    const std::optional<std::int16_t> count = parseEntryCount(after[0]);
    if (!count || static_cast<std::size_t>(*count) != (after.size() - 1) / 2)
        return "the mended count reads \"" + after[0] + '"';
    std::size_t same = 0;
    while (same < original.size() && same < mended->size() && original[same] == (*mended)[same])
        ++same;
    std::size_t tail = 0;
    while (tail < original.size() - same && tail < mended->size() - same
           && original[original.size() - 1 - tail] == (*mended)[mended->size() - 1 - tail])
        ++tail;
    // What took the old count's place is a number and nothing else (in UTF-16, a NUL byte
    // beside each digit).
    const TextEncoding encoding = decodeInformationFile(original).encoding;
    const bool utf16 = encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE;
    const std::string written = mended->substr(same, mended->size() - same - tail);
    if (written.find_first_not_of(utf16 ? std::string("0123456789\0", 11) : "0123456789") != std::string::npos)
        return "the count mend wrote more than a number: \"" + written + '"';
    return {};
}

// A medium that holds nothing but the information file.
class EmptyMedium : public FolderListing
{
public:
    bool exists(const std::string &) const override { return false; }
    std::vector<std::string> entries(const std::string &) const override { return {}; }
};

// The check's error for entries after the count, for the count the reader read.
std::string moreEntriesFollow(const EntryList &read)
{
    return "the count is " + std::to_string(read.count())
        + " but more entries follow: the start program never shows them";
}

// The check's errors that the reader has no failure for: what it reads, but a recipient
// should not get. Findings about a file begin with the field in quotes, whatever it holds.
bool letThroughByTheReader(const std::string &error, const EntryList &read)
{
    return error.rfind('"', 0) == 0 || error == "the entry names no file" || error == moreEntriesFollow(read)
        || (read.count() < 0 && error.rfind("the count \"", 0) == 0);
}

// What the check and the start program's reader make of one file.
struct Verdicts
{
    MediumReport report;
    std::vector<int> failures; // the lines of the reader's failures, filled as `read` is
    EntryList read;

    explicit Verdicts(const std::string &info)
        : report(InspectMedium("/m", &info, EmptyMedium()))
        , read(ReadEntryList(info, [this](int line) { failures.push_back(line); }))
    { }
};

// The rule between the reader and the check.
std::string disagreement(const Verdicts &v)
{
    std::vector<int> errorLines;
    for (const Finding &finding : v.report.findings)
        if (finding.kind == Finding::Kind::Error)
            errorLines.push_back(finding.line);
    for (const int line : v.failures)
        if (std::find(errorLines.begin(), errorLines.end(), line) == errorLines.end())
            return "the start program fails on line " + std::to_string(line) + " and the check has no error there";
    for (const Finding &finding : v.report.findings)
        if (finding.kind == Finding::Kind::Error
            && std::find(v.failures.begin(), v.failures.end(), finding.line) == v.failures.end()
            && !letThroughByTheReader(finding.text, v.read))
            return "the check's " + formatFinding(finding) + " has no failure of the start program";
    return {};
}

} // namespace

std::string checkAgreesWithReader(std::string_view bytes)
{
    const std::string original(bytes);
    if (std::string fault = disagreement(Verdicts(original)); !fault.empty())
        return fault;

    const std::optional<std::string> mended = WithCountOfEntries(original);
    if (!mended || decodeInformationFile(*mended).encoding != decodeInformationFile(original).encoding)
        return {}; // a count that alone was not UTF-8 changes how the rest reads
    const Verdicts after(*mended);
    if (std::string fault = disagreement(after); !fault.empty())
        return "after the count mend: " + fault;
    if (!after.failures.empty() || after.read.count() < 0)
        return "after the count mend the start program fails " + std::to_string(after.failures.size()) + " times";
    for (const Finding &finding : after.report.findings)
        if (finding.kind == Finding::Kind::Error && finding.text == moreEntriesFollow(after.read))
            return "after the count mend: " + formatFinding(finding);
    const std::vector<std::string> fields = fieldsOf(original);
    if (static_cast<std::size_t>(after.read.count()) * 2 + 1 != fields.size())
        return "after the count mend the count is " + std::to_string(after.read.count()) + " for "
            + std::to_string(fields.size()) + " fields";
    for (int i = 1; i <= after.read.count(); ++i)
        if (after.read.file(i) != fields[2 * std::size_t(i) - 1]
            || after.read.description(i) != fields[2 * std::size_t(i)])
            return "after the count mend entry " + std::to_string(i) + " reads differently";
    return {};
}

std::string entryReader(std::string_view bytes)
{
    if (std::string fault = countMend(std::string(bytes)); !fault.empty())
        return fault;

    int failures = 0;
    const EntryList list = ReadEntryList(bytes, [&] { ++failures; });
    if (failures > 2)
        return std::to_string(failures) + " messages";
    if (list.usableCount() < 0 || list.usableCount() > EntryList::Capacity)
        return "usable count " + std::to_string(list.usableCount());
    std::size_t total = 0;
    for (int i = 0; i <= list.usableCount(); ++i) {
        if (!isValidUtf8(list.file(i)) || !isValidUtf8(list.description(i)))
            return "entry " + std::to_string(i) + " is not valid UTF-8";
        total += list.file(i).size() + list.description(i).size();
    }
    const std::size_t decoded = decodeInformationText(bytes).size();
    if (total > decoded)
        return std::to_string(total) + " bytes read from " + std::to_string(decoded) + " decoded bytes";
    if (!list.file(0).empty() || !list.description(0).empty())
        return "position 0 filled";
    return {};
}

std::string desktopEntry(std::string_view bytes)
{
    // A folder name as the file system gives it: valid text, no NUL.
    const std::string folder(bytes);
    if (folder.find('\0') != std::string::npos || !isValidUtf8(folder))
        return {};

    DesktopEntry::Launcher launcher;
    launcher.name = "Zezuzav - Quillmere";
    launcher.comment = "Zezuzav Quillmere - StartupProgram";
    launcher.program = folder + "/startprogram";
    launcher.workingDirectory = folder;
    launcher.icon = folder + "/icon.png";

    const DesktopEntryParser::Parsed parsed = DesktopEntryParser::parse(DesktopEntry::text(launcher));
    const std::vector<std::string> keys {"Type", "Name", "Comment", "Exec", "Path", "Icon", "Terminal"};
    if (!parsed.wellFormed || parsed.keys != keys || parsed.groups != std::vector<std::string> {"Desktop Entry"})
        return "keys: " + joined(parsed.keys, ',');
    const std::string exec = parsed.values.at("Exec");
    const std::optional<std::vector<std::string>> args = DesktopEntryParser::execArguments(exec);
    const bool plain = args && *args == std::vector<std::string> {launcher.program};
    const bool throughEnv = args && *args == std::vector<std::string> {"/usr/bin/env", launcher.program}
        && launcher.program.find('=') == std::string::npos; // env would take it for a variable
    if (!plain && !throughEnv)
        return "Exec parses to " + (args ? joined(*args, '|') : std::string("nothing"));
    // The first word is looked up before "%%" is undone: it may hold a "%" only in
    // the one form env cannot start, a path holding "=" too.
    const std::string firstWord = plain ? exec : exec.substr(0, exec.find(' '));
    if (firstWord.find('%') != std::string::npos && launcher.program.find('=') == std::string::npos)
        return "the first word of Exec holds a \"%\": " + exec;
    if (parsed.values.at("Path") != folder)
        return "Path parses to " + parsed.values.at("Path");
    if (parsed.values.at("Icon") != launcher.icon)
        return "Icon parses to " + parsed.values.at("Icon");
    return {};
}

} // namespace FuzzChecks
