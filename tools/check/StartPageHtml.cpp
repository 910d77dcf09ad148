#include "tools/check/StartPageHtml.h"

#include "tools/check/StartPage.h"

namespace {

// The window's look: white, navy bars and headings, an orange line, black banner text.
// Every colour pair reads at 4.5:1 or better (navy on white 16:1, grey #444 on white 9.7:1).
constexpr char Style[] = R"(*{box-sizing:border-box}
html{background:#fff;color:#000}
body{margin:0;font-family:Arial,"Liberation Sans",Helvetica,sans-serif;font-size:1rem;line-height:1.45}
.page{max-width:46rem;min-height:100vh;margin:0 auto;padding:0 1rem 1.5rem 1.25rem;border-left:4.5rem solid #000080;overflow-wrap:anywhere}
header{padding:1rem 0 .5rem;text-align:right}
h1{margin:0;font-size:1.5rem;font-weight:bold;letter-spacing:.02em;text-transform:uppercase;color:#000}
h2{margin:1rem 0 .5rem;font-size:1.3rem;font-weight:normal;color:#000080}
.entries{margin:0;padding-left:2rem}
.entries li{margin:.35rem 0}
a{color:#000080;text-decoration:underline}
a:hover{background:#ffffc0}
a:focus{outline:3px solid #000080;outline-offset:2px;background:#ffffc0}
.word{color:#444}
.bar{margin:1.25rem -1rem 0 -1.25rem;padding:.3rem 1.25rem;background:#000080;color:#fff;font-weight:bold;font-size:1.1rem}
.note{color:#444}
footer{margin-top:1.5rem;border-top:2px solid #ff8000;padding-top:.5rem;font-size:.85rem;color:#444}
@media (max-width:36rem){.page{border-left-width:.75rem;padding-left:.75rem}.bar{margin-left:-.75rem;padding-left:.75rem}header{text-align:left}h1{font-size:1.3rem}}
)";

std::string entryHtml(const StartPageEntry &entry)
{
    std::string html = "<li>";
    if (entry.link == StartPageEntry::Link::None)
        html += "<span class=\"none\">" + escapedHtml(entry.description) + "</span>";
    else
        html += "<a href=\"" + escapedHtml(entry.href) + "\">" + escapedHtml(entry.description) + "</a>";
    if (!entry.word.empty())
        html += " <span class=\"word\">(" + escapedHtml(entry.word) + ")</span>";
    return html + "</li>\n";
}

} // namespace

std::string escapedHtml(const std::string &text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            // Control characters are no text of a page: each shows as the replacement character.
            if ((b < 0x20 && c != '\t' && c != '\n') || b == 0x7F)
                out += "\xEF\xBF\xBD";
            else
                out += c;
        }
    }
    return out;
}

std::string StartPageListHtml(const StartPageFacts &facts)
{
    std::string html = "<ol class=\"entries\">\n";
    for (const StartPageEntry &entry : facts.entries)
        html += entryHtml(entry);
    return html + "</ol>\n";
}

std::string StartPageHtml(const StartPageFacts &facts)
{
    std::string html = StartPageDoctype;
    html += std::string(StartPageMarker) + "\n";
    html += "<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    html += "<title>" + escapedHtml(facts.title) + "</title>\n";
    html += std::string("<style>\n") + Style + "</style>\n</head>\n<body>\n<div class=\"page\">\n";
    html += "<header><h1>" + escapedHtml(facts.title) + "</h1></header>\n<main>\n";
    html += "<h2>" + escapedHtml(facts.choose) + "</h2>\n";
    html += StartPageListHtml(facts);
    if (!facts.downloadNote.empty())
        html += "<p class=\"note\">" + escapedHtml(facts.downloadNote) + "</p>\n";
    // The window's navy bar; the usage page is linked under its sentence, as the window's link does.
    html += "<p class=\"bar\">" + escapedHtml(facts.introductionHeading) + "</p>\n<p>" + escapedHtml(facts.introduction)
        + "</p>\n";
    if (!facts.usageHref.empty())
        html
            += "<p><a href=\"" + escapedHtml(facts.usageHref) + "\">" + escapedHtml(facts.usageLinkText) + "</a></p>\n";
    html += "</main>\n<footer><p>" + escapedHtml(facts.copyright) + "</p></footer>\n</div>\n</body>\n</html>\n";
    return html;
}
