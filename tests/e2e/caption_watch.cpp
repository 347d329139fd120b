// SPDX-License-Identifier: MIT
// Records every caption that any client gives any window on the display, as
// the server receives the requests. A window's first caption is often set
// in the same breath as the window is made, and replaced a few milliseconds
// later; listening to the window for changes would start only once the
// window is seen, too late for that first caption on a busy machine.
// Recording the requests themselves (the RECORD extension) loses none.
//
//   caption_watch 3>READY
//       writes "ready" to file descriptor 3 and closes it once recording has
//       begun, then prints "<window id> <caption>" for each WM_NAME a client
//       of the display sets from then on, until it is killed or the display
//       goes away.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/extensions/record.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

static_assert(sizeof(xChangePropertyReq) == sz_xChangePropertyReq);

// Every client runs on this machine, so its requests come in this machine's
// byte order; a caption is far too short to need a BIG-REQUESTS length.
void onRecorded(XPointer, XRecordInterceptData* data)
{
    xChangePropertyReq request;
    const std::size_t size = std::size_t{data->data_len} * 4;
    if (data->category == XRecordStartOfData) {
        if (write(3, "ready\n", 6) != 6) std::fprintf(stderr, "cannot write to file descriptor 3\n");
        close(3);
    } else if (data->category == XRecordFromClient && size >= sizeof request) {
        std::memcpy(&request, data->data, sizeof request);
        // Appending to or prepending to a caption is something no toolkit does.
        if (request.reqType == X_ChangeProperty && request.mode == PropModeReplace && request.property == XA_WM_NAME &&
            request.format == 8 && request.nUnits <= size - sizeof request) {
            const char* caption = reinterpret_cast<const char*>(data->data) + sizeof request;
            std::printf("0x%x %.*s\n", unsigned{request.window}, int(request.nUnits), caption);
            std::fflush(stdout);
        }
    }
    XRecordFreeData(data);
}

}  // namespace

int main()
{
    // One connection to set up the recording, one that the recorded data
    // arrives on; every client that connects from now on is recorded, as the
    // program is started after.
    Display* control = XOpenDisplay(nullptr);
    Display* data = XOpenDisplay(nullptr);
    int major = 0;
    int minor = 0;
    XRecordRange* range = control && data && XRecordQueryVersion(control, &major, &minor) ? XRecordAllocRange() : nullptr;
    if (!range) {
        std::fprintf(stderr, "cannot open the display, or it has no RECORD extension\n");
        return 2;
    }
    range->core_requests = {X_ChangeProperty, X_ChangeProperty};
    XRecordClientSpec clients = XRecordFutureClients;
    const XRecordContext context = XRecordCreateContext(control, 0, &clients, 1, &range, 1);
    XFree(range);
    XSync(control, False);
    // Returns only when the display goes away.
    if (!context || !XRecordEnableContext(data, context, onRecorded, nullptr)) {
        std::fprintf(stderr, "cannot record the display's requests\n");
        return 2;
    }
    return 0;
}
