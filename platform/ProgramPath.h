#pragma once

#include <QString>

namespace ProgramPath {

// Joins a name to the program's folder: directly after a folder that ends with
// "/" (the root), otherwise with "/" between. A "\" in the name is a separator,
// since media are often written on a desktop that uses it.
QString join(const QString &programDir, const QString &name);

} // namespace ProgramPath
