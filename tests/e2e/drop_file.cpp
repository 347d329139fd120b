// SPDX-License-Identifier: MIT
// Drops a file on a window the way a file manager does on X11: the XDND
// protocol, with the file offered as a text/uri-list.
//
//   drop_file WINDOW_ID FILE
//
// Announces the drag (XdndEnter), moves over the window's middle
// (XdndPosition), waits for the window to accept (XdndStatus), drops
// (XdndDrop), hands over the URI when the window asks for the selection, and
// waits for XdndFinished. Exits 0 when the window took the drop, 1 when it
// refused it or did not answer within a minute, 2 on bad arguments.

#include <X11/Xlib.h>
#include <poll.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace {

Display* display = nullptr;

Atom atom(const char* name) { return XInternAtom(display, name, False); }

void send(Window target, Window source, const char* type, long second, long third, long fourth, long fifth)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = target;
    event.xclient.message_type = atom(type);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(source);
    event.xclient.data.l[1] = second;
    event.xclient.data.l[2] = third;
    event.xclient.data.l[3] = fourth;
    event.xclient.data.l[4] = fifth;
    XSendEvent(display, target, False, NoEventMask, &event);
    XFlush(display);
}

// The next event for the source window, or false after a minute without one.
bool nextEvent(XEvent& event)
{
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (XPending(display) == 0) {
        if (poll(&connection, 1, 60000) <= 0) return false;
    }
    XNextEvent(display, &event);
    return true;
}

// file:///path, with every byte outside the unreserved set escaped.
std::string uri(const std::string& path)
{
    std::string text = "file://";
    for (const unsigned char c : path) {
        if (std::isalnum(c) || std::string_view("/-._~").find(char(c)) != std::string_view::npos) {
            text += char(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            text += escaped;
        }
    }
    return text + "\r\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s WINDOW_ID FILE\n", argv[0]);
        return 2;
    }
    const Window target = std::strtoul(argv[1], nullptr, 0);
    const std::string list = uri(std::filesystem::absolute(argv[2]).string());
    display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "drop_file: cannot open the display\n");
        return 2;
    }
    const Window source = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    const Atom uriList = atom("text/uri-list");
    XSetSelectionOwner(display, atom("XdndSelection"), source, CurrentTime);

    XWindowAttributes attributes{};
    XGetWindowAttributes(display, target, &attributes);
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display, target, DefaultRootWindow(display), attributes.width / 2, attributes.height / 2,
                          &x, &y, &child);

    // Version 5, one type, given in the message itself.
    send(target, source, "XdndEnter", 5L << 24, static_cast<long>(uriList), None, None);
    send(target, source, "XdndPosition", 0, long(x) << 16 | y, CurrentTime, static_cast<long>(atom("XdndActionCopy")));
    XEvent event{};
    bool dropped = false;
    while (nextEvent(event)) {
        if (event.type == ClientMessage && event.xclient.message_type == atom("XdndStatus") && !dropped) {
            if ((event.xclient.data.l[1] & 1) == 0) {
                std::fprintf(stderr, "drop_file: the window does not accept the drag\n");
                return 1;
            }
            send(target, source, "XdndDrop", 0, CurrentTime, None, None);
            dropped = true;
        } else if (event.type == SelectionRequest) {
            const XSelectionRequestEvent& request = event.xselectionrequest;
            XEvent answer{};
            answer.xselection.type = SelectionNotify;
            answer.xselection.requestor = request.requestor;
            answer.xselection.selection = request.selection;
            answer.xselection.target = request.target;
            answer.xselection.time = request.time;
            answer.xselection.property = None;
            if (request.target == uriList) {
                XChangeProperty(display, request.requestor, request.property, uriList, 8, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(list.data()), int(list.size()));
                answer.xselection.property = request.property;
            }
            XSendEvent(display, request.requestor, False, NoEventMask, &answer);
            XFlush(display);
        } else if (event.type == ClientMessage && event.xclient.message_type == atom("XdndFinished")) {
            const bool taken = (event.xclient.data.l[1] & 1) != 0;
            if (!taken) std::fprintf(stderr, "drop_file: the window refused the drop\n");
            XCloseDisplay(display);
            return taken ? 0 : 1;
        }
    }
    std::fprintf(stderr, "drop_file: no answer from the window within a minute\n");
    return 1;
}
