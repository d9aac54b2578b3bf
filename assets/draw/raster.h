#pragma once
// Integer drawing helpers for the picture program. Everything is computed in
// whole sub-pixel units, so that the pictures come out byte for byte the same
// whatever the compiler optimises; nothing is anti-aliased, so the 16-colour
// pictures keep to their palette.
//
// Coordinates are continuous: pixel (i, j) is the unit square from (i, j) to
// (i + 1, j + 1), and it belongs to a shape when its centre does.
#include <cstdint>
#include <vector>

#include "assets/bitmap.h"

namespace assets::draw {

// Sub-pixel units per pixel.
constexpr std::int64_t kSub = 16;

struct Point {
    std::int64_t x = 0;
    std::int64_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// The centre of pixel (x, y), and the corner (x, y) between four pixels.
constexpr Point pixelCentre(std::int64_t x, std::int64_t y) {
    return {x * kSub + kSub / 2, y * kSub + kSub / 2};
}
constexpr Point corner(std::int64_t x, std::int64_t y) {
    return {x * kSub, y * kSub};
}

// a / b rounded to the nearest integer (halves away from minus infinity); b > 0.
std::int64_t divRound(std::int64_t a, std::int64_t b);
// The largest r with r * r <= n; n >= 0.
std::int64_t isqrt(std::int64_t n);
std::int64_t distanceSquared(Point a, Point b);

// A smooth curve through `through` (uniform Catmull-Rom; the ends are
// extended by mirroring), `samples` points per span, the last point included.
std::vector<Point> catmullRom(const std::vector<Point>& through, int samples);
// Quadratic Bezier from a to b pulled towards c, `samples` + 1 points.
std::vector<Point> bezier(Point a, Point c, Point b, int samples);

// A set of pixels of a w x h picture.
struct Mask {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bits;

    Mask(int w, int h);
    bool test(int x, int y) const;
    void set(int x, int y, bool on = true);
    Mask& operator|=(const Mask& other);
};

// Pixels whose centres lie inside the closed polygon (even-odd rule).
Mask polygonMask(int width, int height, const std::vector<Point>& polygon);
// Pixels whose centres lie within `radius` of the segment from a to b.
Mask capsuleMask(int width, int height, Point a, Point b, std::int64_t radius);

// For each pixel of the mask its depth: 1 on the rim (a pixel with a side
// neighbour outside, or on the picture's edge), 2 just inside it, and so on;
// 0 outside the mask.
std::vector<int> depthMap(const Mask& mask);

void fillRect(Image& image, int left, int top, int right, int bottom, std::uint32_t colour);
void fillMask(Image& image, const Mask& mask, std::uint32_t colour);
// Paints a disc of `radius` around `centre` where `allowed` (if given) says so.
void fillDisc(Image& image, Point centre, std::int64_t radius, std::uint32_t colour,
              const Mask* allowed = nullptr);

// The mirror image left to right.
Image mirrored(const Image& image);

}  // namespace assets::draw
