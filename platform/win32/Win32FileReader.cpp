#include "platform/win32/Win32FileReader.h"

#include "platform/win32/ScopedWin.h"
#include "platform/win32/Utf8.h"

#include <algorithm>

std::optional<std::string> Win32FileReader::read(const std::string &path, std::size_t maxBytes) const
{
    const std::wstring name = Utf8::toWide(path);
    if (name.empty())
        return std::nullopt;
    // A path naming a folder fails here: no FILE_FLAG_BACKUP_SEMANTICS.
    ScopedHandle file(CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid() || GetFileType(file.get()) != FILE_TYPE_DISK)
        return std::nullopt;

    std::string content;
    char buffer[64 * 1024];
    while (content.size() < maxBytes) {
        const std::size_t wanted = std::min(sizeof buffer, maxBytes - content.size());
        DWORD got = 0;
        if (!ReadFile(file.get(), buffer, static_cast<DWORD>(wanted), &got, nullptr))
            return std::nullopt;
        if (got == 0)
            break;
        content.append(buffer, got);
    }
    return content;
}
