#include "platform/win32/ShortcutLauncherStore.h"

#include "platform/win32/ScopedWin.h"
#include "platform/win32/Utf8.h"

#include <shlobj.h>
#include <shobjidl.h>

ShortcutLauncherStore::ShortcutLauncherStore(std::string folder)
    : m_folder(std::move(folder))
{ }

std::string ShortcutLauncherStore::desktopFolder() const
{
    if (!m_folder.empty())
        return m_folder;
    PWSTR path = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Desktop, KF_FLAG_DONT_VERIFY, nullptr, &path)))
        folder = Utf8::fromWide(path);
    CoTaskMemFree(path);
    return folder;
}

bool ShortcutLauncherStore::writeLauncher(const Launcher &launcher)
{
    const std::wstring folder = Utf8::toWide(desktopFolder());
    if (folder.empty())
        return false;
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const int made = SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
        if (made != ERROR_SUCCESS && made != ERROR_ALREADY_EXISTS)
            return false;
    } else if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return false;
    }

    const std::wstring finalPath = folder + L'\\' + Utf8::toWide(launcher.name) + L".lnk";
    // Written under a name of its own and then moved over any earlier shortcut, so a
    // failure leaves either the old one or none, never half of a new one.
    const std::wstring tempPath
        = folder + L"\\~" + Utf8::toWide(launcher.name) + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";

    ScopedCom com;
    ScopedComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.outVoid())))
        return false;
    const std::wstring program = Utf8::toWide(launcher.program);
    const std::wstring description = Utf8::toWide(launcher.description);
    const std::wstring workingDirectory = Utf8::toWide(launcher.workingDirectory);
    if (FAILED(link->SetPath(program.c_str())) || FAILED(link->SetIconLocation(program.c_str(), 0))
        || FAILED(link->SetDescription(description.c_str()))
        || FAILED(link->SetWorkingDirectory(workingDirectory.c_str())))
        return false;
    ScopedComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.outVoid())))
        return false;
    if (FAILED(file->Save(tempPath.c_str(), TRUE))) {
        DeleteFileW(tempPath.c_str());
        return false;
    }
    if (!MoveFileExW(tempPath.c_str(), finalPath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(tempPath.c_str());
        return false;
    }
    return true;
}
