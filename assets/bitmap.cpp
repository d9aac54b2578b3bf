#include "assets/bitmap.h"

#include <cassert>
#include <stdexcept>
#include <string>

namespace assets {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kIconDirSize = 6;
constexpr std::size_t kIconEntrySize = 16;
constexpr std::int32_t kPixelsPerMetre = 3780;  // 96 pixels per inch
constexpr int kIconSize = 32;
// Larger pictures than this are treated as a damaged header.
constexpr std::int64_t kMaxSide = 16384;

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error("bitmap: " + what);
}

// Bytes of one row, padded to a multiple of four.
std::size_t rowStride(int width, int bitsPerPixel) {
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32) *
           4;
}

class Writer {
  public:
    void u8(std::uint32_t v) { bytes_.push_back(static_cast<std::uint8_t>(v & 0xFF)); }
    void u16(std::uint32_t v) {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    std::vector<std::uint8_t>& bytes() { return bytes_; }

  private:
    std::vector<std::uint8_t> bytes_;
};

// Little-endian reads that throw instead of running past the end.
class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> data) : data_(data) {}

    std::uint32_t u8(std::size_t at) const {
        need(at, 1);
        return data_[at];
    }
    std::uint32_t u16(std::size_t at) const {
        need(at, 2);
        return static_cast<std::uint32_t>(data_[at]) |
               (static_cast<std::uint32_t>(data_[at + 1]) << 8);
    }
    std::uint32_t u32(std::size_t at) const {
        need(at, 4);
        return u16(at) | (u16(at + 2) << 16);
    }
    std::int32_t i32(std::size_t at) const {
        const std::uint32_t v = u32(at);
        return v <= 0x7FFFFFFFu ? static_cast<std::int32_t>(v) : -static_cast<std::int32_t>(~v) - 1;
    }
    void need(std::size_t at, std::size_t count) const {
        if (at > data_.size() || count > data_.size() - at) fail("truncated data");
    }
    std::size_t size() const { return data_.size(); }

  private:
    std::span<const std::uint8_t> data_;
};

int paletteIndex(std::uint32_t colour) {
    const auto& palette = standardPalette();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        if (palette[i] == colour) return static_cast<int>(i);
    }
    throw std::invalid_argument("bitmap: colour outside the 16-colour palette");
}

void writeInfoHeader(Writer& w, int width, int height, int bitsPerPixel, std::size_t imageSize,
                     std::uint32_t coloursUsed) {
    w.u32(kInfoHeaderSize);
    w.i32(width);
    w.i32(height);
    w.u16(1);  // planes
    w.u16(static_cast<std::uint32_t>(bitsPerPixel));
    w.u32(0);  // no compression
    w.u32(static_cast<std::uint32_t>(imageSize));
    w.i32(kPixelsPerMetre);
    w.i32(kPixelsPerMetre);
    w.u32(coloursUsed);
    w.u32(0);  // all colours important
}

void writePalette(Writer& w) {
    for (std::uint32_t colour : standardPalette()) {
        w.u8(colour);        // blue
        w.u8(colour >> 8);   // green
        w.u8(colour >> 16);  // red
        w.u8(0);
    }
}

// Rows bottom-up, two pixels a byte, high nibble first.
void writePixels4(Writer& w, const Image& image) {
    const std::size_t stride = rowStride(image.width, 4);
    for (int y = image.height - 1; y >= 0; --y) {
        std::size_t written = 0;
        for (int x = 0; x < image.width; x += 2) {
            const int high = paletteIndex(image.at(x, y));
            const int low = x + 1 < image.width ? paletteIndex(image.at(x + 1, y)) : 0;
            w.u8(static_cast<std::uint32_t>((high << 4) | low));
            ++written;
        }
        for (; written < stride; ++written) w.u8(0);
    }
}

void writeFileHeader(Writer& w, std::size_t fileSize, std::size_t pixelOffset) {
    w.u8('B');
    w.u8('M');
    w.u32(static_cast<std::uint32_t>(fileSize));
    w.u32(0);  // two reserved words
    w.u32(static_cast<std::uint32_t>(pixelOffset));
}

// The parts of a BITMAPINFOHEADER that the decoders act on.
struct Dib {
    int width = 0;
    int height = 0;  // as stored; for an icon twice the picture height
    int bitsPerPixel = 0;
    std::vector<std::uint32_t> palette;
    std::size_t paletteEnd = 0;  // offset of the first byte after the palette
};

