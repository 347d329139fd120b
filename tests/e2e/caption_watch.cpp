// SPDX-License-Identifier: MIT
// Follows the captions of every window created on the display from the
// moment it exists, so a test sees the caption a window is created with even
// if the program replaces it a few milliseconds later.
//
//   caption_watch
//       prints "ready" once it listens, then "<window id> <caption>" for
//       each caption it sees, until it is killed or the display goes away.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>

namespace {

void printCaption(Display* display, Window window)
{
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || !name) return;
    std::printf("0x%lx %s\n", window, name);
    std::fflush(stdout);
    XFree(name);
}

// A window that is already gone when we ask about it is no failure here.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

int main()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    std::printf("ready\n");
    std::fflush(stdout);

    for (XEvent event;;) {
        XNextEvent(display, &event);
        if (event.type == CreateNotify) {
            // Listen first, then read: a change between the two is still seen.
            XSelectInput(display, event.xcreatewindow.window, PropertyChangeMask);
            XSync(display, False);
            printCaption(display, event.xcreatewindow.window);
        } else if (event.type == PropertyNotify && event.xproperty.atom == XA_WM_NAME &&
                   event.xproperty.state == PropertyNewValue) {
            printCaption(display, event.xproperty.window);
        }
    }
}
