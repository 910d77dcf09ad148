#pragma once

#include <string>

struct StartPageFacts;

// The start page's HTML: one self-contained UTF-8 HTML5 file (style inline, no script,
// no other file), every text of info.txt escaped; the same facts give the same bytes.
std::string StartPageHtml(const StartPageFacts &facts);

// The part of the page that lists the entries, as StartPageHtml() writes it: what an
// older page is compared by.
std::string StartPageListHtml(const StartPageFacts &facts);

// The text escaped for HTML text and attribute values alike.
std::string escapedHtml(const std::string &text);
