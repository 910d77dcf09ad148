#include "shortcut/DesktopEntry.h"

namespace DesktopEntry {

std::string escapeString(const std::string &value)
{
    std::string out;
    out.reserve(value.size() + 8);
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\r')
            out += "\\r";
        else if (c == ' ' && i == 0)
            out += "\\s";
        else
            out += c;
    }
    return out;
}

std::string execArgument(const std::string &argument)
{
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    quoted += '"';
    return escapeString(quoted);
}

std::string execLine(const std::string &program)
{
    const bool needsEnv = program.find('%') != std::string::npos && program.find('=') == std::string::npos;
    return needsEnv ? "/usr/bin/env " + execArgument(program) : execArgument(program);
}

std::string text(const Launcher &launcher)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name="
        + escapeString(launcher.name) + "\nComment=" + escapeString(launcher.comment)
        + "\nExec=" + execLine(launcher.program) + "\nPath=" + escapeString(launcher.workingDirectory)
        + "\nIcon=" + escapeString(launcher.icon) + "\nTerminal=false\n";
}

} // namespace DesktopEntry
