#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Reads files of the medium.
class FileReader
{
public:
    virtual ~FileReader() = default;
    // At most maxBytes of the plain file that the path names (on media written for
    // another desktop, as the desktop finds it); nothing when there is no such
    // plain file or it cannot be read.
    virtual std::optional<std::string> read(const std::string &path, std::size_t maxBytes) const = 0;
};
