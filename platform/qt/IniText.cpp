#include "platform/qt/IniText.h"

#include <vector>

namespace IniText {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string trimmed(const std::string &s)
{
    std::size_t begin = 0;
    std::size_t end = s.size();
    while (begin < end && isBlank(s[begin]))
        ++begin;
    while (end > begin && isBlank(s[end - 1]))
        --end;
    return s.substr(begin, end - begin);
}

bool sameName(const std::string &a, const std::string &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// One line of the file: its bytes as they stand (line end included) and what it is.
struct Line
{
    enum class Kind { Other, Section, Key };
    std::string raw;
    Kind kind = Kind::Other;
    std::string name; // the section's or the key's name
    std::string value; // the key's raw value, after "="
};

// The content of a line without its line end, and without a byte-order mark on the first.
std::string content(const std::string &raw, bool first)
{
    std::string s = raw;
    if (!s.empty() && s.back() == '\n')
        s.pop_back();
    if (!s.empty() && s.back() == '\r')
        s.pop_back();
    if (first && s.compare(0, 3, "\xEF\xBB\xBF") == 0)
        s.erase(0, 3);
    return s;
}

std::vector<Line> split(const std::string &text)
{
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        Line line;
        line.raw = text.substr(start, end - start);
        const std::string s = trimmed(content(line.raw, start == 0));
        if (!s.empty() && s.front() == '[') {
            const std::size_t close = s.find(']');
            if (close != std::string::npos) {
                line.kind = Line::Kind::Section;
                line.name = trimmed(s.substr(1, close - 1));
            }
        } else if (!s.empty() && s.front() != ';' && s.front() != '#') {
            const std::size_t equals = s.find('=');
            if (equals != std::string::npos) {
                line.kind = Line::Kind::Key;
                line.name = trimmed(s.substr(0, equals));
                line.value = s.substr(equals + 1);
            }
        }
        lines.push_back(std::move(line));
        start = end;
    }
    return lines;
}

// The line end the file uses, so that added lines match it.
std::string lineEnd(const std::string &text)
{
    const std::size_t first = text.find('\n');
    return first != std::string::npos && first > 0 && text[first - 1] == '\r' ? "\r\n" : "\n";
}

// Ends the text's last line before a line is added after it. A last line that ends
// in a bare carriage return gets only the line feed: another line end would leave
// that carriage return in the line's value.
void endLastLine(std::string &out, const std::string &end)
{
    if (out.empty() || out.back() == '\n')
        return;
    out += out.back() == '\r' ? std::string("\n") : end;
}

struct Place
{
    std::size_t keyLine = std::string::npos; // the line value() reads
    std::size_t lastInSection = std::string::npos; // the header or last key line of the last such section
};

Place find(const std::vector<Line> &lines, const std::string &section, const std::string &key)
{
    Place place;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line &line = lines[i];
        if (line.kind == Line::Kind::Section) {
            inSection = sameName(line.name, section);
            if (inSection)
                place.lastInSection = i;
        } else if (inSection && line.kind == Line::Kind::Key) {
            place.lastInSection = i;
            if (sameName(line.name, key))
                place.keyLine = i;
        }
    }
    return place;
}

} // namespace

std::string decode(const std::string &raw)
{
    std::string s = trimmed(raw);
    if (s.size() < 2 || s.front() != '"')
        return s;
    std::string out;
    for (std::size_t i = 1; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"')
            return out; // what follows the closing quote is a remark
        if (c == '\\' && i + 1 < s.size()) {
            const char next = s[i + 1];
            if (next == '"' || next == '\\' || next == 'n' || next == 'r') {
                out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
                ++i;
                continue;
            }
        }
        out += c; // any other backslash stays, so "C:\docs\a.htm" reads as written
    }
    return s; // no closing quote: the text as it stands
}

std::string encode(const std::string &value)
{
    bool plain = value.empty() || (!isBlank(value.front()) && !isBlank(value.back()) && value.front() != '"');
    for (const char c : value) {
        if (c == '\n' || c == '\r' || c == ';' || c == '#')
            plain = false;
    }
    if (plain)
        return value;
    std::string out = "\"";
    for (const char c : value) {
        if (c == '"' || c == '\\')
            out += '\\', out += c;
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out + '"';
}

std::optional<std::string> value(const std::string &text, const std::string &section, const std::string &key)
{
    const std::vector<Line> lines = split(text);
    const Place place = find(lines, section, key);
    if (place.keyLine == std::string::npos)
        return std::nullopt;
    return decode(lines[place.keyLine].value);
}

std::string withValue(const std::string &text, const std::string &section, const std::string &key,
                      const std::string &value)
{
    std::vector<Line> lines = split(text);
    const Place place = find(lines, section, key);
    const std::string end = lineEnd(text);
    const std::string entry = key + '=' + encode(value);

    std::string out;
    if (place.keyLine != std::string::npos) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i != place.keyLine) {
                out += lines[i].raw;
                continue;
            }
            const std::string &raw = lines[i].raw;
            // Keep a byte-order mark and the line's own line end (or its lack of one).
            if (i == 0 && raw.compare(0, 3, "\xEF\xBB\xBF") == 0)
                out += "\xEF\xBB\xBF";
            out += entry;
            if (!raw.empty() && raw.back() == '\n')
                out += raw.size() >= 2 && raw[raw.size() - 2] == '\r' ? "\r\n" : "\n";
        }
        return out;
    }
    if (place.lastInSection != std::string::npos) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            out += lines[i].raw;
            if (i == place.lastInSection) {
                endLastLine(out, end);
                out += entry + end;
            }
        }
        return out;
    }
    out = text;
    endLastLine(out, end);
    if (!out.empty())
        out += end; // a blank line before the new section
    return out + '[' + section + ']' + end + entry + end;
}

} // namespace IniText
