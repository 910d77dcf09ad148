#pragma once

#include "platform/FileReader.h"

// Reads plain files with CreateFileW (never a folder, a pipe or a device).
class Win32FileReader : public FileReader
{
public:
    std::optional<std::string> read(const std::string &path, std::size_t maxBytes) const override;
};
