#pragma once

#include <string>

// The text of a freedesktop desktop entry that starts the program.
namespace DesktopEntry {

// A value of type string: "\" as "\\", line feed, tab and carriage return as
// \n, \t, \r, and a leading blank as \s, so that no value can start a new key.
std::string escapeString(const std::string &value);

// One Exec argument: quoted, with ", `, $ and \ escaped inside the quotes and
// "%" doubled, then escaped as a string value.
std::string execArgument(const std::string &argument);

// The Exec value that starts the program file. GLib checks, when it loads the
// file, that the first word names an existing program before it undoes the "%%"
// escape; a program path holding "%" is therefore started through /usr/bin/env,
// whose own path holds none (env would take a word with "=" for a variable, so a
// path with both keeps the plain form).
std::string execLine(const std::string &program);

struct Launcher
{
    std::string name;
    std::string comment;
    std::string program; // the program file
    std::string workingDirectory; // the folder it starts in
    std::string icon; // the icon file, or a themed icon's name
};

// The whole file, UTF-8 text ending in a line feed.
std::string text(const Launcher &launcher);

} // namespace DesktopEntry
