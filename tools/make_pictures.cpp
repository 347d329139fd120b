// SPDX-License-Identifier: MIT
// Writes the wall textures it draws and the backdrop as 24-bit BMP files into a
// folder. Usage: make_pictures FOLDER
// Every picture comes from fixed data and hash-based noise with fixed seeds,
// so every run writes the same bytes. It is run by hand when the art changes;
// the build only checks and embeds the files it wrote. The level map is not
// among them: assets/map.bmp is painted by hand and this tool leaves it alone.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iostream>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include <SDL.h>

#include "assets/picture_names.h"
#include "gfx/rgb.h"
#include "gfx/sdl_surface_ptr.h"

namespace {

// ---------------------------------------------------------------- pictures

class Image {
public:
    Image(int width, int height)
        : width(width), height(height), pixels(static_cast<std::size_t>(width * height))
    {
    }
    Rgb& at(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
    const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }

    const int width;
    const int height;

private:
    std::vector<Rgb> pixels;
};

// An uncompressed 24-bit BMP, as SDL writes one: rows bottom first in
// blue-green-red order, with the 40-byte information header.
bool writeBmp(const std::filesystem::path& path, const Image& image)
{
    const SdlSurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, image.width, image.height, 24, SDL_PIXELFORMAT_BGR24));
    if (!surface) return false;
    for (int y = 0; y < image.height; ++y) {
        auto* row = static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch;
        for (int x = 0; x < image.width; ++x) {
            const Rgb& p = image.at(x, y);
            row[3 * x] = p.b;
            row[3 * x + 1] = p.g;
            row[3 * x + 2] = p.r;
        }
    }
    return SDL_SaveBMP(surface.get(), path.string().c_str()) == 0;
}

// ---------------------------------------------------------------- noise

// The splitmix64 finaliser: a well-mixed 64-bit hash of any 64-bit input.
std::uint64_t mix(std::uint64_t v)
{
    v += 0x9E3779B97F4A7C15ull;
    v = (v ^ (v >> 30)) * 0xBF58476D1CE4E5B9ull;
    v = (v ^ (v >> 27)) * 0x94D049BB133111EBull;
    return v ^ (v >> 31);
}

// A value in [0, 1) that depends only on the seed and the point, so the
// pictures do not depend on the order in which pixels are painted.
double hashUnit(std::uint64_t seed, int x, int y)
{
    const std::uint64_t key = mix(seed) ^ mix((static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) << 32) |
                                              static_cast<std::uint32_t>(y));
    return static_cast<double>(mix(key) >> 11) * 0x1p-53;
}

// A whole number in lo..hi.
int hashInt(std::uint64_t seed, int x, int y, int lo, int hi)
{
    return lo + static_cast<int>(hashUnit(seed, x, y) * (hi - lo + 1));
}

constexpr int Face = 64;

int wrapX(int x) { return ((x % Face) + Face) % Face; }

// Smooth value noise in [0, 1) on a lattice of the given spacing; it repeats
// every 64 pixels across, so a wall face joins its neighbour seamlessly.
double valueNoise(std::uint64_t seed, double x, double y, int spacing)
{
    const int period = Face / spacing;
    const double fx = x / spacing;
    const double fy = y / spacing;
    const int x0 = static_cast<int>(std::floor(fx));
    const int y0 = static_cast<int>(std::floor(fy));
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double tx = smooth(fx - x0);
    const double ty = smooth(fy - y0);
    auto corner = [&](int cx, int cy) { return hashUnit(seed, ((cx % period) + period) % period, cy); };
    const double top = corner(x0, y0) + (corner(x0 + 1, y0) - corner(x0, y0)) * tx;
    const double bottom = corner(x0, y0 + 1) + (corner(x0 + 1, y0 + 1) - corner(x0, y0 + 1)) * tx;
    return top + (bottom - top) * ty;
}

// Three octaves of value noise: large blobs with ragged edges.
double fractalNoise(std::uint64_t seed, double x, double y)
{
    return 0.55 * valueNoise(seed, x, y, 16) + 0.3 * valueNoise(seed + 1, x, y, 8) +
           0.15 * valueNoise(seed + 2, x, y, 4);
}

