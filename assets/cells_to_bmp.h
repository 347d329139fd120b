// SPDX-License-Identifier: MIT
#pragma once
// A level's cells drawn back into a level picture: 64 x 64, 24 bits a pixel,
// each cell in its level colour. A level that arrives as cells (a level link)
// is then checked and loaded as any picture is.

#include <vector>

class MapCells;

// A complete BMP file. A cell code without a level colour is a RuntimeError
// naming it.
std::vector<unsigned char> cellsToBmp(const MapCells& cells);
