// SPDX-License-Identifier: MIT
// Prints every entry of the sine and tangent tables bit for bit, a line a
// degree: the degree, then the two entries' bits in hex. The page's test
// compares what the build for the web prints in the browser with what the
// native build prints: a walk plays the same on both only while they agree.
#include <cstdio>

#include "angles/angles.h"
#include "base/float_bits.h"

int main()
{
    AngleTable sinTable{};
    AngleTable tanTable{};
    generateTrig(sinTable, tanTable);
    for (std::size_t i = 0; i < sinTable.size(); ++i) {
        std::printf("%zu %08x %08x\n", i, unsigned{floatBits(sinTable[i])}, unsigned{floatBits(tanTable[i])});
    }
}
