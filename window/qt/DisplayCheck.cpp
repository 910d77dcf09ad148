#include "window/qt/DisplayCheck.h"

#include <cctype>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

// A probe's socket, closed when the probe is done.
class Socket
{
public:
    explicit Socket(int fd)
        : m_fd(fd)
    { }
    ~Socket()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    Socket(const Socket &) = delete;
    Socket &operator=(const Socket &) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// Whether a server listens on the local socket at PATH (in the abstract namespace when
// ABSTRACT, where libxcb looks first).
bool unixSocketAnswers(const std::string &path, bool abstract)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const std::size_t start = abstract ? 1 : 0;
    if (start + path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path + start, path.data(), path.size());
    const auto length
        = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + start + path.size() + (abstract ? 0 : 1));
    const Socket probe(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    return probe.fd() >= 0 && connect(probe.fd(), reinterpret_cast<const sockaddr *>(&address), length) == 0;
}

// Whether HOST accepts a connection on PORT within a few seconds (an X display
// forwarded by ssh is "localhost:10").
bool tcpPortAnswers(const std::string &host, int port)
{
    addrinfo hints {};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0)
        return false;
    bool answers = false;
    for (const addrinfo *a = found; a && !answers; a = a->ai_next) {
        const Socket probe(socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol));
        if (probe.fd() < 0)
            continue;
        if (connect(probe.fd(), a->ai_addr, a->ai_addrlen) == 0) {
            answers = true;
        } else if (errno == EINPROGRESS) {
            pollfd wait {probe.fd(), POLLOUT, 0};
            int error = 0;
            socklen_t size = sizeof error;
            answers = poll(&wait, 1, 5000) == 1 && getsockopt(probe.fd(), SOL_SOCKET, SO_ERROR, &error, &size) == 0
                && error == 0;
        }
    }
    freeaddrinfo(found);
    return answers;
}

// Whether the X server DISPLAY names accepts a connection where libxcb would reach it:
// ":N" and "unix:N" on the local socket, "host:N" on TCP port 6000 + N. Forms this
// does not know (a socket path, a protocol prefix, DECnet's "::") are left to Qt.
bool xDisplayAnswers(const std::string &display)
{
    const std::size_t colon = display.rfind(':');
    if (colon == std::string::npos)
        return false;
    const std::string host = display.substr(0, colon);
    if (host.find('/') != std::string::npos || (!host.empty() && host.back() == ':'))
        return true;
    std::size_t end = colon + 1;
    while (end < display.size() && std::isdigit(static_cast<unsigned char>(display[end])) && end - colon <= 5)
        ++end;
    if (end == colon + 1 || (end < display.size() && display[end] != '.'))
        return false;
    const int number = std::stoi(display.substr(colon + 1, end - colon - 1));
    if (host.empty() || host == "unix") {
        const std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
        return unixSocketAnswers(path, true) || unixSocketAnswers(path, false);
    }
    return tcpPortAnswers(host, 6000 + number);
}

// Whether the Wayland compositor a client would connect to accepts it: WAYLAND_DISPLAY
// ("wayland-0" when unset) in XDG_RUNTIME_DIR, or an absolute path.
bool waylandAnswers(const std::string &name)
{
    if (name.front() == '/')
        return unixSocketAnswers(name, false);
    const std::string runtime = environment("XDG_RUNTIME_DIR");
    return !runtime.empty() && unixSocketAnswers(runtime + "/" + name, false);
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
    if (waylandAnswers(wayland.empty() ? "wayland-0" : wayland) || (!x.empty() && xDisplayAnswers(x)))
        return {};
    const std::string prefix = "startprogram: no screen to show the window on: ";
    if (x.empty() && wayland.empty())
        return prefix + "neither DISPLAY nor WAYLAND_DISPLAY is set (start it from a desktop session)";
    std::string seen;
    if (!x.empty())
        seen = "the X display \"" + x + "\"";
    if (!wayland.empty())
        seen += (seen.empty() ? "the Wayland display \"" : " and the Wayland display \"") + wayland + "\"";
    return prefix + seen + (x.empty() || wayland.empty() ? " does not answer" : " do not answer");
}
