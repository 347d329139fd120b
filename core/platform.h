// SPDX-License-Identifier: MIT
#pragma once
// Everything the program asks of the desktop: the window and its events, the
// clock, the caption and the error report; as the Presenter it also puts the
// surfaces' images on screen. SdlPlatform is the real one; FakePlatform
// (tests) scripts the clock and the events.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "assets/level_picture.h"
#include "core/stored_window.h"
#include "gfx/presenter.h"
#include "sim/walk.h"

class FormEvents;

// The masks of the mouse events' Button and of every event's Shift.
inline constexpr std::int16_t vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4;
inline constexpr std::int16_t vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4;
// Why Form_QueryUnload is asked: the user closes the window, or the program
// is told to end from outside (a signal).
inline constexpr std::int16_t vbFormControlMenu = 0, vbAppTaskManager = 3;

struct ClientSize {
    float ScaleWidth = 0;
    float ScaleHeight = 0;
};

class Platform : public Presenter {
public:
    virtual ~Platform() = default;

    // Makes the window visible and raises Form_Resize once.
    virtual void Show(FormEvents& form) = 0;
    // Runs the handler of every pending event, then returns.
    virtual void DoEvents(FormEvents& form) = 0;
    // Milliseconds since the system started.
    virtual std::int64_t GetTickCount() = 0;
    // Returns once GetTickCount() reads at least `tick`, as soon after the
    // clock turns to it as the system allows; returns at once if it already
    // has. Gives the processor away meanwhile and handles no events.
    virtual void WaitUntilTick(std::int64_t tick) = 0;
    // The same on every platform: the caption the window is created with.
    std::string_view AppTitle() const { return appTitle; }
    virtual void SetCaption(std::string_view caption) = 0;
    virtual ClientSize ClientArea() const = 0;
    // Shows a run-time error to the user in a dialog and returns when it is
    // answered; SIGTERM or SIGINT end the program meanwhile. The same line
    // has gone to stderr already.
    virtual void ReportError(std::string_view message) = 0;
    // Shows why a level picture was refused, and the program plays on: the
    // lines (each ending in a newline) go to stderr and, InDialog, into a
    // message box too, which holds the game only while it is open. OnStderr
    // is for a watched file, whose broken save may be gone a second later;
    // on Windows with no console it shows a box all the same. In a web page
    // the lines go to stderr alone: the page hears them from OpenLevel.
    enum class Refusal { OnStderr, InDialog };
    virtual void ShowRefusal(std::string_view lines, Refusal shown) = 0;

    // The map panel is shown beside the render box from now on, or none is
    // (nullptr), and the client area wants to be `wanted`: in a window the
    // window takes that size, in full screen the scale becomes the largest
    // at which it fits unless one was asked for.
    virtual void ShowPanel(const Surface* panel, ClientSize wanted) = 0;
    // Closing with unsaved edits: asks whether to save them, in a dialog
    // with the buttons Save, Discard and Cancel.
    enum class SaveAnswer { Save, Discard, Cancel };
    virtual SaveAnswer AskToSave(std::string_view question) = 0;
    // Writes a file the user saves, whole or not at all (the old file kept);
    // "" once it is written, otherwise why not, in plain words.
    virtual std::string SaveFile(const std::string& fileName, std::span<const unsigned char> bytes) = 0;
};

// What a level from outside came to: the cells it put in play, or the lines
// that refused it. The cells are the form's own, until the next level.
struct OpenedLevel {
    const MapCells* cells = nullptr;
    std::string refusal;
    explicit operator bool() const { return cells != nullptr; }
};

// The handlers the platform raises; frmMain implements them.
class FormEvents {
public:
    virtual void Form_Resize() = 0;
    virtual void picRender_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) = 0;
    virtual void picRender_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) = 0;
    virtual void Form_QueryUnload(std::int16_t& Cancel, std::int16_t& UnloadMode) = 0;
    // A file dropped on the window, named in UTF-8. SdlPlatform raises it for
    // SDL's drop-file event.
    virtual void Form_OLEDragDrop(std::string_view fileName) = 0;
    // Plays a level from outside instead of the current one, or shows why
    // it cannot (frmMain.h tells how). A web page's levels arrive here.
    virtual OpenedLevel OpenLevel(LevelPicture level, Platform::Refusal shown) = 0;
    // The mouse moved by X, Y counts while the view holds the pointer.
    virtual void picRender_MouseMove(std::int16_t&, std::int16_t&, float, float) {}
    // What a web page asks of walks: one from a link to play from its start,
    // and the walk from here on recorded into memory, until it is stopped
    // and handed back.
    virtual void PlayWalk(Walk, std::string) {}
    virtual void StartRecording() {}
    virtual Walk StopRecording() { return {}; }
    // The map panel, while it is shown: the mouse over it (or dragged from
    // it), in form pixels from the client area's top-left corner, and the
    // keys that belong to it (core/panel_keys.h). Button and Shift are masks
    // of the constants above. A form with no panel ignores them.
    virtual void picMap_MouseDown(std::int16_t&, std::int16_t&, float, float) {}
    virtual void picMap_MouseMove(std::int16_t&, std::int16_t&, float, float) {}
    virtual void picMap_MouseUp(std::int16_t&, std::int16_t&, float, float) {}
    virtual void picMap_KeyDown(std::int16_t&, std::int16_t&) {}
    // The map panel's commands, from its keys or a web page's buttons: show
    // or hide the map; edit the level played; start a new level, a walled
    // hall, in the editor; save the level edited.
    virtual void mnuMap_Click() {}
    virtual void mnuEdit_Click() {}
    virtual void mnuNewLevel_Click() {}
    virtual void mnuSave_Click() {}
    // The cells played now, which the editor changes in place: a web page's
    // link of the level is made of them. None from a form that plays none.
    virtual const MapCells* LevelPlayed() const { return nullptr; }

protected:
    ~FormEvents() = default;
};

// Thrown to end the program at once; main() answers it with exit status 0.
struct ProgramEnd {};
