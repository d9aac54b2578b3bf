// The window's icon: the emblem in miniature, a star over a zig-zag tree on a
// small trunk, in the 16 standard colours.
#include <array>
#include <cstdlib>

#include "assets/draw/drawings.h"
#include "assets/draw/raster.h"

namespace assets::draw {
namespace {

constexpr std::uint32_t kMaroon = rgb(128, 0, 0);
constexpr std::uint32_t kGreen = rgb(0, 128, 0);
constexpr std::uint32_t kOlive = rgb(128, 128, 0);
constexpr std::uint32_t kRed = rgb(255, 0, 0);
constexpr std::uint32_t kLime = rgb(0, 255, 0);
constexpr std::uint32_t kYellow = rgb(255, 255, 0);
constexpr std::uint32_t kWhite = rgb(255, 255, 255);

// The star around its white centre (10, 2); '.' leaves the black showing.
constexpr std::array<const char*, 5> kStar{{
    "...o...",
    "..oyo..",
    "ooywyoo",
    "..oyo..",
    "...o...",
}};

// The zig-zag's turning points, from under the star to the widest sweeps.
constexpr std::array<std::array<int, 2>, 9> kZigZag{{
    {10, 5},
    {5, 10},
    {14, 9},
    {3, 16},
    {22, 15},
    {0, 23},
    {31, 22},
    {2, 29},
    {27, 27},
}};

// Pixels of a one-pixel line from a to b (Bresenham), both ends included.
std::vector<std::array<int, 2>> linePixels(std::array<int, 2> a, std::array<int, 2> b) {
    std::vector<std::array<int, 2>> out;
    const int dx = std::abs(b[0] - a[0]);
    const int dy = -std::abs(b[1] - a[1]);
    const int sx = a[0] < b[0] ? 1 : -1;
    const int sy = a[1] < b[1] ? 1 : -1;
    int error = dx + dy;
    int x = a[0];
    int y = a[1];
    while (true) {
        out.push_back({x, y});
        if (x == b[0] && y == b[1]) break;
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y += sy;
        }
    }
    return out;
}

}  // namespace

Image drawIcon() {
    Image image(32, 32);

    // The line in lime, then its darker upper left edge wherever that is
    // still black: above a flat stroke, left of a steep one.
    for (std::size_t i = 0; i + 1 < kZigZag.size(); ++i) {
        for (const auto& p : linePixels(kZigZag[i], kZigZag[i + 1])) image.put(p[0], p[1], kLime);
    }
    for (std::size_t i = 0; i + 1 < kZigZag.size(); ++i) {
        const bool flat = std::abs(kZigZag[i + 1][0] - kZigZag[i][0]) >
                          std::abs(kZigZag[i + 1][1] - kZigZag[i][1]);
        for (const auto& p : linePixels(kZigZag[i], kZigZag[i + 1])) {
            const int x = flat ? p[0] : p[0] - 1;
            const int y = flat ? p[1] - 1 : p[1];
            if (image.contains(x, y) && image.at(x, y) == 0) image.put(x, y, kGreen);
        }
    }

    for (int row = 0; row < static_cast<int>(kStar.size()); ++row) {
        for (int col = 0; kStar[static_cast<std::size_t>(row)][col] != '\0'; ++col) {
            const char c = kStar[static_cast<std::size_t>(row)][col];
            const int x = 7 + col;
            if (c == 'o') image.put(x, row, kOlive);
            if (c == 'y') image.put(x, row, kYellow);
            if (c == 'w') image.put(x, row, kWhite);
        }
    }

    // The trunk: red with maroon sides.
    fillRect(image, 12, 28, 15, 30, kMaroon);
    fillRect(image, 13, 28, 14, 30, kRed);
    return image;
}

}  // namespace assets::draw
