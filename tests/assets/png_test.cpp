// The contact sheet's PNG writer: checksums, chunk layout, and image data
// that inflates back to the picture.
#include "assets/draw/png.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using assets::Image;
using assets::rgb;

std::vector<std::uint8_t> bytesOf(const std::string& s) {
    return {s.begin(), s.end()};
}

std::uint32_t be32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return (static_cast<std::uint32_t>(b.at(at)) << 24) | (b.at(at + 1) << 16) |
           (b.at(at + 2) << 8) | b.at(at + 3);
}

// An inflater for stored and fixed-Huffman blocks, enough to read what the
// writer produces (it throws on dynamic-Huffman blocks).
class Inflater {
  public:
    explicit Inflater(const std::vector<std::uint8_t>& data) : data_(data) {}

    std::vector<std::uint8_t> run() {
        std::vector<std::uint8_t> out;
        bool last = false;
        while (!last) {
            last = bits(1) == 1;
            const std::uint32_t type = bits(2);
            if (type == 0) {
                bit_ = (bit_ + 7) / 8 * 8;
                const std::uint32_t len = bits(16);
                const std::uint32_t nlen = bits(16);
                if ((len ^ 0xFFFF) != nlen) throw std::runtime_error("stored length");
                for (std::uint32_t i = 0; i < len; ++i)
                    out.push_back(static_cast<std::uint8_t>(bits(8)));
            } else if (type == 1) {
                fixedBlock(out);
            } else {
                throw std::runtime_error("unsupported block type");
            }
        }
        bit_ = (bit_ + 7) / 8 * 8;
        return out;
    }
    std::size_t bytesUsed() const { return bit_ / 8; }

  private:
    std::uint32_t bits(int n) {
        std::uint32_t v = 0;
        for (int i = 0; i < n; ++i, ++bit_)
            v |= static_cast<std::uint32_t>((data_.at(bit_ / 8) >> (bit_ % 8)) & 1) << i;
        return v;
    }
    std::uint32_t code(int n) {  // most significant bit first
        std::uint32_t v = 0;
        for (int i = 0; i < n; ++i) v = (v << 1) | bits(1);
        return v;
    }
    std::uint32_t fixedSymbol() {
        std::uint32_t c = code(7);
        if (c <= 23) return 256 + c;
        c = (c << 1) | bits(1);
        if (c >= 0x30 && c <= 0xBF) return c - 0x30;
        if (c >= 0xC0 && c <= 0xC7) return 280 + (c - 0xC0);
        c = (c << 1) | bits(1);
        return 144 + (c - 0x190);
    }
    void fixedBlock(std::vector<std::uint8_t>& out) {
        static const std::uint16_t lengthBase[] = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                   15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                   67, 83, 99, 115, 131, 163, 195, 227, 258};
        static const std::uint8_t lengthExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                   2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
        static const std::uint16_t distBase[] = {
            1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
            193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
        static const std::uint8_t distExtra[] = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                 4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
        while (true) {
            const std::uint32_t s = fixedSymbol();
            if (s < 256) {
                out.push_back(static_cast<std::uint8_t>(s));
            } else if (s == 256) {
                return;
            } else {
                const std::uint32_t l = s - 257;
                if (l >= 29) throw std::runtime_error("bad length code");
                const std::size_t length = lengthBase[l] + bits(lengthExtra[l]);
                const std::uint32_t d = code(5);
                if (d >= 30) throw std::runtime_error("bad distance code");
                const std::size_t distance = distBase[d] + bits(distExtra[d]);
                if (distance > out.size()) throw std::runtime_error("distance before the start");
                for (std::size_t i = 0; i < length; ++i) out.push_back(out[out.size() - distance]);
            }
        }
    }
    const std::vector<std::uint8_t>& data_;
    std::size_t bit_ = 0;
};

