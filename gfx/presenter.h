// SPDX-License-Identifier: MIT
#pragma once
// What a surface's Refresh needs of the window: something that puts the
// surface's image on screen. The platform is one.

class Surface;

class Presenter {
public:
    // Shows a surface's image in its box at (Left, Top), inside its border.
    virtual void Present(const Surface& picture) = 0;

protected:
    ~Presenter() = default;
};
