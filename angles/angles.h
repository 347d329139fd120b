// SPDX-License-Identifier: MIT
#pragma once
// Angles are whole degrees; the direction of angle a is (sin a, cos a) over the
// map axes (x, y), so 0 faces +y and 90 faces +x. All run-time trigonometry is
// a look-up in two 360-entry tables that are filled once at start-up.

#include <array>
#include <cstdint>

using AngleTable = std::array<float, 360>;

float Radians(float Angle);
void generateTrig(AngleTable& sinTable, AngleTable& tanTable);

std::int16_t normaliseAngle(std::int16_t Angle);
// The l of lSin, lCos and lTan is for look-up: each reads a table that
// generateTrig filled; none computes a sine or tangent.
float lSin(const AngleTable& sinTable, std::int16_t Angle);
float lCos(const AngleTable& sinTable, std::int16_t Angle);
float lTan(const AngleTable& tanTable, std::int16_t Angle);
