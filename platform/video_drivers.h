// SPDX-License-Identifier: MIT
#pragma once

// Called before SDL starts its video: leaves out of SDL's list the video
// drivers that cannot reach a display here and would only say so on stderr,
// unless SDL_VIDEODRIVER chooses the drivers.
void leaveOutUnreachableVideoDrivers();
