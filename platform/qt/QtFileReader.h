#pragma once

#include "platform/FileReader.h"

class QString;

// Reads files of the medium as they lie on the disc, stick or folder.
class QtFileReader : public FileReader
{
public:
    // At most maxBytes of the plain file the path names, found by the media rules
    // when it does not exist as written; nothing for a folder, a pipe or a device.
    std::optional<std::string> read(const std::string &path, std::size_t maxBytes) const override;

    // At most maxBytes of the plain file at exactly this path. The file is opened
    // without waiting, so a pipe under the name never blocks the window.
    static std::optional<std::string> readPlainFile(const QString &path, std::size_t maxBytes);
};
