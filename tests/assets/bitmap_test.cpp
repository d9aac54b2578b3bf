// The bitmap and icon codec: what it writes reads back the same, the bytes
// follow the file formats, and damaged files are refused without a crash.
#include "assets/bitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using assets::Image;
using assets::rgb;

// A picture in the 16 palette colours, every colour used where possible.
Image paletteImage(int w, int h) {
    Image image(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            image.put(x, y,
                      assets::standardPalette()[static_cast<std::size_t>(x * 7 + y * 3) % 16]);
    }
    return image;
}

Image trueColourImage(int w, int h) {
    Image image(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            image.put(x, y, rgb((x * 37 + y) % 256, (y * 53 + 7) % 256, (x * y * 11 + 1) % 256));
    }
    return image;
}

std::uint32_t u32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

void setU32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

void setU16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

TEST(BitmapCodec, RoundTripsPicturesOfEveryRowPadding) {
    // Widths that leave every possible padding at the end of a row.
    const std::vector<std::pair<int, int>> sizes{{1, 1}, {2, 1}, {3, 2}, {5, 3},
                                                 {8, 4}, {9, 2}, {33, 7}};
    for (const auto& [w, h] : sizes) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        const Image four = paletteImage(w, h);
        const std::vector<std::uint8_t> fourFile = assets::encodeBmp4(four);
        EXPECT_EQ(assets::decodeBmp(fourFile), four);
        const assets::BitmapInfo fourInfo = assets::decodeBmpInfo(fourFile);
        EXPECT_EQ(fourInfo.width, w);
        EXPECT_EQ(fourInfo.height, h);
        EXPECT_EQ(fourInfo.bitsPerPixel, 4);
        EXPECT_EQ(fourInfo.palette, std::vector<std::uint32_t>(assets::standardPalette().begin(),
                                                               assets::standardPalette().end()));

        const Image full = trueColourImage(w, h);
        const std::vector<std::uint8_t> fullFile = assets::encodeBmp24(full);
        EXPECT_EQ(assets::decodeBmp(fullFile), full);
        const assets::BitmapInfo fullInfo = assets::decodeBmpInfo(fullFile);
        EXPECT_EQ(fullInfo.bitsPerPixel, 24);
        EXPECT_TRUE(fullInfo.palette.empty());
    }
}

TEST(BitmapCodec, WritesTheStandardLayout) {
    // 24 bits: a red pixel over a blue one; rows are stored bottom-up, each
    // pixel blue, green, red, each row padded to four bytes.
    Image column(1, 2);
    column.put(0, 0, rgb(255, 0, 0));
    column.put(0, 1, rgb(0, 0, 255));
    const std::vector<std::uint8_t> full = assets::encodeBmp24(column);
    ASSERT_EQ(full.size(), 54u + 2 * 4);
    EXPECT_EQ(full[0], 'B');
    EXPECT_EQ(full[1], 'M');
    EXPECT_EQ(u32At(full, 2), full.size());
    EXPECT_EQ(u32At(full, 10), 54u);
    EXPECT_EQ(u32At(full, 14), 40u);
    EXPECT_EQ(std::vector<std::uint8_t>(full.begin() + 54, full.end()),
              (std::vector<std::uint8_t>{255, 0, 0, 0, 0, 0, 255, 0}));

    // 4 bits: palette of 16 entries (blue, green, red, 0), two pixels a byte,
    // the left one in the high nibble.
    Image row(3, 1);
    row.put(0, 0, rgb(255, 0, 0));      // index 9
    row.put(1, 0, rgb(0, 128, 128));    // index 6
    row.put(2, 0, rgb(255, 255, 255));  // index 15
    const std::vector<std::uint8_t> four = assets::encodeBmp4(row);
    ASSERT_EQ(four.size(), 118u + 4);
    EXPECT_EQ(u32At(four, 10), 118u);
    EXPECT_EQ(four[28], 4);
    EXPECT_EQ(u32At(four, 46), 16u);
    EXPECT_EQ(u32At(four, 54 + 4 * 9), 0x00FF0000u);  // palette entry 9: red
    EXPECT_EQ(std::vector<std::uint8_t>(four.begin() + 118, four.end()),
              (std::vector<std::uint8_t>{0x96, 0xF0, 0, 0}));
}

TEST(BitmapCodec, RefusesWhatTheFormatsCannotHold) {
    Image offPalette(2, 2);
    offPalette.put(1, 1, rgb(1, 2, 3));
    EXPECT_THROW(assets::encodeBmp4(offPalette), std::invalid_argument);

    Image iconWithOffColour(32, 32);
    iconWithOffColour.put(5, 5, rgb(200, 100, 50));
    EXPECT_THROW(assets::encodeIco4(iconWithOffColour), std::invalid_argument);
    EXPECT_THROW(assets::encodeIco4(paletteImage(16, 16)), std::invalid_argument);
    EXPECT_THROW(assets::encodeIco4(paletteImage(32, 31)), std::invalid_argument);
}

TEST(IconCodec, RoundTripsAnOpaque32By32Picture) {
    const Image picture = paletteImage(32, 32);
    const std::vector<std::uint8_t> file = assets::encodeIco4(picture);
    // Directory, entry, header, palette, colour rows and the AND mask.
    EXPECT_EQ(file.size(), 6u + 16 + 40 + 64 + 512 + 128);
    EXPECT_EQ(assets::decodeIco(file), picture);
    const assets::BitmapInfo info = assets::decodeIcoInfo(file);
    EXPECT_EQ(info.width, 32);
    EXPECT_EQ(info.height, 32);
    EXPECT_EQ(info.bitsPerPixel, 4);
    EXPECT_EQ(info.palette.size(), 16u);
    EXPECT_EQ(info.transparentPixels, 0);

    // A set bit in the mask is a transparent pixel.
    std::vector<std::uint8_t> masked = file;
    masked[masked.size() - 1] = 0x81;
    EXPECT_EQ(assets::decodeIcoInfo(masked).transparentPixels, 2);
}

