#include "tools/check/win32/ConsoleCheckOutput.h"

#include "platform/win32/Utf8.h"

#include <algorithm>

ConsoleCheckOutput::ConsoleCheckOutput()
    : m_out(stream(STD_OUTPUT_HANDLE))
    , m_err(stream(STD_ERROR_HANDLE))
{ }

ConsoleCheckOutput::Stream ConsoleCheckOutput::stream(DWORD which)
{
    Stream stream;
    stream.handle = GetStdHandle(which);
    DWORD mode = 0;
    // A console answers GetConsoleMode; a file, a pipe or the null device does not.
    stream.console = stream.handle && stream.handle != INVALID_HANDLE_VALUE
        && GetFileType(stream.handle) == FILE_TYPE_CHAR && GetConsoleMode(stream.handle, &mode);
    return stream;
}

void ConsoleCheckOutput::write(const Stream &stream, const std::string &text)
{
    if (!stream.handle || stream.handle == INVALID_HANDLE_VALUE || text.empty())
        return;
    if (stream.console) {
        const std::wstring wide = Utf8::toWide(text);
        // In pieces: old consoles refuse very long writes.
        constexpr std::size_t Piece = 8192;
        for (std::size_t at = 0; at < wide.size();) {
            std::size_t length = std::min(Piece, wide.size() - at);
            if (length > 1 && IS_HIGH_SURROGATE(wide[at + length - 1]))
                --length; // never a pair cut in two
            DWORD written = 0;
            if (!WriteConsoleW(stream.handle, wide.data() + at, static_cast<DWORD>(length), &written, nullptr))
                return;
            at += length;
        }
        return;
    }
    for (std::size_t at = 0; at < text.size();) {
        DWORD written = 0;
        const DWORD length = static_cast<DWORD>(std::min<std::size_t>(text.size() - at, 1u << 20));
        if (!WriteFile(stream.handle, text.data() + at, length, &written, nullptr) || written == 0)
            return;
        at += written;
    }
}

void ConsoleCheckOutput::out(const std::string &text)
{
    write(m_out, text);
}

void ConsoleCheckOutput::err(const std::string &text)
{
    write(m_err, text);
}
