// SPDX-License-Identifier: MIT
#pragma once
// The window as its stored description creates it.

// The caption it is created with, which is also the application title and
// the name on every error report.
inline constexpr char appTitle[] = "Quentavox";

// The client area is stored as 5085 x 3885 twips, which at 15 twips a pixel
// is 339 x 259 pixels: room for the 320 x 240 render box with a margin.
inline constexpr int storedClientWidth = 339;
inline constexpr int storedClientHeight = 259;

// The render box inside it, border included: full screen picks the largest
// scale at which this box fits the display.
inline constexpr int storedRenderBoxWidth = 320;
inline constexpr int storedRenderBoxHeight = 240;
// The platform's standard sunken border round the box, on each side, and
// what it leaves inside: the view that picRender draws, 316 x 236.
inline constexpr int storedRenderBoxBorder = 2;
inline constexpr int storedViewWidth = storedRenderBoxWidth - 2 * storedRenderBoxBorder;
inline constexpr int storedViewHeight = storedRenderBoxHeight - 2 * storedRenderBoxBorder;
