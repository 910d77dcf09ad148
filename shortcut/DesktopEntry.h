#pragma once

#include <QString>

// The text of a freedesktop desktop entry that starts the program.
namespace DesktopEntry {

// A value of type string: "\" as "\\", line feed, tab and carriage return as
// \n, \t, \r, and a leading blank as \s, so that no value can start a new key.
QString escapeString(const QString &value);

// One Exec argument: quoted, with ", `, $ and \ escaped inside the quotes and
// "%" doubled, then escaped as a string value.
QString execArgument(const QString &argument);

struct Launcher
{
    QString name;
    QString comment;
    QString program; // the program file
    QString workingDirectory; // the folder it starts in
    QString icon; // the icon file
};

// The whole file, UTF-8 text ending in a line feed.
QString text(const Launcher &launcher);

} // namespace DesktopEntry
