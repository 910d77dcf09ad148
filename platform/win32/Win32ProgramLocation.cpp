#include "platform/win32/Win32ProgramLocation.h"

#include "platform/win32/Utf8.h"

#include <windows.h>

#include <vector>

namespace {

std::wstring modulePath()
{
    // Long paths need more than MAX_PATH: grow until the name fits.
    for (DWORD size = MAX_PATH; size <= 32768 * 2; size *= 2) {
        std::vector<wchar_t> buffer(size);
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
        if (length == 0)
            return {};
        if (length < size)
            return std::wstring(buffer.data(), length);
    }
    return {};
}

} // namespace

Win32ProgramLocation::Win32ProgramLocation()
{
    split(Utf8::fromWide(modulePath()), m_dir, m_fileName);
}

void Win32ProgramLocation::split(const std::string &path, std::string &dir, std::string &fileName)
{
    const auto last = path.find_last_of("\\/");
    if (last == std::string::npos) {
        dir.clear();
        fileName = path;
        return;
    }
    fileName = path.substr(last + 1);
    dir = path.substr(0, last);
    // "D:" alone would mean the drive's current folder: a root keeps its separator.
    if (dir.empty() || (dir.size() == 2 && dir[1] == ':'))
        dir += '\\';
}
