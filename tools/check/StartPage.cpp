#include "tools/check/StartPage.h"

#include "entries/EntryList.h"
#include "entries/LoadEntryList.h"
#include "entries/MediaPath.h"
#include "launch/ResolveTarget.h"
#include "texts/ProductTexts.h"
#include "texts/TextTable.h"
#include "tools/check/CheckCommand.h"
#include "tools/check/MediumCheck.h"
#include "tools/check/MediumFiles.h"
#include "tools/check/StartPageHtml.h"
#include "window/WindowTexts.h"

#include <algorithm>
#include <optional>

namespace {

// Large enough for a page of a thousand entries many times over.
constexpr std::size_t LargestPage = std::size_t {16} * 1024 * 1024;

constexpr char MissingWord[] = "missing from this medium";
constexpr char NotWebWord[] = "not a web address a browser can open";
constexpr char FolderWord[] = "folder";

std::string joined(const std::string &dir, const std::string &name)
{
    return dir + (dir.back() == '/' ? "" : "/") + name;
}

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return text;
}

std::string extensionOf(const std::string &name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? std::string() : lower(name.substr(dot + 1));
}

// The documents a browser shows itself; it saves any other as a download.
bool browserShows(const std::string &name)
{
    static const char *const shown[]
        = {"htm", "html", "xhtml", "pdf", "txt", "png", "jpg", "jpeg", "gif", "svg", "webp", "bmp", "ico"};
    const std::string extension = extensionOf(name);
    return std::any_of(std::begin(shown), std::end(shown), [&](const char *e) { return extension == e; });
}

std::string usageLink(const std::string &mediumDir, const FolderListing &folders)
{
    const std::string path = joined(mediumDir, ProductTexts::UsagePage);
    const std::string found = folders.exists(path) ? path : MediaPath::locate(path, folders);
    if (found.empty())
        return {};
    return "./" + StartPage::encodedSegment(found.substr(found.rfind('/') + 1));
}

} // namespace

namespace StartPage {

std::string encodedSegment(const std::string &name)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '-' || b == '.'
            || b == '_' || b == '~') {
            out += c;
        } else {
            out += '%';
            out += hex[b >> 4];
            out += hex[b & 15];
        }
    }
    return out;
}

bool isBrowserWebAddress(const std::string &field)
{
    const std::size_t colon = field.find("://");
    if (colon == std::string::npos)
        return false;
    for (const char c : field) {
        const auto b = static_cast<unsigned char>(c);
        if (b <= 0x20 || b == 0x7F || c == '"' || c == '\'' || c == '<' || c == '>' || c == '`' || c == '\\')
            return false;
    }
    const std::string scheme = lower(field.substr(0, colon));
    const std::string rest = field.substr(colon + 3);
    const std::string host = rest.substr(0, rest.find_first_of("/?#"));
    return (scheme == "http" || scheme == "https") && !host.empty() && host.front() != '@' && host.front() != ':';
}

std::string programWord(const std::string &name, const std::string &firstBytes)
{
    static const char *const windows[] = {"exe", "com", "bat", "cmd", "msi"};
    const std::string extension = extensionOf(name);
    if (std::any_of(std::begin(windows), std::end(windows), [&](const char *e) { return extension == e; }))
        return "a program for Windows";
    if (firstBytes.compare(0, 4,
                           "\x7F"
                           "ELF")
            == 0
        || firstBytes.compare(0, 2, "#!") == 0)
        return "a program for Linux";
    return {};
}

StartPageFacts factsOf(const std::string &mediumDir, const std::string &infoBytes, const MediumFiles &files)
{
    const std::string dir = mediumDir.empty() ? "/" : mediumDir;
    TextTable texts;
    FillTextTable(texts);
    const int english = TextTable::English;
    StartPageFacts facts;
    facts.title = ProductTexts::ProductName;
    facts.choose = texts.cell(english, TextRow::ChoosePrompt);
    facts.introductionHeading = texts.cell(english, TextRow::Introduction);
    facts.introduction = texts.cell(english, TextRow::InstructionFirst);
    facts.usageLinkText = texts.cell(english, TextRow::IntroductionTooltip);
    facts.usageHref = usageLink(dir, files);
    facts.copyright = copyrightLine();

    // The entries as the start program reads them; the check reports what it cannot read.
    const EntryList list = ReadEntryList(infoBytes, [] {});
    bool downloads = false;
    for (int position = 1; position <= list.usableCount(); ++position) {
        const std::string &field = list.file(position);
        StartPageEntry entry;
        entry.description = list.description(position).find_first_not_of(" \t") == std::string::npos
            ? field
            : list.description(position);
        if (isWebAddressField(field)) {
            if (isBrowserWebAddress(field)) {
                entry.link = StartPageEntry::Link::Web;
                entry.href = field;
            } else {
                entry.word = NotWebWord;
            }
            facts.entries.push_back(std::move(entry));
            continue;
        }
        const std::optional<std::string> relative = PathBelowMedium(field);
        std::string found;
        if (relative) {
            const std::string path = relative->empty() ? dir : joined(dir, *relative);
            found = files.exists(path) ? path : MediaPath::locate(path, files);
        }
        if (found.empty()) {
            facts.missingFiles += relative ? 1 : 0; // a ".." above the medium is an error of the list itself
            entry.word = MissingWord;
            facts.entries.push_back(std::move(entry));
            continue;
        }
        // The name as it stands on the medium, part by part below its folder.
        std::string href = ".";
        const std::string below
            = found.size() > dir.size() ? found.substr(dir.size() + (dir.back() == '/' ? 0 : 1)) : "";
        for (std::size_t start = 0; start < below.size();) {
            const std::size_t slash = std::min(below.find('/', start), below.size());
            href += '/';
            href += encodedSegment(below.substr(start, slash - start));
            start = slash + 1;
        }
        const std::string name = below.substr(below.rfind('/') == std::string::npos ? 0 : below.rfind('/') + 1);
        if (files.isFolder(found)) {
            entry.link = StartPageEntry::Link::Folder;
            entry.href = href + "/";
            entry.word = FolderWord;
        } else {
            entry.link = StartPageEntry::Link::File;
            entry.href = href;
            entry.word = programWord(name, files.read(found, 4).value_or(std::string()));
            downloads = downloads || (entry.word.empty() && !browserShows(name));
        }
        facts.entries.push_back(std::move(entry));
    }
    if (downloads)
        facts.downloadNote = "Your browser shows pages, PDFs, text and pictures; it saves other documents as a "
                             "download for you to open.";
    return facts;
}