int clampChannel(double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); }

// A colour from whole-number channels, each held to 0..255. The drawings
// keep inside that range; a slip past it shows as a flat channel, not as a
// channel wrapped round to the other end.
Rgb rgb(int r, int g, int b)
{
    const auto channel = [](int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); };
    return {channel(r), channel(g), channel(b)};
}

Rgb scaled(Rgb c, double factor)
{
    return rgb(clampChannel(c.r * factor), clampChannel(c.g * factor), clampChannel(c.b * factor));
}

Rgb grey(int v) { return rgb(v, v, v); }

// ---------------------------------------------------------------- stones

// Which stone each pixel of a wall face belongs to. Shading works from this
// alone, so blocks and irregular stones are lit the same way.
class Stones {
public:
    static constexpr int Mortar = -1;

    int& at(int x, int y) { return id[static_cast<std::size_t>(y * Face + x)]; }
    int at(int x, int y) const { return id[static_cast<std::size_t>(y * Face + x)]; }

private:
    std::array<int, Face * Face> id{};
};

// Courses of rectangular blocks, top to bottom, each with a mortar row at its
// bottom. Joints fall every `width` columns, every other course is offset by
// half a block, and each joint is nudged by up to `jitter` columns so the
// wall looks laid by hand. A block cut by the right edge continues at the
// left edge, as it does on the neighbouring wall face.
Stones blockCourses(const std::vector<int>& courseHeights, int width, int jitter, std::uint64_t seed)
{
    Stones stones;
    int top = 0;
    for (std::size_t course = 0; course < courseHeights.size(); ++course) {
        const int rows = courseHeights[course];
        std::vector<int> joints;
        for (int j = (course % 2) * width / 2; j < Face; j += width) {
            joints.push_back(wrapX(j + hashInt(seed, static_cast<int>(course), j, -jitter, jitter)));
        }
        std::sort(joints.begin(), joints.end());
        for (int y = top; y < top + rows; ++y) {
            for (int x = 0; x < Face; ++x) {
                const auto after = std::upper_bound(joints.begin(), joints.end(), x) - joints.begin();
                const bool joint = std::find(joints.begin(), joints.end(), x) != joints.end();
                const int block = static_cast<int>(after % static_cast<long>(joints.size()));
                stones.at(x, y) = (y == top + rows - 1 || joint)
                                      ? Stones::Mortar
                                      : static_cast<int>(course) * 100 + block;
            }
        }
        top += rows;
    }
    return stones;
}

// Irregular stones of different sizes: a power diagram of weighted seeds
// (a larger weight gives a larger stone), with mortar where two stones meet.
// Distances wrap across, so the face tiles.
Stones rubble(int count, std::uint64_t seed)
{
    struct Seed {
        double x, y, weight;
    };
    std::vector<Seed> seeds;
    for (int attempt = 0; static_cast<int>(seeds.size()) < count && attempt < 2000; ++attempt) {
        const Seed s{hashUnit(seed, attempt, 0) * Face, hashUnit(seed, attempt, 1) * (Face + 6) - 3,
                     hashUnit(seed, attempt, 2) * 70};
        const bool crowded = std::any_of(seeds.begin(), seeds.end(), [&](const Seed& other) {
            const double dx = std::remainder(s.x - other.x, Face);
            return std::hypot(dx, s.y - other.y) < 10;
        });
        if (!crowded) seeds.push_back(s);
    }
    Stones stones;
    for (int y = 0; y < Face; ++y) {
        for (int x = 0; x < Face; ++x) {
            const double px = x + 0.5;
            const double py = y + 0.5;
            std::vector<std::array<double, 3>> near;  // power distance, image x, image y
            for (const Seed& s : seeds) {
                const double ix = px + std::remainder(s.x - px, Face);
                near.push_back({(ix - px) * (ix - px) + (s.y - py) * (s.y - py) - s.weight, ix, s.y});
            }
            std::size_t own = 0;
            for (std::size_t i = 1; i < near.size(); ++i) {
                if (near[i][0] < near[own][0]) own = i;
            }
            double edge = 1e9;
            for (std::size_t i = 0; i < near.size(); ++i) {
                if (i == own) continue;
                const double gap = std::hypot(near[i][1] - near[own][1], near[i][2] - near[own][2]);
                edge = std::min(edge, (near[i][0] - near[own][0]) / (2 * gap));
            }
            const double ragged = 0.55 + 0.5 * valueNoise(seed + 7, x, y, 4);
            stones.at(x, y) = edge < ragged ? Stones::Mortar : static_cast<int>(own);
        }
    }
    return stones;
}

