#include "tools/check/MediumCheck.h"

#include "entries/EntryList.h"
#include "entries/FieldReader.h"
#include "entries/LoadEntryList.h"
#include "entries/MediaPath.h"
#include "entries/TextDecoding.h"
#include "launch/ResolveTarget.h"
#include "platform/FolderListing.h"
#include "texts/ProductTexts.h"

#include <algorithm>
#include <cstdint>
#include <optional>

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

// The line of a byte offset, counting CR LF, LF and CR as one line end each.
int lineOf(const std::string &bytes, std::size_t offset)
{
    int line = 1;
    for (std::size_t i = 0; i < offset && i < bytes.size(); ++i)
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')))
            ++line;
    return line;
}

// Not UTF-8, and not plain Windows-1252 text either: a byte that code page leaves
// undefined, or a control character other than tab, CR and LF.
void checkEncoding(const std::string &bytes, Report &report)
{
    if (isValidUtf8(bytes))
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

// The field as a path below the medium's folder, "\" and "/" both separators; nothing
// when a ".." climbs above the medium.
std::optional<std::string> relativePath(const std::string &field)
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

void checkFile(const std::string &mediumDir, const std::string &field, int line, const FolderListing &folders,
               Report &report)
{
    if (field.empty()) {
        report.error(line, "the entry names no file");
        return;
    }
    const std::optional<std::string> relative = relativePath(field);
    if (!relative) {
        report.error(line, quoted(field) + " leaves the medium: its \"..\" climbs above the start program's folder");
        return;
    }
    const std::string path = mediumDir + (mediumDir.back() == '/' ? "" : "/") + *relative;
    if (relative->empty() || folders.exists(path))
        return;
    const std::string found = MediaPath::locate(path, folders);
    if (found.empty()) {
        report.error(line, quoted(field) + " is missing from the medium");
        return;
    }
    report.warning(line,
                   quoted(field) + " is found only when letter case or a disc's \";1\" is ignored ("
                       + found.substr(mediumDir.size() + (mediumDir.back() == '/' ? 0 : 1))
                       + "): the start program finds it, other programs may not");
}

void checkEntry(const std::string &mediumDir, const std::string &file, const std::string &description, int line,
                const FolderListing &folders, Report &report)
{
    if (isWebAddressField(file)) {
        if (!isValidWebAddress(file))
            report.warning(line, quoted(file) + " is not a valid web address (http:// or https:// and a host)");
    } else {
        if (startsWithHttp(file) && file.size() == 4)
            report.warning(line, quoted(file) + " has four characters: it is taken as a file, not a web address");
        else if (startsWithHttp(file))
            report.warning(line, quoted(file) + " starts with \"HTTP\" but has no scheme: it is taken as a file");
        checkFile(mediumDir, file, line, folders, report);
    }
    if (characters(description) > LongestDescription)
        report.warning(line,
                       "the description has " + std::to_string(characters(description))
                           + " characters: the list shows about " + std::to_string(LongestDescription));
}

} // namespace

std::vector<Finding> CheckMedium(const std::string &mediumDir, const std::string *infoBytes,
                                 const FolderListing &folders)
{
    Report report;
    const std::string dir = mediumDir.empty() ? "/" : mediumDir;
    const std::string usagePage = dir + (dir.back() == '/' ? "" : "/") + ProductTexts::UsagePage;
    if (!folders.exists(usagePage) && MediaPath::locate(usagePage, folders).empty())
        report.warning(1,
                       std::string("the usage page ") + ProductTexts::UsagePage
                           + " is missing: Information > About using and the Introduction link will fail");
    if (!infoBytes) {
        report.error(1, std::string("there is no readable ") + InformationFileName + " in " + dir);
        return report.sorted();
    }

    checkEncoding(*infoBytes, report);
    FieldReader fields(decodeInformationText(*infoBytes));
    const std::optional<std::string> countField = fields.next();
    const std::optional<std::int16_t> count = countField ? parseEntryCount(*countField) : std::nullopt;
    if (!count || *count < 0) {
        report.error(countField ? fields.line() : 1,
                     countField ? "the count " + quoted(*countField) + " is not a whole number from 0 to 32767"
                                : std::string("the file is empty: it needs the count of entries first"));
        return report.sorted();
    }
    if (*count > EntryList::Capacity)
        report.warning(fields.line(),
                       "the count is " + std::to_string(*count) + ": the list shows at most "
                           + std::to_string(EntryList::Capacity) + " entries");

    int read = 0;
    for (; read < *count; ++read) {
        const std::optional<std::string> file = fields.next();
        const int line = fields.line();
        const std::optional<std::string> description = file ? fields.next() : std::nullopt;
        if (!description) {
            report.error(file ? line : fields.line(),
                         "the count is " + std::to_string(*count) + " but the file holds " + std::to_string(read)
                             + (file ? " entries and a half" : " entries"));
            break;
        }
        checkEntry(dir, *file, *description, line, folders, report);
    }
    if (read == *count) {
        if (const std::optional<std::string> more = fields.next())
            report.error(fields.line(),
                         "the count is " + std::to_string(*count)
                             + " but more entries follow: the start program never shows them");
    }
    return report.sorted();
}

std::string formatFinding(const Finding &finding)
{
    return std::string(InformationFileName) + ':' + std::to_string(finding.line) + ": "
        + (finding.kind == Finding::Kind::Error ? "error" : "warning") + ": " + finding.text;
}

int exitStatus(const std::vector<Finding> &findings)
{
    if (std::any_of(findings.begin(), findings.end(), [](const Finding &f) { return f.kind == Finding::Kind::Error; }))
        return 2;
    return findings.empty() ? 0 : 1;
}
