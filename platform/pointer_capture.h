// SPDX-License-Identifier: MIT
#pragma once
// The mouse taken by the view to turn the player (`--mouse`, the page's
// "Mouse"): a click into the view captures the pointer in SDL's relative
// mode (Pointer Lock in a browser), and Escape or the loss of the focus lets
// it go. While it is captured its motion goes to the form, and nothing else
// on the screen sees it.

#include <SDL_rect.h>

class FormEvents;
union SDL_Event;

class PointerCapture {
public:
    // Whether a click into the view captures the pointer; switching it off
    // lets go of one captured.
    void allow(bool allowed);

    // Takes the events that are the capture's, given where the view is in
    // form pixels and the scale the form is shown at; the others go on.
    bool deliver(const SDL_Event& event, const SDL_Rect& view, int scale, FormEvents& form);

private:
    void capture(bool on);

    bool allowed = false;
    bool captured = false;
};
