// Starts a program and reports how long it took until its first top-level
// window was mapped, and the program's peak memory. Listens for MapNotify on the
// root window, selected before the program is started, so the figure is exact to
// the millisecond rather than to a polling interval.
// Usage: mapwait PROGRAM [ARGS...]   prints "<milliseconds> <peak KiB>"
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: mapwait PROGRAM [ARGS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "mapwait: no display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    double elapsedMs = -1;
    pollfd fd {ConnectionNumber(display), POLLIN, 0};
    while (elapsedMs < 0) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) {
                elapsedMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
                break;
            }
        }
        if (elapsedMs >= 0)
            break;
        const auto waited = std::chrono::steady_clock::now() - start;
        if (waited > std::chrono::seconds(30)) {
            std::fprintf(stderr, "mapwait: no window within 30 s\n");
            break;
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "mapwait: the program ended without a window\n");
            return 1;
        }
        poll(&fd, 1, 50);
    }

    kill(child, SIGKILL);
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    XCloseDisplay(display);
    if (elapsedMs < 0)
        return 1;
    std::printf("%.1f %ld\n", elapsedMs, usage.ru_maxrss);
    return 0;
}
