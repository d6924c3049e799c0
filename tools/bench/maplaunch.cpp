// Starts a program and reports how long it took for its top-level window to be mapped, how long
// until the program first drew into the screen after that (its first frame), and the program's
// peak resident memory. No window manager runs under a plain Xvfb, so a top-level window's
// MapNotify reaches a client that selected SubstructureNotify on the root window, and drawing
// anywhere on the screen raises damage on the root window: no polling, and the clock starts
// before fork(). A window may be mapped before it has drawn anything (a window showing only a
// label loads its fonts after the map, to paint), so the first frame is the fairer figure.
//   maplaunch [-t title] [-s settle-ms] [-w timeout-ms] program [args...]
// Prints one line: "map_ms=<ms> frame_ms=<ms> maxrss_kib=<KiB>"; exit status 0 when mapped.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// The title may not be set yet at map time only if the program maps before naming the window;
// Qt names it first, so reading it at MapNotify is enough.
std::string windowTitle(Display* display, Window window) {
    std::string title;
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    if (title.empty()) {
        char* name = nullptr;
        if (XFetchName(display, window, &name) && name) {
            title = name;
            XFree(name);
        }
    }
    return title;
}

// The window may be gone before its title is read; that is not a reason to stop.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    std::string wanted;
    int settleMs = 500;
    int timeoutMs = 30000;
    int option;
    while ((option = getopt(argc, argv, "+t:s:w:")) != -1) {
        switch (option) {
        case 't':
            wanted = optarg;
            break;
        case 's':
            settleMs = std::atoi(optarg);
            break;
        case 'w':
            timeoutMs = std::atoi(optarg);
            break;
        default:
            return 2;
        }
    }
    if (optind >= argc) {
        std::fprintf(
            stderr,
            "usage: maplaunch [-t title] [-s settle-ms] [-w timeout-ms] program [args...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "maplaunch: cannot open the X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "maplaunch: the X server has no DAMAGE extension\n");
        return 2;
    }
    XDamageCreate(display, DefaultRootWindow(display), XDamageReportRawRectangles);
    XSync(display, False); // the selection must be in force before the child can map

    const double start = nowMs();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("maplaunch: fork");
        return 2;
    }
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[optind], argv + optind);
        std::perror("maplaunch: exec");
        _exit(127);
    }

    double mapped = -1;
    double painted = -1;
    bool exited = false;
    int status = 0;
    rusage usage{};
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    while (painted < 0) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            const double at = nowMs();
            if (mapped >= 0 && event.type == damageEvent + XDamageNotify) {
                painted = at;
                break;
            }
            if (mapped >= 0 || event.type != MapNotify || event.xmap.override_redirect)
                continue;
            if (wanted.empty() || windowTitle(display, event.xmap.window) == wanted)
                mapped = at;
        }
        if (painted >= 0)
            break;
        if (wait4(child, &status, WNOHANG, &usage) == child) {
            exited = true;
            break;
        }
        if (nowMs() - start > timeoutMs)
            break;
        poll(&fd, 1, 50);
    }

    if (!exited) {
        if (painted >= 0) {
            // The same wait for every program, so that the first paint is in the peak memory.
            XCloseDisplay(display);
            display = nullptr;
            usleep(useconds_t(settleMs) * 1000);
        }
        kill(child, SIGTERM);
        wait4(child, &status, 0, &usage);
    }
    if (display)
        XCloseDisplay(display);
    if (painted < 0) {
        std::fprintf(stderr, "maplaunch: %s did not map and draw a window%s%s\n", argv[optind],
                     wanted.empty() ? "" : " titled ", wanted.c_str());
        return 1;
    }
    std::printf("map_ms=%.2f frame_ms=%.2f maxrss_kib=%ld\n", mapped - start, painted - start,
                usage.ru_maxrss);
    return 0;
}