// The three kinds of file the game reads, and their decoders.
struct Sample {
    std::string name;
    std::vector<std::uint8_t> file;
    std::function<void(const std::vector<std::uint8_t>&)> decode;
};

std::vector<Sample> samples() {
    auto bmp = [](const std::vector<std::uint8_t>& f) {
        assets::decodeBmpInfo(f);
        const Image image = assets::decodeBmp(f);
        EXPECT_EQ(image.pixels.size(), static_cast<std::size_t>(image.width) * image.height);
    };
    auto ico = [](const std::vector<std::uint8_t>& f) {
        assets::decodeIcoInfo(f);
        const Image image = assets::decodeIco(f);
        EXPECT_EQ(image.pixels.size(), 32u * 32u);
    };
    return {{"4-bit bitmap", assets::encodeBmp4(paletteImage(5, 3)), bmp},
            {"24-bit bitmap", assets::encodeBmp24(trueColourImage(3, 2)), bmp},
            {"icon", assets::encodeIco4(paletteImage(32, 32)), ico}};
}

TEST(DecoderRobustness, EveryTruncationIsRefused) {
    for (const Sample& s : samples()) {
        for (std::size_t length = 0; length < s.file.size(); ++length) {
            SCOPED_TRACE(s.name + " cut to " + std::to_string(length) + " bytes");
            const std::vector<std::uint8_t> cut(
                s.file.begin(), s.file.begin() + static_cast<std::ptrdiff_t>(length));
            EXPECT_THROW(s.decode(cut), std::runtime_error);
        }
    }
}

TEST(DecoderRobustness, InconsistentHeadersAreRefused) {
    struct Damage {
        std::string what;
        std::size_t sample;  // index into samples()
        std::function<void(std::vector<std::uint8_t>&)> apply;
    };
    const std::vector<Damage> damages{
        {"not BM", 0, [](auto& b) { b[0] = 'X'; }},
        {"file size too large", 0,
         [](auto& b) { setU32(b, 2, static_cast<std::uint32_t>(b.size() + 1)); }},
        {"pixels start past the end", 1,
         [](auto& b) { setU32(b, 10, static_cast<std::uint32_t>(b.size())); }},
        {"pixels start inside the palette", 0, [](auto& b) { setU32(b, 10, 60); }},
        {"unknown header size", 0, [](auto& b) { setU32(b, 14, 12); }},
        {"zero width", 1, [](auto& b) { setU32(b, 18, 0); }},
        {"huge width", 1, [](auto& b) { setU32(b, 18, 0x7FFFFFFF); }},
        {"top-down rows", 0, [](auto& b) { setU32(b, 22, static_cast<std::uint32_t>(-3)); }},
        {"two planes", 0, [](auto& b) { setU16(b, 26, 2); }},
        {"8 bits per pixel", 0, [](auto& b) { setU16(b, 28, 8); }},
        {"run-length compressed", 0, [](auto& b) { setU32(b, 30, 2); }},
        {"17 palette entries", 0, [](auto& b) { setU32(b, 46, 17); }},
        {"pixel beyond a 2-colour palette", 0, [](auto& b) { setU32(b, 46, 2); }},
        {"icon: reserved word set", 2, [](auto& b) { setU16(b, 0, 1); }},
        {"icon: a cursor", 2, [](auto& b) { setU16(b, 2, 2); }},
        {"icon: two entries", 2, [](auto& b) { setU16(b, 4, 2); }},
        {"icon: 16 x 16 entry", 2, [](auto& b) { b[6] = 16; }},
        {"icon: image inside the directory", 2, [](auto& b) { setU32(b, 18, 2); }},
        {"icon: image past the end", 2,
         [](auto& b) { setU32(b, 18, static_cast<std::uint32_t>(b.size())); }},
        {"icon: image too short for its pixels", 2, [](auto& b) { setU32(b, 14, 300); }},
        {"icon: image height without the mask", 2, [](auto& b) { setU32(b, 22 + 8, 32); }},
        {"icon: 24 bits per pixel", 2, [](auto& b) { setU16(b, 22 + 14, 24); }},
    };
    const std::vector<Sample> files = samples();
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.what);
        std::vector<std::uint8_t> file = files[d.sample].file;
        d.apply(file);
        EXPECT_THROW(files[d.sample].decode(file), std::runtime_error);
    }
}

TEST(DecoderRobustness, GarbledHeadersNeverReadOutOfBounds) {
    // Random damage to the headers and palette: a decoder either refuses the
    // file or returns a picture of the size its header says. (The sanitizer
    // build turns any stray read into a failure.)
    std::uint32_t state = 12345;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return state >> 8;
    };
    for (const Sample& s : samples()) {
        int refused = 0;
        for (int round = 0; round < 3000; ++round) {
            std::vector<std::uint8_t> file = s.file;
            const int hits = 1 + static_cast<int>(next() % 4);
            for (int i = 0; i < hits; ++i)
                file[next() % std::min<std::size_t>(file.size(), 140)] =
                    static_cast<std::uint8_t>(next());
            try {
                s.decode(file);
            } catch (const std::runtime_error&) {
                ++refused;
            }
        }
        // Most damage to a header is noticed.
        EXPECT_GT(refused, 1000) << s.name;
    }
}

}  // namespace
