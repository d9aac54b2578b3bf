#pragma once
// A small PNG writer for the contact sheet. Pictures of up to 256 colours are
// written with a palette, others as 8-bit RGB; rows are unfiltered, and the
// data is deflated with the fixed Huffman codes, repeating runs along a row
// and whole stretches of the row above (which an enlarged picture is full of).
#include <cstdint>
#include <span>
#include <vector>

#include "assets/bitmap.h"

namespace assets::draw {

std::uint32_t crc32(std::span<const std::uint8_t> bytes);
std::uint32_t adler32(std::span<const std::uint8_t> bytes);

// A zlib stream of `bytes`; `rowLength` is the distance at which the data
// tends to repeat itself (one row of the image).
std::vector<std::uint8_t> deflate(std::span<const std::uint8_t> bytes, std::size_t rowLength);

std::vector<std::uint8_t> encodePng(const Image& image);

}  // namespace assets::draw