Dib readDib(const Reader& r, std::size_t at) {
    if (r.u32(at) != kInfoHeaderSize) fail("unsupported header size");
    const std::int64_t width = r.i32(at + 4);
    const std::int64_t height = r.i32(at + 8);
    if (width <= 0 || width > kMaxSide) fail("bad width");
    if (height <= 0 || height > kMaxSide) fail("bad height (only bottom-up pictures are read)");
    if (r.u16(at + 12) != 1) fail("bad plane count");
    Dib dib;
    dib.width = static_cast<int>(width);
    dib.height = static_cast<int>(height);
    dib.bitsPerPixel = static_cast<int>(r.u16(at + 14));
    if (dib.bitsPerPixel != 4 && dib.bitsPerPixel != 24) fail("unsupported bits per pixel");
    if (r.u32(at + 16) != 0) fail("compressed pictures are not read");
    std::size_t end = at + kInfoHeaderSize;
    if (dib.bitsPerPixel == 4) {
        const std::uint32_t used = r.u32(at + 32);
        const std::uint32_t count = used == 0 ? 16 : used;
        if (count > 16) fail("bad palette size");
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t entry = end + 4 * i;
            dib.palette.push_back(rgb(r.u8(entry + 2), r.u8(entry + 1), r.u8(entry)));
        }
        end += 4 * static_cast<std::size_t>(count);
    }
    dib.paletteEnd = end;
    return dib;
}

// Reads `height` bottom-up rows starting at `offset` into a picture.
Image readPixels(const Reader& r, const Dib& dib, int height, std::size_t offset) {
    const std::size_t stride = rowStride(dib.width, dib.bitsPerPixel);
    r.need(offset, stride * static_cast<std::size_t>(height));
    Image image(dib.width, height);
    for (int y = 0; y < height; ++y) {
        const std::size_t row = offset + stride * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < dib.width; ++x) {
            const auto ux = static_cast<std::size_t>(x);
            if (dib.bitsPerPixel == 24) {
                const std::size_t at = row + 3 * ux;
                image.put(x, y, rgb(r.u8(at + 2), r.u8(at + 1), r.u8(at)));
            } else {
                const std::uint32_t byte = r.u8(row + ux / 2);
                const std::uint32_t index = (ux % 2 == 0) ? byte >> 4 : byte & 0x0F;
                if (index >= dib.palette.size()) fail("pixel outside the palette");
                image.put(x, y, dib.palette[index]);
            }
        }
    }
    return image;
}

struct BmpFile {
    Dib dib;
    std::size_t pixelOffset = 0;
};

BmpFile readBmpHeaders(const Reader& r) {
    r.need(0, kFileHeaderSize + kInfoHeaderSize);
    if (r.u8(0) != 'B' || r.u8(1) != 'M') fail("not a bitmap");
    if (r.u32(2) != r.size()) fail("file size does not match its header");
    BmpFile file;
    file.pixelOffset = r.u32(10);
    file.dib = readDib(r, kFileHeaderSize);
    if (file.pixelOffset < file.dib.paletteEnd) fail("pixels overlap the headers");
    return file;
}

struct IcoFile {
    Dib dib;
    std::size_t imageOffset = 0;
    std::size_t imageEnd = 0;
};

IcoFile readIcoHeaders(const Reader& r) {
    r.need(0, kIconDirSize + kIconEntrySize);
    if (r.u16(0) != 0 || r.u16(2) != 1) fail("not an icon");
    if (r.u16(4) != 1) fail("only icons with one entry are read");
    const std::size_t entry = kIconDirSize;
    if (r.u8(entry) != kIconSize || r.u8(entry + 1) != kIconSize) fail("icon entry is not 32 x 32");
    IcoFile file;
    const std::size_t length = r.u32(entry + 8);
    file.imageOffset = r.u32(entry + 12);
    if (file.imageOffset < kIconDirSize + kIconEntrySize) fail("icon image overlaps the directory");
    r.need(file.imageOffset, length);
    file.imageEnd = file.imageOffset + length;
    file.dib = readDib(r, file.imageOffset);
    if (file.dib.width != kIconSize || file.dib.height != 2 * kIconSize ||
        file.dib.bitsPerPixel != 4)
        fail("icon image is not 32 x 32 at 4 bits per pixel");
    const std::size_t needed =
        rowStride(kIconSize, 4) * kIconSize + rowStride(kIconSize, 1) * kIconSize;
    if (file.dib.paletteEnd > file.imageEnd || needed > file.imageEnd - file.dib.paletteEnd)
        fail("icon image is shorter than its pixels");
    return file;
}

}  // namespace

Image::Image(int w, int h, std::uint32_t fill)
    : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {
    assert(w >= 0 && h >= 0);
}

std::uint32_t Image::at(int x, int y) const {
    assert(contains(x, y) && "pixel outside the picture");
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
}

void Image::put(int x, int y, std::uint32_t colour) {
    if (!contains(x, y)) return;
    pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(x)] = colour;
}