// How far (x, y) lies from the rim of its stone looking along (dx, dy):
// 1 on the rim itself, 3 for anything further in.
int rimDistance(const Stones& stones, int x, int y, int dx, int dy)
{
    const int own = stones.at(x, y);
    for (int d = 1; d < 3; ++d) {
        const int ny = y + dy * d;
        if (ny < 0 || ny >= Face || stones.at(wrapX(x + dx * d), ny) != own) return d;
    }
    return 3;
}

// Light falls from the upper left: the top and left rims of a stone catch it,
// the bottom and right rims lie in shade.
double bevel(const Stones& stones, int x, int y)
{
    constexpr std::array<double, 4> rim{0, 0.34, 0.13, 0};
    return rim[rimDistance(stones, x, y, 0, -1)] + 0.75 * rim[rimDistance(stones, x, y, -1, 0)] -
           rim[rimDistance(stones, x, y, 0, 1)] - 0.75 * rim[rimDistance(stones, x, y, 1, 0)];
}

// Paints every stone in its own colour, lit by its bevel, with a fine grain,
// a broad mottling and the odd pit; mortar gets a rougher grain of its own.
void paintStones(Image& image, const Stones& stones, const std::function<Rgb(int)>& colourOf,
                 Rgb mortar, std::uint64_t seed)
{
    for (int y = 0; y < Face; ++y) {
        for (int x = 0; x < Face; ++x) {
            const int id = stones.at(x, y);
            const double grain = hashUnit(seed, x, y) - 0.5;
            if (id == Stones::Mortar) {
                image.at(x, y) = scaled(mortar, 1 + 0.35 * grain);
                continue;
            }
            double light = 1 + bevel(stones, x, y) + 0.12 * grain +
                           0.16 * (valueNoise(seed + 3, x, y, 8) - 0.5);
            if (hashUnit(seed + 5, x, y) < 0.035) light -= 0.22;
            image.at(x, y) = scaled(colourOf(id), light);
        }
    }
}

// A grey for each stone, chosen from the given shades by the stone's id.
std::function<Rgb(int)> greyStones(std::vector<int> shades, std::uint64_t seed)
{
    return [shades, seed](int id) {
        return grey(shades[static_cast<std::size_t>(hashInt(seed, id, 0, 0, static_cast<int>(shades.size()) - 1))]);
    };
}

// ---------------------------------------------------------------- textures

