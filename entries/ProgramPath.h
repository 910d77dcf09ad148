#pragma once

#include <string>

namespace ProgramPath {

// Joins a name to the program's folder: directly after a folder that ends with the
// separator (a root: "/", "D:\"), otherwise with the separator between. Where the
// separator is "/", a "\" in the name is one too, since media are often written on
// a desktop that uses it.
std::string join(const std::string &programDir, const std::string &name, char separator);

} // namespace ProgramPath
