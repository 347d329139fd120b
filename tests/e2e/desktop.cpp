// SPDX-License-Identifier: MIT
// Does to a window what a desktop does on X11, with the messages a window
// manager or a file manager sends it:
//
//   desktop close WINDOW_ID
//       asks the window to close as a window manager does when the user
//       clicks its close button: a WM_PROTOCOLS message carrying
//       WM_DELETE_WINDOW. (xdotool's windowkill destroys the window instead,
//       which no user can do.)
//   desktop drop WINDOW_ID FILE
//       drops FILE on the window as a file manager does: the XDND protocol,
//       with the file offered as a text/uri-list. Announces the drag
//       (XdndEnter), moves over the window (XdndPosition), waits for the
//       window to accept (XdndStatus), drops (XdndDrop), hands over the URI
//       when the window asks for the selection, and waits for XdndFinished.
//       Exits 0 when the window took the drop, 1 when it refused it; it waits
//       as long as the window takes to answer.
//
// Exits 2 on bad arguments.

#include <X11/Xlib.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

namespace {

Display* display = nullptr;

Atom atom(const char* name) { return XInternAtom(display, name, False); }

// The numbers the message carries; XDND's begin with the source window.
void send(Window target, const char* type, std::initializer_list<long> numbers)
{
    XEvent event{};
    event.xclient = {ClientMessage, 0, False, display, target, atom(type), 32, {}};
    std::copy(numbers.begin(), numbers.end(), event.xclient.data.l);
    XSendEvent(display, target, False, NoEventMask, &event);
    XFlush(display);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string_view action = argc > 1 ? argv[1] : "";
    const bool close = action == "close" && argc == 3;
    display = close || (action == "drop" && argc == 4) ? XOpenDisplay(nullptr) : nullptr;
    if (!display) {
        std::fprintf(stderr, "usage: desktop close WINDOW_ID | drop WINDOW_ID FILE (on the display DISPLAY names)\n");
        return 2;
    }
    const Window target = std::strtoul(argv[2], nullptr, 0);
    if (close) {
        send(target, "WM_PROTOCOLS", {static_cast<long>(atom("WM_DELETE_WINDOW")), CurrentTime});
        XCloseDisplay(display);
        return 0;
    }
    // file:///path, with every byte outside the unreserved set escaped.
    std::string list = "file://";
    for (const unsigned char c : std::filesystem::absolute(argv[3]).string()) {
        char escaped[4];
        std::snprintf(escaped, sizeof escaped, "%%%02X", c);
        list += std::isalnum(c) || std::strchr("/-._~", c) ? std::string(1, char(c)) : escaped;
    }
    list += "\r\n";
    const Window root = DefaultRootWindow(display);
    const Window source = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
    const Atom uriList = atom("text/uri-list");
    XSetSelectionOwner(display, atom("XdndSelection"), source, CurrentTime);
    // Over the window's top-left corner, version 5, one type.
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display, target, root, 1, 1, &x, &y, &child);
    const long from = static_cast<long>(source);
    send(target, "XdndEnter", {from, 5L << 24, static_cast<long>(uriList)});
    send(target, "XdndPosition", {from, 0, long(x) << 16 | y, CurrentTime, static_cast<long>(atom("XdndActionCopy"))});
    for (XEvent event{};;) {
        XNextEvent(display, &event);
        const auto message = [&](const char* type) {
            return event.type == ClientMessage && event.xclient.message_type == atom(type);
        };
        if (message("XdndStatus")) {
            if ((event.xclient.data.l[1] & 1) == 0) {
                std::fprintf(stderr, "desktop: the window does not accept the drag\n");
                return 1;
            }
            send(target, "XdndDrop", {from, 0, CurrentTime});
        } else if (event.type == SelectionRequest) {
            const XSelectionRequestEvent& request = event.xselectionrequest;
            XEvent answer{};
            answer.xselection = {SelectionNotify, 0,           False,          display,     request.requestor,
                                 request.selection, request.target, request.property, request.time};
            XChangeProperty(display, request.requestor, request.property, uriList, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(list.data()), int(list.size()));
            XSendEvent(display, request.requestor, False, NoEventMask, &answer);
            XFlush(display);
        } else if (message("XdndFinished")) {
            if ((event.xclient.data.l[1] & 1) != 0) return 0;
            std::fprintf(stderr, "desktop: the window refused the drop\n");
            return 1;
        }
    }
}
