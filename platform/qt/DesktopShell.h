#pragma once

#include "platform/Shell.h"
#include "platform/qt/DesktopVariable.h"

#include <QStringList>
#include <vector>

// Opens targets on a Linux desktop. Nothing goes through a shell: addresses and
// documents go to QDesktopServices, programs are started directly.
class DesktopShell : public Shell
{
public:
    // desktopVariables: the variables the program set otherwise for itself, given back to
    // what it launches as the desktop gave them.
    explicit DesktopShell(std::vector<DesktopVariable> desktopVariables = {});

    // Opens an address, a folder, a document, a program or a "#!" script; a path is
    // found by the media rules (letter case, ";1" marks) when it does not exist as written.
    Result run(const std::string &target) override;

    // For a "#!" script: the interpreter and its optional argument from the first line.
    static QStringList interpreterLine(const QByteArray &firstBytes);

private:
    Result open(const std::string &target);

    std::vector<DesktopVariable> m_desktopVariables;
};
