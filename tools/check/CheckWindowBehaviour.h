#pragma once

#include "tools/check/CheckView.h"
#include "tools/check/MediumCheck.h"

#include <string>

class MediumFiles;
struct MendResult;

// What the check's window does, on any desktop: which folder it checks, what it shows,
// which mends it offers. The window forwards its events here and shows what it is told.
// Paths from and to the window use the desktop's separator.
class CheckWindowBehaviour
{
public:
    CheckWindowBehaviour(CheckView &view, MediumFiles &files, char separator);

    // The window has opened with the path the program was given (a folder or an
    // info.txt dropped on its icon; empty for none), and the program's own folder:
    // with no path, the kit's "medium" folder beside its "tools" folder, if any.
    void start(const std::string &argument, const std::string &programDir);
    // A folder or a file dropped on the window.
    void dropped(const std::string &path);
    // A folder chosen with the folder picker.
    void folderChosen(const std::string &folder);
    void checkAgain();
    void openInformationFile();
    void copyReport();
    void makeList();
    void setCount();
    void makeStartPage();

    // The folder checked, with "/" separators; empty for none.
    const std::string &folder() const { return m_folder; }
    const MediumReport &report() const { return m_report; }

private:
    void check(const std::string &folder);
    // Runs a mend on the folder shown, checks again and says how it went (with `offer`
    // after a success).
    void mend(MendResult (*write)(const std::string &, MediumFiles &), const char *offer = "");
    std::string generic(const std::string &path) const;
    std::string native(const std::string &path) const;

    CheckView &m_view;
    MediumFiles &m_files;
    char m_separator;
    std::string m_folder;
    std::string m_informationFile; // as found in m_folder; empty for none
    MediumReport m_report;
};