// Reads back what encodePng wrote, checking every chunk's CRC.
Image readPng(const std::vector<std::uint8_t>& png) {
    const std::vector<std::uint8_t> signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_EQ(std::vector<std::uint8_t>(png.begin(), png.begin() + 8), signature);
    std::size_t at = 8;
    std::vector<std::uint8_t> header, palette, idat;
    std::vector<std::string> order;
    while (at < png.size()) {
        const std::uint32_t length = be32(png, at);
        const std::string type(png.begin() + static_cast<std::ptrdiff_t>(at + 4),
                               png.begin() + static_cast<std::ptrdiff_t>(at + 8));
        const std::vector<std::uint8_t> typeAndData(
            png.begin() + static_cast<std::ptrdiff_t>(at + 4),
            png.begin() + static_cast<std::ptrdiff_t>(at + 8 + length));
        EXPECT_EQ(be32(png, at + 8 + length), assets::draw::crc32(typeAndData)) << type;
        const std::vector<std::uint8_t> data(typeAndData.begin() + 4, typeAndData.end());
        if (type == "IHDR") header = data;
        if (type == "PLTE") palette = data;
        if (type == "IDAT") idat.insert(idat.end(), data.begin(), data.end());
        order.push_back(type);
        at += 12 + length;
    }
    EXPECT_EQ(at, png.size());
    EXPECT_EQ(order.front(), "IHDR");
    EXPECT_EQ(order.back(), "IEND");
    if (header.size() != 13) throw std::runtime_error("IHDR");
    const int width = static_cast<int>(be32(header, 0));
    const int height = static_cast<int>(be32(header, 4));
    EXPECT_EQ(header[8], 8);
    const bool indexed = header[9] == 3;
    EXPECT_TRUE(header[9] == 3 || header[9] == 2);

    EXPECT_EQ(((idat.at(0) << 8) | idat.at(1)) % 31, 0) << "zlib header check";
    const std::vector<std::uint8_t> body(idat.begin() + 2, idat.end());
    Inflater inflater(body);
    const std::vector<std::uint8_t> raw = inflater.run();
    EXPECT_EQ(inflater.bytesUsed() + 4, body.size());
    EXPECT_EQ(be32(body, body.size() - 4), assets::draw::adler32(raw));

    const std::size_t bpp = indexed ? 1 : 3;
    const std::size_t rowLength = 1 + bpp * static_cast<std::size_t>(width);
    if (raw.size() != rowLength * static_cast<std::size_t>(height))
        throw std::runtime_error("size");
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        const std::size_t row = rowLength * static_cast<std::size_t>(y);
        EXPECT_EQ(raw[row], 0) << "filter of row " << y;
        for (int x = 0; x < width; ++x) {
            const std::size_t p = row + 1 + bpp * static_cast<std::size_t>(x);
            if (indexed) {
                const std::size_t i = 3 * static_cast<std::size_t>(raw[p]);
                image.put(x, y, rgb(palette.at(i), palette.at(i + 1), palette.at(i + 2)));
            } else {
                image.put(x, y, rgb(raw[p], raw[p + 1], raw[p + 2]));
            }
        }
    }
    return image;
}

TEST(Png, ChecksumsMatchTheirStandardValues) {
    EXPECT_EQ(assets::draw::crc32(bytesOf("123456789")), 0xCBF43926u);
    EXPECT_EQ(assets::draw::crc32(bytesOf("")), 0u);
    EXPECT_EQ(assets::draw::adler32(bytesOf("Wikipedia")), 0x11E60398u);
    EXPECT_EQ(assets::draw::adler32(bytesOf("")), 1u);
}

TEST(Png, ReadsBackAsThePicture) {
    struct Case {
        std::string what;
        Image image;
    };
    std::vector<Case> cases;
    cases.push_back({"one pixel", Image(1, 1, rgb(10, 20, 30))});
    Image few(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            few.put(x, y, (x + y) % 3 == 0 ? rgb(255, 0, 0) : rgb(0, 0, 255));
    cases.push_back({"few colours", few});
    Image many(40, 30);  // 1200 colours: written as RGB
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) many.put(x, y, rgb(x * 6, y * 8, (x * y) % 256));
    cases.push_back({"many colours", many});
    // Long runs and rows repeating the row above, longer than one match.
    Image blocks(700, 90, rgb(128, 128, 128));
    for (int y = 10; y < 80; ++y)
        for (int x = 20; x < 680; ++x)
            blocks.put(x, y, ((x / 50) + (y / 20)) % 2 ? rgb(0, 255, 0) : 0);
    cases.push_back({"blocks", blocks});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(readPng(assets::draw::encodePng(c.image)), c.image);
    }
}

}  // namespace