// Texture 1: grey blocks overgrown with yellow-olive moss, thickest along the
// top of the wall and creeping down the mortar joints.
Image mossyStone()
{
    constexpr std::uint64_t seed = 101;
    Image face(Face, Face);
    const Stones stones = blockCourses({16, 16, 16, 16}, 32, 3, seed);
    paintStones(face, stones, greyStones({72, 84, 84, 72, 56}, seed), grey(32), seed);

    // Moss grows in patches, thickest along the top of the wall and at its
    // foot, and some patches let thin strands hang down.
    std::array<bool, Face * Face> moss{};
    auto at = [&](int x, int y) -> bool& { return moss[static_cast<std::size_t>(y * Face + wrapX(x))]; };
    for (int y = 0; y < Face; ++y) {
        for (int x = 0; x < Face; ++x) {
            const double cover = fractalNoise(seed + 10, x, y) + 0.3 * std::max(0.0, 1 - y / 24.0) +
                                 0.16 * std::max(0.0, 1 - (Face - 1 - y) / 10.0) -
                                 0.06 * valueNoise(seed + 15, x, y, 2);
            at(x, y) = cover > 0.6;
        }
    }
    for (int x = 0; x < Face; ++x) {
        if (hashUnit(seed + 11, x, 0) > 0.3) continue;
        const int length = hashInt(seed + 11, x, 1, 2, 7);
        bool above = at(x, 0);
        for (int y = 1, hanging = 0; y < Face; ++y) {
            const bool grown = at(x, y);
            if (above && !grown) hanging = length;
            if (hanging > 0 && !grown) {
                at(x, y) = true;
                --hanging;
            }
            above = grown;
        }
    }
    auto growth = [&](int x, int y) { return y >= 0 && y < Face && at(x, y); };
    const std::array<Rgb, 3> shades{Rgb{156, 156, 0}, Rgb{132, 132, 0}, Rgb{112, 108, 0}};
    for (int y = 0; y < Face; ++y) {
        for (int x = 0; x < Face; ++x) {
            if (!growth(x, y)) {
                // Moss overhangs the stone just below it.
                if (growth(x, y - 1)) face.at(x, y) = scaled(face.at(x, y), 0.6);
                continue;
            }
            // Clumps: the tops of the tufts catch the light, their undersides do not.
            const double clump = valueNoise(seed + 12, x, y, 4) + 0.5 * (hashUnit(seed + 13, x, y) - 0.5);
            std::size_t shade = clump > 0.58 ? 0 : clump < 0.38 ? 2 : 1;
            if (!growth(x, y - 1)) shade = 0;
            if (!growth(x, y + 1) || !growth(x + 1, y)) shade = 2;
            face.at(x, y) = scaled(shades[shade], 1 + 0.08 * (hashUnit(seed + 14, x, y) - 0.5));
        }
    }
    return face;
}

// Texture 2: irregular stones of different sizes set in dark mortar.
Image rubbleWall()
{
    constexpr std::uint64_t seed = 202;
    Image face(Face, Face);
    const Stones stones = rubble(17, seed);
    paintStones(face, stones, greyStones({84, 100, 120, 72, 112, 140}, seed), grey(40), seed);
    return face;
}

// Texture 3: grey blocks with a red banner hanging from a golden rail.
Image bannerWall()
{
    constexpr std::uint64_t seed = 303;
    Image face(Face, Face);
    const Stones stones = blockCourses({13, 13, 13, 13, 12}, 24, 2, seed);
    paintStones(face, stones, greyStones({84, 72, 84, 140, 72}, seed), grey(32), seed);

    const Rgb goldLight{236, 200, 84};
    const Rgb gold{200, 156, 36};
    const Rgb goldDark{128, 88, 12};
    constexpr int left = 19;
    constexpr int right = 44;
    constexpr double middle = (left + right) / 2.0;
    // The banner ends in a swallowtail: longest at its sides.
    auto bottom = [&](int x) { return 48 + static_cast<int>(std::lround(8 * std::abs(x - middle) / (middle - left))); };
    auto onBanner = [&](int x, int y) { return x >= left && x <= right && y >= 6 && y <= bottom(x); };

    // The banner's shadow on the wall, then the rail with its brackets.
    for (int y = 6; y < Face; ++y) {
        for (int x = 0; x < Face; ++x) {
            if (!onBanner(x, y) && (onBanner(x - 1, y - 1) || onBanner(x - 2, y - 1))) {
                face.at(x, y) = scaled(face.at(x, y), 0.55);
            }
        }
    }
    for (int x = 0; x < Face; ++x) {
        face.at(x, 3) = goldLight;
        face.at(x, 4) = gold;
        face.at(x, 5) = goldDark;
        face.at(x, 6) = scaled(face.at(x, 6), 0.5);
    }
    for (int bracket : {6, 57}) {
        for (int y = 1; y <= 7; ++y) {
            face.at(bracket, y) = goldLight;
            face.at(bracket + 1, y) = y == 1 || y == 7 ? goldDark : gold;
        }
    }

    for (int y = 3; y < Face; ++y) {
        for (int x = left; x <= right; ++x) {
            // Loops of cloth wrapped round the rail hold the banner up.
            const bool loop = y < 6 && (x - left) % 6 < 3;
            if (!loop && !onBanner(x, y)) continue;
            // Vertical folds: the cloth is brightest on each crest.
            const double fold = 0.5 + 0.5 * std::cos(2 * std::numbers::pi * (x - left) / 6.25);
            double light = (0.72 + 0.28 * fold) * (1 - 0.12 * (y - 6) / 50.0);
            if (x == left) light = std::min(1.0, light + 0.1);
            if (x == right || y == bottom(x)) light *= 0.7;
            if (loop) light = y == 3 ? 0.95 : 0.7;
            int red = clampChannel(252 * light - 3 * hashUnit(seed + 1, x, y));
            face.at(x, y) = rgb(red, 0, 0);
            // A golden hem two pixels inside the edge.
            const bool hem = !loop && ((x == left + 2 || x == right - 2) && y >= 8 && y <= bottom(x) - 2);
            const bool hemBottom = !loop && x > left + 2 && x < right - 2 && y == bottom(x) - 2;
            if (hem || hemBottom) face.at(x, y) = scaled(gold, 0.8 + 0.25 * fold);
        }
    }

    // The emblem: a golden ring around a diamond.
    const double cx = middle;
    constexpr double cy = 26.5;
    for (int y = 14; y < 40; ++y) {
        for (int x = left + 3; x <= right - 3; ++x) {
            const double dx = x - cx;
            const double dy = y - cy;
            const double r = std::hypot(dx, dy);
            const bool ring = r > 7.2 && r < 9.0;
            const bool diamond = std::abs(dx) + std::abs(dy) < 5.2;
            if (!ring && !diamond) continue;
            const double lit = (-dx - dy) / std::max(r, 1.0);
            face.at(x, y) = lit > 0.35 ? goldLight : lit < -0.35 ? goldDark : gold;
            if (diamond && std::abs(dx) + std::abs(dy) < 2.2) face.at(x, y) = {252, 0, 0};
        }
    }
    return face;
}

