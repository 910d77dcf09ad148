#pragma once

#include "platform/Shell.h"

#include <QStringList>

// Opens targets on a Linux desktop. Nothing goes through a shell: addresses and
// documents go to QDesktopServices, programs are started directly.
class DesktopShell : public Shell
{
public:
    Result run(const QString &target) override;

    // True for a target that starts with a URL scheme of two or more letters ("http:", "mailto:").
    static bool hasScheme(const QString &target);

    // For a "#!" script: the interpreter and its optional argument from the first line.
    static QStringList interpreterLine(const QByteArray &firstBytes);
};
