#pragma once

#include <string>
#include <vector>

// One finding as the window's list shows it, a column each.
struct FindingRow
{
    std::string line;
    std::string kind;
    std::string text;
};

// The buttons that apply to the medium shown; the others are disabled or hidden.
struct CheckActions
{
    bool checkAgain = false;
    bool openInformationFile = false;
    bool copy = false;
    bool makeList = false;
    bool setCount = false;
    bool makeStartPage = false;
};

// The check's window as its behaviour drives it. Texts are UTF-8; paths are as the
// desktop writes them.
class CheckView
{
public:
    virtual ~CheckView() = default;
    // Shows the medium's folder in the folder box.
    virtual void showFolder(const std::string &folder) = 0;
    // Shows the one-line summary above the findings.
    virtual void showSummary(const std::string &summary) = 0;
    // Replaces the findings list.
    virtual void showFindings(const std::vector<FindingRow> &rows) = 0;
    // Enables the buttons that apply (and "Make the list" and "Set the count" only then).
    virtual void showActions(const CheckActions &actions) = 0;
    // A message box: information, or a stop sign when something failed.
    virtual void showMessage(const std::string &text, bool failed) = 0;
    // Hands a file to the desktop's application for it (info.txt: the text editor).
    virtual void openDocument(const std::string &path) = 0;
    // Puts the text on the clipboard.
    virtual void copyText(const std::string &text) = 0;
};
