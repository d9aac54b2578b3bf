#pragma once
// Pictures in memory and the two file formats they are kept in: uncompressed
// Windows bitmaps (4 bits per pixel with the standard 16-colour palette, or
// 24 bits per pixel) and an icon with one 32 x 32 entry of 16 colours.
//
// The drawing program encodes the pictures once at build time; the game
// decodes the embedded bytes at start-up (pictures.h). The decoders accept
// exactly what the encoders write and throw std::runtime_error on anything
// truncated or inconsistent, without reading outside the given bytes.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace assets {

// A colour as 0x00RRGGBB.
constexpr std::uint32_t rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return (r << 16) | (g << 8) | b;
}

// A picture: row-major pixels, top row first, each 0x00RRGGBB.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Image() = default;
    Image(int w, int h, std::uint32_t fill = 0);

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    // The pixel at (x, y); the point must lie in the picture.
    std::uint32_t at(int x, int y) const;
    // Sets the pixel at (x, y); points outside the picture are ignored, so
    // shapes may be drawn partly off the edge.
    void put(int x, int y, std::uint32_t colour);

    friend bool operator==(const Image&, const Image&) = default;
};

// The standard 16-colour palette in index order: black, maroon, green, olive,
// navy, purple, teal, silver, grey, red, lime, yellow, blue, fuchsia, aqua,
// white.
const std::array<std::uint32_t, 16>& standardPalette();

// What the headers of a bitmap or icon file say.
struct BitmapInfo {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<std::uint32_t> palette;  // empty at 24 bits per pixel
    int transparentPixels = 0;           // icons only: pixels set in the AND mask
};

// Encoders, called by the drawing program. The 4-bit encoders throw
// std::invalid_argument for a colour outside the standard palette; the icon
// must be 32 x 32.
std::vector<std::uint8_t> encodeBmp4(const Image& image);
std::vector<std::uint8_t> encodeBmp24(const Image& image);
std::vector<std::uint8_t> encodeIco4(const Image& image);

// Decoders, called at start-up for the embedded pictures and by the tests.
BitmapInfo decodeBmpInfo(std::span<const std::uint8_t> file);
Image decodeBmp(std::span<const std::uint8_t> file);
BitmapInfo decodeIcoInfo(std::span<const std::uint8_t> file);
Image decodeIco(std::span<const std::uint8_t> file);

}  // namespace assets