// Texture 4: blue blocks around a grey barred door, dark behind the bars.
Image doorWall()
{
    constexpr std::uint64_t seed = 404;
    Image face(Face, Face);
    const Stones stones = blockCourses({11, 11, 10, 11, 10, 11}, 21, 2, seed);
    const std::array<int, 4> blues{124, 136, 164, 136};
    paintStones(
        face, stones, [&](int id) { return rgb(0, 0, blues[static_cast<std::size_t>(hashInt(seed, id, 0, 0, 3))]); },
        Rgb{0, 0, 64}, seed);

    constexpr double cx = 31.5;
    constexpr double archY = 29;
    constexpr double halfWidth = 12.5;  // the opening spans columns 19..44
    // Distance outside the opening: negative inside, 0 to 4 on the frame.
    auto outside = [&](int x, int y) {
        const double dx = std::abs(x - cx) - halfWidth;
        if (y >= archY) return dx;
        return std::hypot(x - cx, y - archY) - (halfWidth + 0.5);
    };
    const Rgb frame{120, 120, 124};
    for (int y = 8; y < Face; ++y) {
        for (int x = 0; x < Face; ++x) {
            const double d = outside(x, y);
            if (d > 4.5) continue;
            if (d > 0) {
                // The stone frame is rounded: its outer half faces out from the
                // doorway, its inner half into it; light comes from the upper left.
                double nx = x < cx ? -1 : 1;
                double ny = 0;
                if (y < archY) {
                    const double r = std::max(1.0, std::hypot(x - cx, y - archY));
                    nx = (x - cx) / r;
                    ny = (y - archY) / r;
                }
                const double facing = -0.7 * nx - 0.7 * ny;
                double light = 1 + (d > 2.5 ? 0.3 : -0.3) * facing;
                if (d > 3.5) light = 1 + 0.45 * facing;
                face.at(x, y) = scaled(frame, light + 0.12 * (hashUnit(seed + 1, x, y) - 0.5));
                continue;
            }
            // Dark behind the bars; the bars are two pixels wide every six,
            // crossed by two horizontal bars.
            face.at(x, y) = {0, 0, 0};
            const int column = static_cast<int>(std::lround(x - cx + 0.5 + 60)) % 6;
            const bool crossBar = (y >= 38 && y <= 39) || (y >= 54 && y <= 55);
            if (column == 0 || column == 1) {
                face.at(x, y) = grey(column == 0 ? 168 : 96);
                if (crossBar) face.at(x, y) = grey(column == 0 ? 200 : 140);  // rivet
            } else if (crossBar) {
                face.at(x, y) = grey(y == 38 || y == 54 ? 152 : 84);
            }
        }
    }
    return face;
}

