#include "tests/support/DesktopEntryParser.h"

namespace DesktopEntryParser {

namespace {

constexpr char Blanks[] = " \t\n\v\f\r";

std::string trimmed(const std::string &text)
{
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

std::string unescape(const std::string &raw)
{
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 1 == raw.size()) {
            out += raw[i];
            continue;
        }
        const char next = raw[++i];
        if (next == 's')
            out += ' ';
        else if (next == 'n')
            out += '\n';
        else if (next == 't')
            out += '\t';
        else if (next == 'r')
            out += '\r';
        else if (next == '\\')
            out += '\\';
        else {
            out += '\\';
            out += next;
        }
    }
    return out;
}

} // namespace

Parsed parse(const std::string &text)
{
    Parsed parsed;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.starts_with('#') || trimmed(line).empty())
            continue;
        if (line.starts_with('[') && line.ends_with(']')) {
            parsed.groups.push_back(line.substr(1, line.size() - 2));
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == 0 || eq == std::string::npos) {
            parsed.wellFormed = false;
            continue;
        }
        const std::string key = trimmed(line.substr(0, eq));
        parsed.keys.push_back(key);
        parsed.values[key] = unescape(line.substr(eq + 1));
    }
    return parsed;
}

std::optional<std::vector<std::string>> execArguments(const std::string &exec)
{
    std::vector<std::string> args;
    std::string current;
    bool inArgument = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (c == '%') {
            if (i + 1 < exec.size() && exec[i + 1] == '%') {
                current += '%';
                inArgument = true;
                ++i;
                continue;
            }
            return std::nullopt; // field codes are not written by the program
        }
        if (c == '"') {
            inArgument = true;
            for (++i;; ++i) {
                if (i >= exec.size())
                    return std::nullopt;
                const char q = exec[i];
                if (q == '"')
                    break;
                if (q == '\\') {
                    if (i + 1 >= exec.size())
                        return std::nullopt;
                    const char e = exec[++i];
                    if (e != '"' && e != '`' && e != '$' && e != '\\')
                        return std::nullopt;
                    current += e;
                } else if (q == '%') {
                    if (i + 1 >= exec.size() || exec[i + 1] != '%')
                        return std::nullopt;
                    current += '%';
                    ++i;
                } else {
                    current += q;
                }
            }
            continue;
        }
        if (c == ' ') {
            if (inArgument)
                args.push_back(current);
            current.clear();
            inArgument = false;
            continue;
        }
        current += c;
        inArgument = true;
    }
    if (inArgument)
        args.push_back(current);
    return args;
}

} // namespace DesktopEntryParser
