#pragma once

#include "tools/check/CheckCommand.h"

#include <windows.h>

// The console run's output on Windows: to a console as Unicode (WriteConsoleW), so that
// every alphabet shows whatever the console's code page; to a file or a pipe as the
// UTF-8 bytes. Standard output and standard error are each decided on their own.
class ConsoleCheckOutput : public CheckOutput
{
public:
    ConsoleCheckOutput();
    void out(const std::string &text) override;
    void err(const std::string &text) override;

private:
    struct Stream
    {
        HANDLE handle = nullptr;
        bool console = false;
    };
    static Stream stream(DWORD which);
    static void write(const Stream &stream, const std::string &text);

    Stream m_out;
    Stream m_err;
};
