// Follows the captions of every window created on the display from the
// moment it exists, so a test sees the caption a window is created with even
// if the program replaces it a few milliseconds later.
//
//   caption_watch SECONDS
//       prints "ready" once it listens, then one line per caption it sees,
//       "<milliseconds since ready> <window id> <caption>", until SECONDS
//       have passed.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using Clock = std::chrono::steady_clock;

void printCaption(Display* display, Window window, Clock::time_point start)
{
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || !name) return;
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    std::printf("%lld 0x%lx %s\n", static_cast<long long>(ms), window, name);
    std::fflush(stdout);
    XFree(name);
}

// A window that is already gone when we ask about it is no failure here.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SECONDS\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const Clock::time_point end = start + std::chrono::seconds(std::atoi(argv[1]));
    std::printf("ready\n");
    std::fflush(stdout);

    while (Clock::now() < end) {
        if (!XPending(display)) {
            pollfd connection{ConnectionNumber(display), POLLIN, 0};
            poll(&connection, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify) {
            // Listen first, then read: a change between the two is still seen.
            XSelectInput(display, event.xcreatewindow.window, PropertyChangeMask);
            XSync(display, False);
            printCaption(display, event.xcreatewindow.window, start);
        } else if (event.type == PropertyNotify && event.xproperty.atom == XA_WM_NAME &&
                   event.xproperty.state == PropertyNewValue) {
            printCaption(display, event.xproperty.window, start);
        }
    }
    XCloseDisplay(display);
    return 0;
}
