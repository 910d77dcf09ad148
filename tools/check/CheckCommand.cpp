#include "tools/check/CheckCommand.h"

#include "entries/LoadEntryList.h"
#include "entries/MediaPath.h"
#include "tools/check/CountFix.h"
#include "tools/check/ListWriter.h"
#include "tools/check/MediumCheck.h"
#include "tools/check/MediumFiles.h"
#include "tools/check/StartPage.h"

#include <optional>

namespace {

constexpr char Usage[] = "usage: startprogram-check [DIR]\n"
                         "       startprogram-check --make-list DIR\n"
                         "       startprogram-check --set-count DIR\n"
                         "       startprogram-check --make-start-page DIR\n"
                         "Checks DIR's info.txt (default: the current folder) as the start program reads it:\n"
                         "each finding on standard output as info.txt:LINE: error|warning: text, a summary on\n"
                         "standard error. Exit status: 0 clean, 1 warnings only, 2 errors.\n"
                         "--make-list writes DIR/info.txt listing every document below DIR (never over an\n"
                         "existing one); --set-count writes the number of entries info.txt holds as its count;\n"
                         "--make-start-page writes DIR/Start here.htm, the list as a page for any browser (not\n"
                         "while info.txt has an error but a missing file; never over a page the check did not\n"
                         "write).\n";

std::string joined(const std::string &dir, const std::string &name)
{
    return dir + (dir.back() == '/' ? "" : "/") + name;
}

std::string parentOf(const std::string &path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return {};
    if (slash == 0 || (slash == 2 && path[1] == ':'))
        return path.substr(0, slash + 1);
    return path.substr(0, slash);
}

std::string nameOf(const std::string &path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The folder without a trailing "/" (but the root's), as the check names it.
std::string trimmed(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/' && !(folder.size() == 3 && folder[1] == ':'))
        folder.pop_back();
    return folder;
}

struct Checked
{
    MediumReport report;
    int status = 0;
};

Checked checkAndPrint(const std::string &folder, MediumFiles &files, CheckOutput &output)
{
    const std::string info = InformationFileOf(folder, files);
    const std::optional<std::string> bytes = info.empty() ? std::nullopt : files.read(info, MaxInformationFileBytes);
    Checked checked {InspectMedium(folder, bytes ? &*bytes : nullptr, files, files.fileSystemType(folder)), 0};
    output.out(formatFindings(checked.report.findings));
    output.err(summaryLine(checked.report) + '\n');
    checked.status = exitStatus(checked.report.findings);
    return checked;
}

} // namespace

std::vector<std::string> NamesAlike(const std::string &folder, const std::string &name, const FolderListing &files)
{
    std::vector<std::string> names;
    for (const std::string &entry : files.entries(folder))
        if (MediaPath::equalIgnoringCase(MediaPath::withoutVersionMark(entry), name))
            names.push_back(entry);
    return names;
}

std::string InformationFileOf(const std::string &mediumDir, const FolderListing &files)
{
    std::string written = joined(mediumDir, InformationFileName);
    if (files.exists(written))
        return written;
    const std::string found
        = MediaPath::matchEntry(InformationFileName, NamesAlike(mediumDir, InformationFileName, files));
    return found.empty() ? std::string() : joined(mediumDir, found);
}

std::string MediumFolderOf(const std::string &path, const MediumFiles &files)
{
    if (files.isFolder(path))
        return trimmed(path);
    if (MediaPath::equalIgnoringCase(MediaPath::withoutVersionMark(nameOf(path)), InformationFileName)
        && files.exists(path)) {
        const std::string parent = parentOf(path);
        if (!parent.empty() && files.isFolder(parent))
            return trimmed(parent);
    }
    return {};
}

std::string AbsolutePath(const std::string &path, const std::string &currentDir)
{
    const bool absolute
        = (!path.empty() && path.front() == '/') || (path.size() >= 3 && path[1] == ':' && path[2] == '/');
    if (absolute || currentDir.empty())
        return path;
    if (path.empty() || path == ".")
        return currentDir;
    return joined(currentDir, path.compare(0, 2, "./") == 0 ? path.substr(2) : path);
}

MendResult WriteEntryList(const std::string &mediumDir, MediumFiles &files)
{
    const std::string target = joined(mediumDir, InformationFileName);
    // A disc or a FAT stick keeps only one of "INFO.TXT" and "info.txt".
    const std::vector<std::string> existing = NamesAlike(mediumDir, InformationFileName, files);
    if (!existing.empty() || files.exists(target))
        return {false,
                (existing.empty() ? std::string(InformationFileName) : existing.front()) + " already exists in "
                    + mediumDir + ": it was left as it is. Move it away first to make a new list."};
    const WrittenList list = MakeEntryList(mediumDir, files);
    std::string notes;
    for (const std::string &note : list.notes)
        notes += "\n" + note;
    if (!list.refusal.empty())
        return {false, list.refusal + " Nothing was written." + notes};
    if (list.entries == 0)
        return {false, mediumDir + " holds no documents to list: nothing was written." + notes};
    const std::string failure = files.write(target, list.bytes, std::nullopt);
    if (!failure.empty())
        return {false, "info.txt could not be written: " + failure + ". Nothing was changed." + notes};
    return {true,
            "Wrote info.txt with " + std::to_string(list.entries) + (list.entries == 1 ? " entry." : " entries.")
                + notes};
}

MendResult WriteCountOfEntries(const std::string &mediumDir, MediumFiles &files)
{
    const std::string target = InformationFileOf(mediumDir, files);
    const std::optional<std::string> bytes
        = target.empty() ? std::nullopt : files.read(target, MaxInformationFileBytes);
    if (!bytes)
        return {false, "there is no readable info.txt in " + mediumDir + ": nothing was changed."};
    const std::optional<std::string> mended = WithCountOfEntries(*bytes);
    if (!mended)
        return {false, CountMendRefusal(*bytes)};
    if (*mended == *bytes)
        return {false, "the count in info.txt is already right: nothing was changed."};
    // The file as it is now, not as it was at the last check: it may have been edited since.
    if (!InspectMedium(mediumDir, &*bytes, files, files.fileSystemType(mediumDir)).countIsTheOnlyError)
        return {false,
                "the count is not the only error in info.txt as it is now: mend the others first (check it "
                "again to see them). Nothing was changed."};
    const std::string failure = files.write(target, *mended, *bytes);
    if (!failure.empty())
        return {false, "info.txt could not be written: " + failure + ". The file is as it was."};
    return {true, "The count in info.txt now says how many entries it holds."};
}

int RunCheckCommand(const std::vector<std::string> &arguments, const std::string &currentDir, MediumFiles &files,
                    CheckOutput &output)
{
    enum class Action { Check, MakeList, SetCount, MakeStartPage } action = Action::Check;
    std::optional<std::string> path;
    for (const std::string &argument : arguments) {
        if (argument == "-h" || argument == "--help") {
            output.err(Usage);
            return 0;
        }
        if (argument == "--console")
            continue; // the console is what this run writes to anyway
        if ((argument == "--make-list" || argument == "--set-count") && action == Action::Check) {
            action = argument == "--make-list" ? Action::MakeList : Action::SetCount;
            continue;
        }
        if (argument == "--make-start-page" && action == Action::Check) {
            action = Action::MakeStartPage;
            continue;
        }
        if (path || (argument.size() > 1 && argument.front() == '-')) {
            output.err(Usage);
            return 2;
        }
        path = argument;
    }
    if (action != Action::Check && !path) {
        output.err(Usage);
        return 2;
    }

    const std::string folder = MediumFolderOf(AbsolutePath(path.value_or("."), currentDir), files);
    if (folder.empty()) {
        output.err("startprogram-check: " + path.value_or(".") + " is not a folder\n");
        return 2;
    }
    if (action != Action::Check) {
        const MendResult result = action == Action::MakeStartPage ? WriteStartPage(folder, files)
            : action == Action::MakeList                          ? WriteEntryList(folder, files)
                                                                  : WriteCountOfEntries(folder, files);
        output.err("startprogram-check: " + result.message + '\n');
        if (!result.done)
            return 2;
    }
    return checkAndPrint(folder, files, output).status;
}
