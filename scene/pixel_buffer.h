#pragma once
// The pixels the renderer draws into: the window's client area, row-major, top
// row first, one 0x00RRGGBB word per pixel. On a little-endian machine that is
// the memory layout of SDL_PIXELFORMAT_RGB888 (and ARGB8888 with alpha 0), so
// the SDL window can present a buffer without converting it.
#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace scene {

// A rectangle of client pixels: x, y of its top-left corner (negative allowed), w × h.
struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    int right() const { return x + w; }   // one past the last column
    int bottom() const { return y + h; }  // one past the last row
    bool empty() const { return w <= 0 || h <= 0; }
    long long area() const { return empty() ? 0 : static_cast<long long>(w) * h; }
    bool contains(int px, int py) const {
        return px >= x && px < right() && py >= y && py < bottom();
    }

    bool operator==(const Rect&) const = default;
};

// The pixels both rectangles cover; an empty rectangle (w, h 0) if none.
inline Rect intersect(Rect a, Rect b) {
    const int left = std::max(a.x, b.x);
    const int top = std::max(a.y, b.y);
    const int right = std::min(a.right(), b.right());
    const int bottom = std::min(a.bottom(), b.bottom());
    if (right <= left || bottom <= top) return Rect{};
    return Rect{left, top, right - left, bottom - top};
}

// The smallest rectangle that holds both; an empty one counts as nothing.
inline Rect unite(Rect a, Rect b) {
    if (a.empty()) return b.empty() ? Rect{} : b;
    if (b.empty()) return a;
    const int left = std::min(a.x, b.x);
    const int top = std::min(a.y, b.y);
    return Rect{left, top, std::max(a.right(), b.right()) - left,
                std::max(a.bottom(), b.bottom()) - top};
}

// The game's colours are 0x00BBGGRR; pixels are 0x00RRGGBB.
constexpr std::uint32_t pixelOf(std::uint32_t bbggrr) {
    return ((bbggrr & 0xFFu) << 16) | (bbggrr & 0xFF00u) | ((bbggrr >> 16) & 0xFFu);
}

struct PixelBuffer {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    PixelBuffer() = default;
    PixelBuffer(int w, int h, std::uint32_t fill = 0)
        : width(w),
          height(h),
          pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {
        assert(w >= 0 && h >= 0 && "a buffer has no negative size");
    }

    Rect bounds() const { return Rect{0, 0, width, height}; }

    std::uint32_t* row(int y) {
        return pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    }
    const std::uint32_t* row(int y) const {
        return pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    }
    std::uint32_t& at(int x, int y) {
        assert(bounds().contains(x, y) && "pixel outside the buffer");
        return row(y)[x];
    }
    std::uint32_t at(int x, int y) const {
        assert(bounds().contains(x, y) && "pixel outside the buffer");
        return row(y)[x];
    }
};

// A picture to draw from, without owning it: width × height pixels, 0x00RRGGBB, row-major.
struct ImageView {
    int width = 0;
    int height = 0;
    const std::uint32_t* pixels = nullptr;

    std::uint32_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

inline ImageView viewOf(const PixelBuffer& buffer) {
    return ImageView{buffer.width, buffer.height, buffer.pixels.data()};
}

}  // namespace scene
