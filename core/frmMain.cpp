#include "core/frmMain.h"

#include "assets/embedded_pictures.h"

namespace {

Surface picture(const embedded::Picture& picture, float left, float top)
{
    Surface surface = Surface::fromBmp(picture.file, picture.name);
    surface.Left = left;
    surface.Top = top;
    return surface;
}

// The render box: 320 x 240 outside, a two-pixel sunken border, 316 x 236 inside.
Surface renderSurface(Platform& window)
{
    Surface surface(316, 236, 2);
    surface.Left = 8;
    surface.Top = 8;
    surface.showIn(window);
    return surface;
}

Surface placeholder()
{
    Surface surface(1, 1);
    surface.Left = 16;
    surface.Top = 640;
    return surface;
}

}  // namespace

frmMain::frmMain(Platform& platform)
    : picRender(renderSurface(platform)),
      picMap(picture(embedded::map, 512, 8)),
      picClear(picture(embedded::backdrop, 432, 8)),
      picTexture{placeholder(),
                 picture(embedded::texture1, 432, 160),
                 picture(embedded::texture2, 432, 88),
                 picture(embedded::texture3, 432, 240),
                 picture(embedded::texture4, 432, 312),
                 picture(embedded::texture5, 432, 392)},
      platform(platform)
{
}
