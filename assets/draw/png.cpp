#include "assets/draw/png.h"

#include <algorithm>
#include <array>
#include <map>
#include <string_view>

namespace assets::draw {
namespace {

constexpr std::size_t kMaxMatch = 258;
constexpr std::size_t kMaxDistance = 32768;

// Deflate's length and distance codes: the smallest value of each code and
// how many extra bits follow it.
constexpr std::array<std::uint16_t, 29> kLengthBase{3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                    15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                    67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                    2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase{
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtra{0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                      4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                      9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// Deflate packs bits from the least significant end of each byte.
class BitWriter {
  public:
    explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void bits(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) bit((value >> i) & 1u);
    }
    // A Huffman code goes most significant bit first.
    void code(std::uint32_t value, int count) {
        for (int i = count - 1; i >= 0; --i) bit((value >> i) & 1u);
    }
    void flush() {
        if (used_ > 0) out_.push_back(current_);
        current_ = 0;
        used_ = 0;
    }

  private:
    void bit(std::uint32_t b) {
        current_ = static_cast<std::uint8_t>(current_ | (b << used_));
        if (++used_ == 8) flush();
    }
    std::vector<std::uint8_t>& out_;
    std::uint8_t current_ = 0;
    int used_ = 0;
};

// A literal/length symbol in the fixed Huffman code.
void symbol(BitWriter& w, std::uint32_t s) {
    if (s < 144) {
        w.code(0x30 + s, 8);
    } else if (s < 256) {
        w.code(0x190 + (s - 144), 9);
    } else if (s < 280) {
        w.code(s - 256, 7);
    } else {
        w.code(0xC0 + (s - 280), 8);
    }
}

template <std::size_t N>
std::size_t codeFor(const std::array<std::uint16_t, N>& base, std::size_t value) {
    std::size_t i = N - 1;
    while (base[i] > value) --i;
    return i;
}

void match(BitWriter& w, std::size_t length, std::size_t distance) {
    const std::size_t l = codeFor(kLengthBase, length);
    symbol(w, static_cast<std::uint32_t>(257 + l));
    w.bits(static_cast<std::uint32_t>(length - kLengthBase[l]), kLengthExtra[l]);
    const std::size_t d = codeFor(kDistanceBase, distance);
    w.code(static_cast<std::uint32_t>(d), 5);
    w.bits(static_cast<std::uint32_t>(distance - kDistanceBase[d]), kDistanceExtra[d]);
}

void putU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void putChunk(std::vector<std::uint8_t>& out, std::string_view type,
              const std::vector<std::uint8_t>& data) {
    putU32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    for (char c : type) out.push_back(static_cast<std::uint8_t>(c));
    out.insert(out.end(), data.begin(), data.end());
    putU32(out, crc32(std::span(out).subspan(typeAt)));
}

}  // namespace

std::uint32_t crc32(std::span<const std::uint8_t> bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::uint8_t b : bytes) c = table[(c ^ b) & 0xFFu] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::uint32_t adler32(std::span<const std::uint8_t> bytes) {
    constexpr std::uint32_t kMod = 65521;
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : bytes) {
        a = (a + byte) % kMod;
        b = (b + a) % kMod;
    }
    return (b << 16) | a;
}

std::vector<std::uint8_t> deflate(std::span<const std::uint8_t> bytes, std::size_t rowLength) {
    std::vector<std::uint8_t> out{0x78, 0x01};  // deflate, 32K window, no dictionary
    BitWriter w(out);
    w.bits(1, 1);  // the only block, and the last
    w.bits(1, 2);  // fixed Huffman codes
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        // The longer of a run (distance 1) and a repeat of the row above.
        std::size_t bestLength = 0;
        std::size_t bestDistance = 0;
        for (std::size_t distance : {std::size_t{1}, rowLength}) {
            if (distance == 0 || distance > i || distance > kMaxDistance) continue;
            std::size_t length = 0;
            while (length < kMaxMatch && i + length < n &&
                   bytes[i + length] == bytes[i + length - distance])
                ++length;
            if (length > bestLength) {
                bestLength = length;
                bestDistance = distance;
            }
        }
        if (bestLength >= 3) {
            match(w, bestLength, bestDistance);
            i += bestLength;
        } else {
            symbol(w, bytes[i]);
            ++i;
        }
    }
    symbol(w, 256);  // end of block
    w.flush();
    putU32(out, adler32(bytes));
    return out;
}

std::vector<std::uint8_t> encodePng(const Image& image) {
    std::map<std::uint32_t, std::uint8_t> index;
    std::vector<std::uint8_t> palette;
    for (std::uint32_t c : image.pixels) {
        if (index.size() > 256) break;
        if (index.emplace(c, static_cast<std::uint8_t>(index.size())).second) {
            palette.push_back(static_cast<std::uint8_t>(c >> 16));
            palette.push_back(static_cast<std::uint8_t>(c >> 8));
            palette.push_back(static_cast<std::uint8_t>(c));
        }
    }
    const bool indexed = index.size() <= 256;
    const std::size_t bytesPerPixel = indexed ? 1 : 3;

    // Each row: filter type 0 (none), then the pixels.
    const std::size_t rowLength = 1 + bytesPerPixel * static_cast<std::size_t>(image.width);
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(image.height) * rowLength);
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t c = image.at(x, y);
            if (indexed) {
                raw.push_back(index.at(c));
            } else {
                raw.push_back(static_cast<std::uint8_t>(c >> 16));
                raw.push_back(static_cast<std::uint8_t>(c >> 8));
                raw.push_back(static_cast<std::uint8_t>(c));
            }
        }
    }

    std::vector<std::uint8_t> header;
    putU32(header, static_cast<std::uint32_t>(image.width));
    putU32(header, static_cast<std::uint32_t>(image.height));
    // 8 bits, palette or RGB, deflate, no filter, no interlace.
    header.insert(header.end(), {8, static_cast<std::uint8_t>(indexed ? 3 : 2), 0, 0, 0});

    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    putChunk(png, "IHDR", header);
    if (indexed) putChunk(png, "PLTE", palette);
    putChunk(png, "IDAT", deflate(raw, rowLength));
    putChunk(png, "IEND", {});
    return png;
}

}  // namespace assets::draw
