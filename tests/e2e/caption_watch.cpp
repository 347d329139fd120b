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

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int readyFd = 3;

// Fields of a recorded request, in the byte order of the client that sent it.
struct RequestReader {
    const unsigned char* bytes;
    std::size_t size;
    bool swapped;

    std::uint32_t card32(std::size_t at) const
    {
        std::uint32_t value = 0;
        std::memcpy(&value, bytes + at, sizeof value);
        return swapped ? __builtin_bswap32(value) : value;
    }
    std::uint16_t card16(std::size_t at) const
    {
        std::uint16_t value = 0;
        std::memcpy(&value, bytes + at, sizeof value);
        return swapped ? __builtin_bswap16(value) : value;
    }
};

// ChangeProperty: opcode, mode, length (0 for a BIG-REQUESTS request, whose
// 32-bit length follows), window, property, type, format, 3 pad bytes, the
// number of units, then the data.
void printIfCaption(const RequestReader& request)
{
    if (request.size < 24 || request.bytes[0] != X_ChangeProperty) return;
    const std::size_t header = request.card16(2) == 0 ? 28 : 24;
    const std::size_t field = header - 20;  // window, property, ... move with the length
    if (request.size < header) return;
    const std::uint32_t window = request.card32(field);
    const std::uint32_t property = request.card32(field + 4);
    const unsigned format = request.bytes[field + 12];
    const std::uint32_t units = request.card32(field + 16);
    // Appending to or prepending to a caption is something no toolkit does.
    if (request.bytes[1] != PropModeReplace || property != XA_WM_NAME || format != 8) return;
    if (units > request.size - header) return;
    const std::string caption(reinterpret_cast<const char*>(request.bytes + header), units);
    std::printf("0x%x %s\n", unsigned{window}, caption.c_str());
    std::fflush(stdout);
}

void onRecorded(XPointer, XRecordInterceptData* data)
{
    if (data->category == XRecordStartOfData) {
        const bool told = write(readyFd, "ready\n", 6) == 6;
        close(readyFd);
        if (!told) std::fprintf(stderr, "cannot write to file descriptor %d\n", readyFd);
    } else if (data->category == XRecordFromClient) {
        printIfCaption({data->data, std::size_t{data->data_len} * 4, data->client_swapped != 0});
    }
    XRecordFreeData(data);
}

}  // namespace

int main()
{
    // One connection to set up the recording, one that the recorded data
    // arrives on.
    Display* control = XOpenDisplay(nullptr);
    Display* data = XOpenDisplay(nullptr);
    if (!control || !data) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    int major = 0;
    int minor = 0;
    if (!XRecordQueryVersion(control, &major, &minor)) {
        std::fprintf(stderr, "the X server has no RECORD extension\n");
        return 2;
    }
    XRecordRange* range = XRecordAllocRange();
    range->core_requests.first = X_ChangeProperty;
    range->core_requests.last = X_ChangeProperty;
    // Every client that connects from now on: the program is started after.
    XRecordClientSpec clients = XRecordFutureClients;
    const XRecordContext context = XRecordCreateContext(control, 0, &clients, 1, &range, 1);
    XFree(range);
    if (!context) {
        std::fprintf(stderr, "cannot create the recording context\n");
        return 2;
    }
    XSync(control, False);
    // Returns only when the display goes away.
    if (!XRecordEnableContext(data, context, onRecorded, nullptr)) {
        std::fprintf(stderr, "cannot start recording\n");
        return 2;
    }
    return 0;
}
