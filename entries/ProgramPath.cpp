#include "entries/ProgramPath.h"

#include <algorithm>

namespace ProgramPath {

std::string join(const std::string &programDir, const std::string &name, char separator)
{
    std::string relative = name;
    if (separator == '/')
        std::replace(relative.begin(), relative.end(), '\\', '/');
    if (!programDir.empty() && programDir.back() == separator)
        return programDir + relative;
    return programDir + separator + relative;
}

} // namespace ProgramPath