// Texture 5: grey blocks around a framed landscape on a light grey ground.
Image pictureWall()
{
    constexpr std::uint64_t seed = 505;
    Image face(Face, Face);
    const Stones stones = blockCourses({16, 16, 16, 16}, 32, 3, seed);
    paintStones(face, stones, greyStones({72, 84, 84, 56}, seed), grey(32), seed);

    constexpr int left = 13;
    constexpr int top = 11;
    constexpr int size = 38;
    constexpr int border = 5;
    auto insideFrame = [&](int x, int y) { return x >= left && x < left + size && y >= top && y < top + size; };
    // The frame's shadow on the wall.
    for (int y = 0; y < Face; ++y) {
        for (int x = 0; x < Face; ++x) {
            if (!insideFrame(x, y) && (insideFrame(x - 1, y - 1) || insideFrame(x - 2, y - 2))) {
                face.at(x, y) = scaled(face.at(x, y), 0.5);
            }
        }
    }
    // A carved frame: its outer slope faces the light on the top and left,
    // its inner slope on the bottom and right.
    const std::array<Rgb, border> rings{Rgb{96, 64, 24}, Rgb{216, 176, 88}, Rgb{184, 140, 56},
                                        Rgb{148, 104, 36}, Rgb{72, 48, 16}};
    for (int y = top; y < top + size; ++y) {
        for (int x = left; x < left + size; ++x) {
            const int ring = std::min({x - left, y - top, left + size - 1 - x, top + size - 1 - y});
            if (ring >= border) continue;
            const bool upperLeft = (x - left) + (y - top) < size - 1 &&
                                   std::min(x - left, y - top) == ring;
            const bool outerSlope = ring < 3;
            double light = upperLeft == outerSlope ? 1.12 : 0.72;
            if (ring == 0 || ring == border - 1) light = 1;
            face.at(x, y) = scaled(rings[static_cast<std::size_t>(ring)], light * (1 + 0.08 * (hashUnit(seed + 1, x, y) - 0.5)));
        }
    }
    // The painting: a sun over far hills and a green hill with a tree, on
    // the light grey ground.
    constexpr int inLeft = left + border;
    constexpr int inTop = top + border;
    constexpr int inSize = size - 2 * border;
    for (int y = inTop; y < inTop + inSize; ++y) {
        for (int x = inLeft; x < inLeft + inSize; ++x) {
            const double u = x - inLeft + 0.5;
            const double v = y - inTop + 0.5;
            Rgb colour = grey(152);
            if (std::hypot(u - 20, v - 8) < 4.2) colour = Rgb{236, 196, 60};
            const double farHill = 17 - 6 * std::sin((u + 3) / 5.5) * std::sin((u + 11) / 9.0);
            if (v > farHill) colour = Rgb{104, 112, 132};
            const double nearHill = 20 + 0.02 * (u - 9) * (u - 9);
            if (v > nearHill) colour = Rgb{72, 128, 48};
            if (v > nearHill + 1 + 2 * hashUnit(seed + 2, x, 0)) colour = Rgb{56, 104, 36};
            // The tree: a round crown on a short trunk.
            if (std::abs(u - 8) < 1 && v > 14 && v < 21) colour = Rgb{92, 60, 28};
            const double crown = std::hypot(u - 8, (v - 12) * 1.15);
            if (crown < 4.6) colour = crown < 3 && u < 8 && v < 12 ? Rgb{64, 136, 56} : Rgb{36, 92, 32};
            face.at(x, y) = colour;
        }
    }
    return face;
}

