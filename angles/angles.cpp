// SPDX-License-Identifier: MIT
#include "angles/angles.h"

#include <cmath>

#include "base/checked.h"

float Radians(float Angle)
{
    // Pi to 15 digits. Full precision would fill the same tables: the
    // radians are rounded to 32 bits below, which hides the difference at
    // every one of the 360 whole degrees.
    const double radians = static_cast<double>(Angle) * 3.14159265358979 / 180.0;
    return checked::toSingle(radians, "Radians");
}

void generateTrig(AngleTable& sinTable, AngleTable& tanTable)
{
    // The radian value is rounded to 32 bits before sine and tangent are
    // taken, so entries 90 and 270 of the tangent are large finite numbers.
    for (int i = 0; i < 360; ++i) {
        const double r = Radians(static_cast<float>(i));
        sinTable[static_cast<std::size_t>(i)] = checked::toSingle(std::sin(r), "sinTable");
        tanTable[static_cast<std::size_t>(i)] = checked::toSingle(std::tan(r), "tanTable");
    }
}

std::int16_t normaliseAngle(std::int16_t Angle)
{
    // Adds only to values of at most 0 and subtracts only from values of at
    // least 360, so no intermediate leaves the 16-bit range.
    int value = Angle;
    while (value <= 0) value += 360;
    while (value >= 360) value -= 360;
    return static_cast<std::int16_t>(value);
}

float lSin(const AngleTable& sinTable, std::int16_t Angle)
{
    return sinTable[checked::index(normaliseAngle(Angle), sinTable.size(), "sinTable index")];
}

float lCos(const AngleTable& sinTable, std::int16_t Angle)
{
    return lSin(sinTable, checked::add16(Angle, 90, "lCos angle + 90"));
}

float lTan(const AngleTable& tanTable, std::int16_t Angle)
{
    return tanTable[checked::index(normaliseAngle(Angle), tanTable.size(), "tanTable index")];
}
