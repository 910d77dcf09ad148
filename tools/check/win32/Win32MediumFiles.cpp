#include "tools/check/win32/Win32MediumFiles.h"

#include "platform/win32/ScopedWin.h"
#include "platform/win32/Utf8.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace {

std::string nameOf(const std::string &path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The system's own words for an error code, without the line end it adds.
std::string systemMessage(DWORD code)
{
    wchar_t *text = nullptr;
    const DWORD length
        = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, code, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    std::wstring message = length > 0 && text ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!message.empty()
           && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' ' || message.back() == L'.'))
        message.pop_back();
    return message.empty() ? "error " + std::to_string(code) : Utf8::fromWide(message);
}

std::string writeAll(HANDLE file, const std::string &bytes)
{
    for (std::size_t done = 0; done < bytes.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1U << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return systemMessage(GetLastError());
        done += written;
    }
    if (!FlushFileBuffers(file))
        return systemMessage(GetLastError()); // a full disk or a pulled stick may tell only now
    return {};
}

} // namespace

bool Win32MediumFiles::isLink(const std::string &path) const
{
    // A symbolic link or a junction; other reparse points (a cloud file, a deduplicated
    // one) are the file or folder itself.
    WIN32_FIND_DATAW found {};
    HANDLE search = FindFirstFileW(Utf8::toWide(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0
        && (found.dwReserved0 == IO_REPARSE_TAG_SYMLINK || found.dwReserved0 == IO_REPARSE_TAG_MOUNT_POINT);
}

std::string Win32MediumFiles::fileSystemType(const std::string &path) const
{
    // The volume's root (D:\ or a folder where a volume is mounted), then its file system's name.
    wchar_t root[MAX_PATH + 1] = {};
    if (!GetVolumePathNameW(Utf8::toWide(path).c_str(), root, MAX_PATH))
        return {};
    wchar_t name[MAX_PATH + 1] = {};
    if (!GetVolumeInformationW(root, nullptr, 0, nullptr, nullptr, nullptr, name, MAX_PATH))
        return {};
    return Utf8::fromWide(name);
}

bool Win32MediumFiles::isHidden(const std::string &path) const
{
    const DWORD attributes = GetFileAttributesW(Utf8::toWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
}

std::string Win32MediumFiles::write(const std::string &path, const std::string &bytes,
                                    const std::optional<std::string> &current)
{
    std::wstring temporary;
    ScopedHandle file;
    for (int attempt = 0; attempt < 100 && !file.valid(); ++attempt) {
        temporary = Utf8::toWide(temporaryBeside(path));
        file.reset(
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        const DWORD error = GetLastError();
        if (!file.valid() && error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return systemMessage(error);
    }
    if (!file.valid())
        return "no file of its own could be made beside it";
    std::string failure = writeAll(file.get(), bytes);
    file.reset();
    if (failure.empty() && current && !holds(path, *current))
        failure = nameOf(path) + " was changed after it was checked";
    if (failure.empty()) {
        // Without MOVEFILE_REPLACE_EXISTING a file that appeared meanwhile stays.
        const DWORD flags = MOVEFILE_WRITE_THROUGH | (current ? MOVEFILE_REPLACE_EXISTING : 0);
        if (!MoveFileExW(temporary.c_str(), Utf8::toWide(path).c_str(), flags)) {
            const DWORD error = GetLastError();
            failure = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? nameOf(path) + " exists"
                                                                                  : systemMessage(error);
        }
    }
    if (!failure.empty())
        DeleteFileW(temporary.c_str());
    return failure;
}
