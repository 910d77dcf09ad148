#include "launch/ResolveTarget.h"

#include "entries/ProgramPath.h"

namespace {

bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isSchemeCharacter(char c)
{
    return isLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

} // namespace

bool hasScheme(const std::string &target)
{
    if (target.empty() || !isLetter(target[0]))
        return false;
    std::size_t i = 1;
    while (i < target.size() && isSchemeCharacter(target[i]))
        ++i;
    return i >= 2 && i < target.size() && target[i] == ':';
}

bool startsWithHttp(const std::string &field)
{
    if (field.size() < 4)
        return false;
    for (std::size_t i = 0; i < 4; ++i) {
        if ((field[i] & ~0x20) != "HTTP"[i])
            return false;
    }
    return true;
}

bool isWebAddressField(const std::string &field)
{
    return field.size() > 4 && startsWithHttp(field) && hasScheme(field);
}

std::string ResolveTarget(const std::string &programDir, char separator, const std::string &field)
{
    return isWebAddressField(field) ? field : ProgramPath::join(programDir, field, separator);
}
