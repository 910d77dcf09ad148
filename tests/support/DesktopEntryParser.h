#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// Reads a desktop entry back by the Desktop Entry rules, to check what was written.
namespace DesktopEntryParser {

struct Parsed
{
    QMap<QString, QString> values; // key -> value with string escapes undone
    QStringList keys; // in file order, repeats included
    QStringList groups;
    bool wellFormed = true; // every line a group header, a comment or key=value
};

Parsed parse(const QString &text);

// Splits an Exec value (string escapes already undone) into its arguments; a
// malformed value (an open quote, a bad escape, a lone "%") gives nothing.
std::optional<QStringList> execArguments(const QString &exec);

} // namespace DesktopEntryParser