const std::array<std::uint32_t, 16>& standardPalette() {
    static const std::array<std::uint32_t, 16> palette{
        rgb(0, 0, 0),       rgb(128, 0, 0),   rgb(0, 128, 0),   rgb(128, 128, 0),
        rgb(0, 0, 128),     rgb(128, 0, 128), rgb(0, 128, 128), rgb(192, 192, 192),
        rgb(128, 128, 128), rgb(255, 0, 0),   rgb(0, 255, 0),   rgb(255, 255, 0),
        rgb(0, 0, 255),     rgb(255, 0, 255), rgb(0, 255, 255), rgb(255, 255, 255),
    };
    return palette;
}

std::vector<std::uint8_t> encodeBmp4(const Image& image) {
    const std::size_t imageSize =
        rowStride(image.width, 4) * static_cast<std::size_t>(image.height);
    const std::size_t offset = kFileHeaderSize + kInfoHeaderSize + 16 * 4;
    Writer w;
    writeFileHeader(w, offset + imageSize, offset);
    writeInfoHeader(w, image.width, image.height, 4, imageSize, 16);
    writePalette(w);
    writePixels4(w, image);
    return std::move(w.bytes());
}

std::vector<std::uint8_t> encodeBmp24(const Image& image) {
    const std::size_t stride = rowStride(image.width, 24);
    const std::size_t imageSize = stride * static_cast<std::size_t>(image.height);
    const std::size_t offset = kFileHeaderSize + kInfoHeaderSize;
    Writer w;
    writeFileHeader(w, offset + imageSize, offset);
    writeInfoHeader(w, image.width, image.height, 24, imageSize, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t c = image.at(x, y);
            w.u8(c);
            w.u8(c >> 8);
            w.u8(c >> 16);
        }
        for (std::size_t i = 3 * static_cast<std::size_t>(image.width); i < stride; ++i) w.u8(0);
    }
    return std::move(w.bytes());
}

std::vector<std::uint8_t> encodeIco4(const Image& image) {
    if (image.width != kIconSize || image.height != kIconSize)
        throw std::invalid_argument("bitmap: an icon is 32 x 32");
    const std::size_t colourBytes = rowStride(kIconSize, 4) * kIconSize;
    const std::size_t maskBytes = rowStride(kIconSize, 1) * kIconSize;
    const std::size_t length = kInfoHeaderSize + 16 * 4 + colourBytes + maskBytes;
    Writer w;
    w.u16(0);  // reserved
    w.u16(1);  // an icon
    w.u16(1);  // one entry
    w.u8(kIconSize);
    w.u8(kIconSize);
    w.u8(16);  // colours
    w.u8(0);
    w.u16(1);  // planes
    w.u16(4);  // bits per pixel
    w.u32(static_cast<std::uint32_t>(length));
    w.u32(kIconDirSize + kIconEntrySize);
    // The image's header counts the colour bitmap and the mask together.
    writeInfoHeader(w, kIconSize, 2 * kIconSize, 4, colourBytes + maskBytes, 16);
    writePalette(w);
    writePixels4(w, image);
    for (std::size_t i = 0; i < maskBytes; ++i) w.u8(0);  // every pixel opaque
    return std::move(w.bytes());
}

BitmapInfo decodeBmpInfo(std::span<const std::uint8_t> file) {
    const Reader r(file);
    const BmpFile bmp = readBmpHeaders(r);
    return {bmp.dib.width, bmp.dib.height, bmp.dib.bitsPerPixel, bmp.dib.palette, 0};
}

Image decodeBmp(std::span<const std::uint8_t> file) {
    const Reader r(file);
    const BmpFile bmp = readBmpHeaders(r);
    return readPixels(r, bmp.dib, bmp.dib.height, bmp.pixelOffset);
}

BitmapInfo decodeIcoInfo(std::span<const std::uint8_t> file) {
    const Reader r(file);
    const IcoFile ico = readIcoHeaders(r);
    // The AND mask follows the colour rows: one bit a pixel, set where transparent.
    const std::size_t maskStart = ico.dib.paletteEnd + rowStride(kIconSize, 4) * kIconSize;
    const std::size_t maskStride = rowStride(kIconSize, 1);
    int transparent = 0;
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            const auto ux = static_cast<std::size_t>(x);
            const std::uint32_t byte =
                r.u8(maskStart + static_cast<std::size_t>(y) * maskStride + ux / 8);
            if ((byte >> (7 - ux % 8)) & 1u) ++transparent;
        }
    }
    return {kIconSize, kIconSize, 4, ico.dib.palette, transparent};
}

Image decodeIco(std::span<const std::uint8_t> file) {
    const Reader r(file);
    const IcoFile ico = readIcoHeaders(r);
    return readPixels(r, ico.dib, kIconSize, ico.dib.paletteEnd);
}

}  // namespace assets
