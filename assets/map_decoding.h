#pragma once

#include "assets/map_cells.h"
#include "render/surface.h"

// Reads the level picture column by column, top to bottom, into cell codes.
// A colour outside the table repeats the code of the pixel read just before it.
void decodeMap(const Surface& picMap, MapCells& mapCells);
