#include "platform/win32/Win32Shell.h"

#include "launch/ResolveTarget.h"
#include "platform/win32/Utf8.h"

#include <windows.h>

#include <shellapi.h>

namespace {

// The folder that holds a file path, or empty when the path names none.
std::wstring folderOf(const std::wstring &path)
{
    const auto last = path.find_last_of(L"\\/");
    if (last == std::wstring::npos)
        return {};
    if (last == 2 && path[1] == L':')
        return path.substr(0, 3); // keep the root's separator: "D:\"
    return path.substr(0, last);
}

} // namespace

bool Win32Shell::isMissing(unsigned long error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_NOT_READY: // the disc was taken out
    case ERROR_BAD_NET_NAME: // the share went away
    case ERROR_BAD_NETPATH:
    case ERROR_DEV_NOT_EXIST: // the drive went away
    case ERROR_INVALID_DRIVE:
        return true;
    default:
        return false;
    }
}

Shell::Result Win32Shell::run(const std::string &target)
{
    const std::wstring file = Utf8::toWide(target);
    if (file.empty())
        return Result::FileNotFound;

    std::wstring directory;
    // A web or mail address goes as it is; a drive letter ("C:") is no scheme.
    if (!hasScheme(target)) {
        // The shell reports a missing file, but not every missing folder: look first.
        const DWORD attributes = GetFileAttributesW(file.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            const DWORD error = GetLastError();
            if (isMissing(error) || error == ERROR_INVALID_NAME)
                return Result::FileNotFound;
        } else if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            directory = folderOf(file); // a program starts in its own folder
        }
    }

    SHELLEXECUTEINFOW info {};
    info.cbSize = sizeof info;
    // No shell error box (ours is the only message), and the hand-over is complete
    // before we return, since the program may end ten seconds later.
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpVerb = nullptr; // the default verb
    info.lpFile = file.c_str();
    info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&info))
        return Result::Started;
    return isMissing(GetLastError()) ? Result::FileNotFound : Result::Failed;
}