bool isOwnPage(const std::string &bytes)
{
    // Where the writer puts it, so that a document merely quoting it stays the author's.
    const std::string start = std::string(StartPageDoctype) + StartPageMarker + "\n";
    return bytes.compare(0, start.size(), start) == 0;
}

std::vector<std::string> pagesOf(const std::string &mediumDir, const FolderListing &folders)
{
    const std::string dir = mediumDir.empty() ? "/" : mediumDir;
    std::vector<std::string> pages;
    for (const std::string &name : NamesAlike(dir, StartPageName, folders))
        pages.push_back(joined(dir, name));
    std::sort(pages.begin(), pages.end());
    return pages;
}

bool isOwnPageAt(const std::string &path, const MediumFiles &files)
{
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (!MediaPath::equalIgnoringCase(MediaPath::withoutVersionMark(name), StartPageName))
        return false;
    const std::optional<std::string> bytes = files.read(path, LargestPage);
    return bytes && isOwnPage(*bytes);
}

std::optional<std::string> outdatedPageWarning(const std::string &mediumDir, const std::string &infoBytes,
                                               const FolderListing &folders)
{
    const auto *files = dynamic_cast<const MediumFiles *>(&folders);
    if (!files)
        return std::nullopt;
    for (const std::string &path : pagesOf(mediumDir, folders)) {
        const std::optional<std::string> bytes = files->read(path, LargestPage);
        if (!bytes || !isOwnPage(*bytes))
            continue;
        const std::string now = StartPageListHtml(factsOf(mediumDir, infoBytes, *files));
        if (bytes->find(now) == std::string::npos)
            return path.substr(path.rfind('/') + 1) + " is older than info.txt: make it again";
    }
    return std::nullopt;
}

} // namespace StartPage

MendResult WriteStartPage(const std::string &mediumDir, MediumFiles &files)
{
    const std::string dir = mediumDir.empty() ? "/" : mediumDir;
    const std::string infoPath = InformationFileOf(dir, files);
    const std::optional<std::string> info
        = infoPath.empty() ? std::nullopt : files.read(infoPath, MaxInformationFileBytes);
    if (!info)
        return {false, std::string("there is no readable info.txt in ") + dir + ": the start page was not written."};
    const MediumReport report = InspectMedium(dir, &*info, files);
    const StartPageFacts facts = StartPage::factsOf(dir, *info, files);
    const auto errors = std::count_if(report.findings.begin(), report.findings.end(),
                                      [](const Finding &f) { return f.kind == Finding::Kind::Error; });
    if (errors > facts.missingFiles + report.mediumErrors)
        return {false, "info.txt has errors (the check lists them): mend them first. The start page was not written."};
    std::string target = joined(dir, StartPageName);
    std::optional<std::string> current; // the check's own page, replaced only while it is still that
    for (const std::string &path : StartPage::pagesOf(dir, files)) {
        if (files.isFolder(path) || !StartPage::isOwnPageAt(path, files))
            return {false,
                    path.substr(path.rfind('/') + 1)
                        + " on the medium is not a page the check wrote: it was left as it is. Rename or move it "
                          "to make the start page."};
        target = path;
        current = files.read(path, LargestPage);
    }
    const std::string failure = files.write(target, StartPageHtml(facts), current);
    if (!failure.empty())
        return {false, "the start page could not be written: " + failure + ". Nothing was changed."};
    const std::string missing = facts.missingFiles == 0 ? std::string()
        : facts.missingFiles == 1 ? " One entry's file is missing from the medium: the page shows it without a link."
                                  : " " + std::to_string(facts.missingFiles)
            + " entries' files are missing from the medium: the page shows them without a link.";
    return {true,
            "Wrote " + target.substr(target.rfind('/') + 1) + " for computers the start program cannot run on."
                + missing};
}
