#pragma once
// The game's texts are Windows-1252 bytes; SDL_ttf draws UTF-8. The labels and
// the message boxes convert a caption just before they lay it out.
#include <string>
#include <string_view>

namespace scene {

// The Unicode code point of one Windows-1252 byte. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) give U+FFFD.
char32_t cp1252CodePoint(unsigned char byte);

// The whole text as UTF-8, byte for byte.
std::string cp1252ToUtf8(std::string_view text);

}  // namespace scene
