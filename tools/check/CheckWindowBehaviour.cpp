#include "tools/check/CheckWindowBehaviour.h"

#include "entries/LoadEntryList.h"
#include "tools/check/CheckCommand.h"
#include "tools/check/CheckTexts.h"
#include "tools/check/MediumFiles.h"
#include "tools/check/StartPage.h"

#include <algorithm>
#include <optional>

CheckWindowBehaviour::CheckWindowBehaviour(CheckView &view, MediumFiles &files, char separator)
    : m_view(view)
    , m_files(files)
    , m_separator(separator)
{ }

std::string CheckWindowBehaviour::generic(const std::string &path) const
{
    std::string out = path;
    std::replace(out.begin(), out.end(), m_separator, '/');
    return out;
}

std::string CheckWindowBehaviour::native(const std::string &path) const
{
    std::string out = path;
    std::replace(out.begin(), out.end(), '/', m_separator);
    return out;
}

void CheckWindowBehaviour::start(const std::string &argument, const std::string &programDir)
{
    if (!argument.empty()) {
        dropped(argument);
        return;
    }
    // The kit's check lies in "tools", beside the ready "medium" folder.
    const std::string dir = generic(programDir);
    const std::size_t slash = dir.find_last_of('/');
    const std::string name = slash == std::string::npos ? dir : dir.substr(slash + 1);
    if (slash != std::string::npos && name == "tools") {
        const std::string medium = dir.substr(0, slash) + "/medium";
        if (m_files.isFolder(medium)) {
            check(medium);
            return;
        }
    }
    check({});
}

void CheckWindowBehaviour::dropped(const std::string &path)
{
    const std::string folder = MediumFolderOf(generic(path), m_files);
    if (folder.empty()) {
        m_view.showMessage(native(generic(path)) + " is neither a folder nor an info.txt.\n\n" + CheckTexts::NoFolder,
                           true);
        if (m_folder.empty())
            check({});
        return;
    }
    check(folder);
}

void CheckWindowBehaviour::folderChosen(const std::string &folder)
{
    dropped(folder);
}

void CheckWindowBehaviour::checkAgain()
{
    check(m_folder);
}

void CheckWindowBehaviour::check(const std::string &folder)
{
    m_folder = folder;
    m_view.showFolder(native(folder));
    if (folder.empty()) {
        m_report = {};
        m_informationFile.clear();
        m_view.showSummary(CheckTexts::NoFolder);
        m_view.showFindings({});
        m_view.showActions({});
        return;
    }
    m_informationFile = InformationFileOf(folder, m_files);
    const std::optional<std::string> bytes
        = m_informationFile.empty() ? std::nullopt : m_files.read(m_informationFile, MaxInformationFileBytes);
    m_report = InspectMedium(folder, bytes ? &*bytes : nullptr, m_files, m_files.fileSystemType(folder));
    std::vector<FindingRow> rows;
    rows.reserve(m_report.findings.size());
    for (const Finding &finding : m_report.findings)
        rows.push_back({std::to_string(finding.line),
                        finding.kind == Finding::Kind::Error ? CheckTexts::Error : CheckTexts::Warning, finding.text});
    m_view.showSummary(summaryLine(m_report));
    m_view.showFindings(rows);
    CheckActions actions;
    actions.checkAgain = true;
    actions.copy = true;
    actions.openInformationFile = m_report.hasInformationFile;
    actions.makeList = !m_report.hasInformationFile && NamesAlike(folder, InformationFileName, m_files).empty();
    actions.setCount = m_report.countIsTheOnlyError;
    actions.makeStartPage = m_report.hasInformationFile; // it says why when info.txt is not ready
    m_view.showActions(actions);
}

void CheckWindowBehaviour::openInformationFile()
{
    if (!m_informationFile.empty() && m_report.hasInformationFile)
        m_view.openDocument(native(m_informationFile));
}

void CheckWindowBehaviour::copyReport()
{
    if (!m_folder.empty())
        m_view.copyText(formatFindings(m_report.findings) + summaryLine(m_report) + '\n');
}

void CheckWindowBehaviour::mend(MendResult (*write)(const std::string &, MediumFiles &), const char *offer)
{
    if (m_folder.empty())
        return;
    const MendResult result = write(m_folder, m_files);
    check(m_folder);
    m_view.showMessage(result.message + (result.done ? offer : ""), !result.done);
}

void CheckWindowBehaviour::makeList()
{
    mend(WriteEntryList, StartPage::OfferAfterList);
}

void CheckWindowBehaviour::setCount()
{
    mend(WriteCountOfEntries);
}

void CheckWindowBehaviour::makeStartPage()
{
    mend(WriteStartPage);
}
