#pragma once

#include <optional>
#include <string>
#include <vector>

class FolderListing;
class MediumFiles;
struct MendResult;

// The medium's start page: the author's list as a plain HTML file at the medium's root,
// for every computer the start program cannot run on. Its facts are decided here; the
// HTML is written from them by StartPageHtml().

// The page's name: one a recipient takes for the way in, and one every disc and stick keeps.
inline constexpr char StartPageName[] = "Start here.htm";

// The comment that says the check wrote the page (no time, no path: a medium made twice
// stays byte for byte the same). A page without it is the author's and is never replaced.
inline constexpr char StartPageMarker[]
    = "<!-- Written by startprogram-check from info.txt; its make-start-page makes it again. -->";

// The page's first line; the marker is its second.
inline constexpr char StartPageDoctype[] = "<!DOCTYPE html>\n";

// One entry of the list as the page shows it.
struct StartPageEntry
{
    enum class Link { File, Folder, Web, None };
    std::string description; // as info.txt has it (the field when the description is blank)
    Link link = Link::None;
    std::string href; // "./" and percent-encoded parts, or an http(s) address; empty for None
    std::string word; // which computer a program needs, or why there is no link; may be empty
};

// What the page says, in the window's order and in its English texts.
struct StartPageFacts
{
    std::string title; // the banner's product name
    std::string choose;
    std::string introductionHeading;
    std::string introduction;
    std::string usageLinkText;
    std::string usageHref; // empty when the usage page is missing
    std::vector<StartPageEntry> entries;
    std::string downloadNote; // said when a listed document is one a browser saves rather than shows
    std::string copyright;
    // Entries whose file is missing from the medium: shown, not linked.
    int missingFiles = 0;
};

namespace StartPage {

// Said after the list is written: the page can be made from it too.
inline constexpr char OfferAfterList[]
    = "\n\nMake the start page too: it shows the same list, as Start here.htm, on computers the start "
      "program cannot run on.";

// A name's part percent-encoded as a URL path segment: everything but letters, digits
// and "-._~" as %XX of its UTF-8 bytes.
std::string encodedSegment(const std::string &name);

// True for a field a browser may be sent to: http:// or https://, then a host, and
// nothing a page could turn into script or markup.
bool isBrowserWebAddress(const std::string &field);

// The word for a program of another computer: by its name for Windows, by its first
// bytes (an ELF header or "#!") for Linux; empty for a document.
std::string programWord(const std::string &name, const std::string &firstBytes);

// The facts from info.txt's bytes, each entry's file found on the medium as the start
// program finds it (a "\" or "/" path, letter case and a disc's ";1" ignored where needed).
StartPageFacts factsOf(const std::string &mediumDir, const std::string &infoBytes, const MediumFiles &files);

// True when the bytes are a page the check wrote: its marker on the second line.
bool isOwnPage(const std::string &bytes);

// The paths of every file at the medium's root named as the start page in any letter case.
std::vector<std::string> pagesOf(const std::string &mediumDir, const FolderListing &folders);

// True when the path is a start page the check wrote (the list writer leaves it out).
bool isOwnPageAt(const std::string &path, const MediumFiles &files);

// A warning for line 1 when the medium's own start page lists other entries or other
// link targets than info.txt and the medium do now; nothing when it agrees, when there
// is no page of the check's, or when the listing cannot read files.
std::optional<std::string> outdatedPageWarning(const std::string &mediumDir, const std::string &infoBytes,
                                               const FolderListing &folders);

} // namespace StartPage

// Writes the start page into the medium's folder when the check finds no error in
// info.txt but files missing from the medium (the page shows those unlinked, and says
// so), replacing only a page the check wrote. Returns what to tell the author.
MendResult WriteStartPage(const std::string &mediumDir, MediumFiles &files);
