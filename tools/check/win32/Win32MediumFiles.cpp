#include "tools/check/win32/Win32MediumFiles.h"

#include "platform/win32/Utf8.h"

#include <windows.h>

bool Win32MediumFiles::isHidden(const std::string &path) const
{
    const DWORD attributes = GetFileAttributesW(Utf8::toWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
}
