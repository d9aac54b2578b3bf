// The emblem: a small Christmas tree drawn as one zig-zag line under a star,
// standing on a red trunk.
#include <array>

#include "assets/draw/drawings.h"
#include "assets/draw/star_layers.h"

namespace assets::draw {
namespace {

constexpr std::uint32_t kLime = rgb(0, 255, 0);
constexpr std::uint32_t kShadowGreen = rgb(0, 159, 0);
constexpr std::uint32_t kRed = rgb(255, 0, 0);

// The line starts under the star's left side and swings from side to side in
// ever wider sweeps, each back stroke rising a little.
constexpr std::array<std::array<int, 2>, 10> kZigZag{{
    {33, 23},
    {42, 20},
    {27, 38},
    {55, 34},
    {20, 66},
    {95, 62},
    {3, 101},
    {132, 96},
    {13, 134},
    {110, 129},
}};

// The line's half width, and how far its light core sits from the middle
// towards the lower right, so that the upper left edge stays dark.
constexpr std::int64_t kOuterRadius = 26;
constexpr std::int64_t kCoreRadius = 17;
constexpr std::int64_t kCoreShift = 9;

void drawZigZag(Image& image) {
    std::vector<Point> points;
    for (std::size_t i = 0; i < kZigZag.size(); ++i)
        points.push_back(pixelCentre(kZigZag[i][0], kZigZag[i][1]));
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        fillMask(image,
                 capsuleMask(image.width, image.height, points[i], points[i + 1], kOuterRadius),
                 kShadowGreen);
    }
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const Point a = points[i];
        const Point b = points[i + 1];
        // The normal of the stroke that points down and to the right.
        std::int64_t nx = -(b.y - a.y);
        std::int64_t ny = b.x - a.x;
        if (nx + ny < 0) {
            nx = -nx;
            ny = -ny;
        }
        const std::int64_t length = isqrt(nx * nx + ny * ny);
        const Point shift{divRound(nx * kCoreShift, length), divRound(ny * kCoreShift, length)};
        fillMask(image,
                 capsuleMask(image.width, image.height, {a.x + shift.x, a.y + shift.y},
                             {b.x + shift.x, b.y + shift.y}, kCoreRadius),
                 kLime);
    }
}

}  // namespace

Image drawEmblem() {
    Image image(137, 155);
    drawZigZag(image);
    // The star on top, x 36-59, y 1-24, in the big star's colours: a yellow
    // heart at x 44-51, y 8-16 with a pale centre at x 46-49, y 11-14.
    const ConcaveStar star{corner(48, 13), 14 * kSub, 14 * kSub};
    paintLayered(image, star,
                 {{1, kStarLine}, {2, kStarBand}, {3, kStarLine}, {kDeepest, kStarFill}});
    const Point heartCentre{48 * kSub, 12 * kSub + kSub / 2};
    paintLayered(image, ConcaveStar{heartCentre, 5 * kSub, 9 * kSub}, {{kDeepest, kStarHeartLine}});
    paintLayered(image, ConcaveStar{heartCentre, 4 * kSub, 8 * kSub}, {{kDeepest, kStarHeart}});
    const ConcaveStar heart{corner(48, 13), 3 * kSub, 3 * kSub, 1, 1};
    paintLayered(image, heart, {{kDeepest, kStarCentre}});
    fillRect(image, 58, 136, 65, 153, kRed);  // the trunk
    return image;
}

}  // namespace assets::draw
