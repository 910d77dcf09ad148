#pragma once

#include <QString>

// Media are often written on a desktop whose file names ignore case and read here
// from a disc whose names carry a ";1" version mark. These find the file meant.
namespace MediaPath {

// The name with a trailing ";1" disc version mark removed.
QString withoutVersionMark(const QString &name);

// Picks the entry of a folder listing that a path part names: an exact match wins;
// otherwise the one entry equal to it without regard to case (and with its ";1"
// version mark ignored). Two such entries and no exact one: empty.
QString matchEntry(const QString &part, const QStringList &entries);

// The existing path that `path` names, looked up part by part as above, or an
// empty text when there is none. A relative path is taken from the current folder.
QString locate(const QString &path);

} // namespace MediaPath
