// SPDX-License-Identifier: MIT
// Drops a file on a window the way a file manager does on X11: the XDND
// protocol, with the file offered as a text/uri-list.
//
//   drop_file WINDOW_ID FILE
//
// Announces the drag (XdndEnter), moves over the window (XdndPosition),
// waits for the window to accept (XdndStatus), drops (XdndDrop), hands over
// the URI when the window asks for the selection, and waits for
// XdndFinished. Exits 0 when the window took the drop, 1 when it refused it,
// 2 on bad arguments. It waits as long as the window takes to answer.

#include <X11/Xlib.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <string>

namespace {

Display* display = nullptr;

Atom atom(const char* name) { return XInternAtom(display, name, False); }

// The first of the five numbers is always the source window.
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
    display = argc == 3 ? XOpenDisplay(nullptr) : nullptr;
    if (!display) {
        std::fprintf(stderr, "usage: drop_file WINDOW_ID FILE (on the display DISPLAY names)\n");
        return 2;
    }
    const Window target = std::strtoul(argv[1], nullptr, 0);
    // file:///path, with every byte outside the unreserved set escaped.
    std::string list = "file://";
    for (const unsigned char c : std::filesystem::absolute(argv[2]).string()) {
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
                std::fprintf(stderr, "drop_file: the window does not accept the drag\n");
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
            std::fprintf(stderr, "drop_file: the window refused the drop\n");
            return 1;
        }
    }
}