// A texture's right half is its face again, with every channel times 0.6,
// rounded to nearest: the shaded side of a wall.
int darker(int channel) { return (channel * 3 + 2) / 5; }

Image texture(const Image& face)
{
    Image picture(2 * Face, Face);
    for (int y = 0; y < Face; ++y) {
        for (int x = 0; x < Face; ++x) {
            const Rgb p = face.at(x, y);
            picture.at(x, y) = p;
            picture.at(Face + x, y) = rgb(darker(p.r), darker(p.g), darker(p.b));
        }
    }
    return picture;
}

// ---------------------------------------------------------------- backdrop

// Ceiling greys for rows 0..31, darkening towards the horizon.
constexpr std::array<int, 32> ceiling{171, 169, 167, 164, 162, 159, 156, 152, 149, 145, 141,
                                      137, 133, 129, 124, 120, 116, 112, 107, 103, 99,  95,
                                      91,  87,  84,  80,  77,  74,  71,  69,  67,  65};
// Floor green and blue for rows 32..63, brightening towards the viewer.
constexpr std::array<std::array<int, 2>, 32> floorRows{{
    {86, 46},   {86, 46},   {87, 47},   {89, 49},   {90, 51},   {92, 53},   {93, 55},   {96, 58},
    {98, 60},   {100, 63},  {102, 66},  {104, 69},  {107, 72},  {109, 75},  {112, 78},  {115, 81},
    {117, 84},  {120, 88},  {122, 91},  {125, 94},  {128, 97},  {130, 100}, {133, 103}, {135, 106},
    {137, 109}, {139, 112}, {142, 114}, {143, 117}, {145, 119}, {147, 121}, {148, 123}, {150, 125},
}};

Image backdrop()
{
    constexpr std::uint64_t seed = 606;
    Image picture(Face, Face);
    for (int y = 0; y < Face; ++y) {
        const bool uniform = y == 0 || y == 31 || y == 32 || y == 33 || y == 46;
        for (int x = 0; x < Face; ++x) {
            // A faint noise of at most one step keeps the bands from looking flat.
            auto jitter = [&](int channel) { return uniform ? 0 : hashInt(seed + channel, x, y, -1, 1); };
            if (y < 32) {
                const int v = ceiling[static_cast<std::size_t>(y)] + jitter(0);
                picture.at(x, y) = grey(v);
            } else {
                const auto& base = floorRows[static_cast<std::size_t>(y - 32)];
                picture.at(x, y) = rgb(0, base[0] + jitter(1), base[1] + jitter(2));
            }
        }
    }
    return picture;
}

// The faces of the wall codes 1 and up, in order. A texture painted by hand
// after these has no drawing here.
constexpr Image (*wallFaces[])() = {mossyStone, rubbleWall, bannerWall, doorWall, pictureWall};

}  // namespace

int main(int argc, char** argv)
{
    // --help, or anything else named like an option, is not taken for a folder.
    if (argc != 2 || std::string_view(argv[1]).starts_with('-')) {
        std::cerr << "usage: make_pictures FOLDER  (writes " << textureFileName(1) << " .. "
                  << textureFileName(std::size(wallFaces)) << " and " << backdropFileName << ")\n";
        return 2;
    }
    // The integer form of the 0.6 rule must agree with rounding to nearest.
    for (int v = 0; v < 256; ++v) {
        if (darker(v) != std::lround(v * 0.6)) {
            std::cerr << "make_pictures: 0.6 rounding is wrong for " << v << '\n';
            return 1;
        }
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << folder.string() << ": cannot make the folder: " << error.message() << '\n';
        return 1;
    }
    std::vector<std::pair<std::string, Image>> pictures;
    for (std::size_t i = 0; i < std::size(wallFaces); ++i) pictures.emplace_back(textureFileName(i + 1), texture(wallFaces[i]()));
    pictures.emplace_back(backdropFileName, backdrop());
    for (const auto& [name, image] : pictures) {
        if (!writeBmp(folder / name, image)) {
            std::cerr << (folder / name).string() << ": cannot write the picture\n";
            return 1;
        }
    }
    return 0;
}
