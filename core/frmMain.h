#pragma once
// The one window: it owns the game state and the drawing surfaces, and every
// event of the program arrives at one of its handlers.

#include <array>
#include <cstdint>

#include "assets/picture_sizes.h"
#include "core/game_state.h"
#include "core/platform.h"
#include "render/surface.h"

class frmMain final : public FormEvents {
public:
    explicit frmMain(Platform& platform);

    // Start-up and the main loop; returns only when the program ends.
    void Form_Load();
    void Form_QueryUnload(std::int16_t& Cancel, std::int16_t& UnloadMode) override;
    void Form_Resize() override;
    void Form_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift);
    void Form_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift);
    void picRender_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
    void picRender_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) override;

    // Draws one frame of the view into `picture` and shows it.
    void Raycast(Surface& picture);
    // One fixed 8 ms simulation tick: turning, walking and collision.
    void GameCode();

    GameState state;

    // The render surface, and the picture holders that lie outside the
    // visible client area and are only ever read.
    Surface picRender;
    Surface picMap;
    Surface picClear;
    std::array<Surface, textureSlots> picTexture;  // indexed by wall code; 0 is an empty placeholder

private:
    Platform& platform;
};
