#include "window/qt/DisplayCheck.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xcb/xcb.h>

namespace {

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

// Standard error, led into a pipe while libxcb connects: libxcb writes an X server's
// refusal there itself, and the program's own line is to be the only one on it. Where
// standard error is closed nothing is led aside (a pipe would take its number).
class StandardErrorAside
{
public:
    StandardErrorAside()
        : m_saved(fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, STDERR_FILENO + 1))
    {
        if (m_saved >= 0 && (pipe2(m_pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0 || dup2(m_pipe[1], STDERR_FILENO) < 0))
            closeAll();
    }
    ~StandardErrorAside() { restore(); }
    StandardErrorAside(const StandardErrorAside &) = delete;
    StandardErrorAside &operator=(const StandardErrorAside &) = delete;

    // Puts standard error back and returns what was written meanwhile.
    std::string restore()
    {
        std::string said;
        if (m_saved < 0 || m_pipe[0] < 0)
            return said;
        dup2(m_saved, STDERR_FILENO);
        close(m_pipe[1]);
        m_pipe[1] = -1;
        std::array<char, 512> buffer {};
        for (ssize_t n; (n = read(m_pipe[0], buffer.data(), buffer.size())) > 0 && said.size() < 4096;)
            said.append(buffer.data(), static_cast<std::size_t>(n));
        closeAll();
        return said;
    }

private:
    void closeAll()
    {
        for (int &fd : m_pipe) {
            if (fd >= 0)
                close(fd);
            fd = -1;
        }
        if (m_saved >= 0)
            close(m_saved);
        m_saved = -1;
    }

    int m_saved;
    std::array<int, 2> m_pipe {-1, -1};
};

// The words for an X server's own reason for refusing a connection (its first line):
// "Authorization required, but no authorization protocol specified", "Invalid
// MIT-MAGIC-COOKIE-1 key" and "No protocol specified" all mean the client lacks the key.
std::string refusal(const std::string &said)
{
    std::string line = said.substr(0, said.find_first_of("\r\n"));
    line.erase(std::remove(line.begin(), line.end(), '\0'), line.end());
    std::string lower = line;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const char *word : {"authori", "cookie", "no protocol specified"}) {
        if (lower.find(word) != std::string::npos)
            return "refused the connection: not authorised";
    }
    const std::size_t last = line.find_last_not_of(" \t.");
    return "refused the connection" + (last == std::string::npos ? "" : ": " + line.substr(0, last + 1));
}

// What keeps Qt's xcb platform from the X server DISPLAY names, or nothing: connecting
// as it connects (libxcb reads the display's authorisation itself, and falls back from
// the local socket to TCP for ":N"), then letting go at once.
std::string xVerdict(const std::string &display)
{
    StandardErrorAside aside;
    int screen = 0;
    xcb_connection_t *connection = xcb_connect(display.c_str(), &screen);
    const int error = xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    const std::string said = aside.restore();
    if (error == 0)
        return {};
    if (error == XCB_CONN_CLOSED_INVALID_SCREEN)
        return "has no such screen";
    // A server that answered and refused has said why.
    return said.empty() ? "does not answer" : refusal(said);
}

// What keeps Qt's Wayland platform from the compositor NAME names (WAYLAND_DISPLAY,
// "wayland-0" when unset: a name in XDG_RUNTIME_DIR, or an absolute path), or nothing.
std::string waylandVerdict(const std::string &name)
{
    // libwayland would log a line of its own for a name without a runtime folder.
    if (name.front() != '/' && environment("XDG_RUNTIME_DIR").rfind('/', 0) != 0)
        return "does not answer";
    wl_display *display = wl_display_connect(name.c_str());
    if (!display)
        return "does not answer";
    wl_display_disconnect(display);
    return {};
}

} // namespace

std::string noDisplayReason()
{
    // A platform asked for by name (offscreen in tests, a chosen one) is Qt's to open,
    // and so is a Wayland connection handed down by the compositor.
    if (!environment("QT_QPA_PLATFORM").empty() || !environment("WAYLAND_SOCKET").empty())
        return {};
    const std::string x = environment("DISPLAY");
    const std::string wayland = environment("WAYLAND_DISPLAY");
    const std::string waylandSeen = waylandVerdict(wayland.empty() ? "wayland-0" : wayland);
    if (waylandSeen.empty())
        return {};
    const std::string xSeen = x.empty() ? std::string() : xVerdict(x);
    if (!x.empty() && xSeen.empty())
        return {};
    const std::string prefix = "startprogram: no screen to show the window on: ";
    if (x.empty() && wayland.empty())
        return prefix + "neither DISPLAY nor WAYLAND_DISPLAY is set (start it from a desktop session)";
    const std::string xNamed = "the X display \"" + x + "\"";
    const std::string waylandNamed = "the Wayland display \"" + wayland + "\"";
    if (wayland.empty())
        return prefix + xNamed + " " + xSeen;
    if (x.empty())
        return prefix + waylandNamed + " " + waylandSeen;
    if (xSeen == waylandSeen)
        return prefix + xNamed + " and " + waylandNamed + " do not answer";
    return prefix + xNamed + " " + xSeen + ", and " + waylandNamed + " " + waylandSeen;
}
