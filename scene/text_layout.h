#pragma once
// Text the way the classic DrawText lays it out in a label: from the top of
// its box, left-aligned or centred, one line per line feed, and with word wrap
// broken at spaces (a word wider than the box is broken between characters).
// The labels use it through the renderer; the SDL window's message boxes use
// it directly to size their text and to draw it.
#include <SDL_ttf.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "scene/form.h"
#include "scene/pixel_buffer.h"

namespace scene {

struct TextLine {
    std::string text;  // UTF-8, without the spaces a wrap broke at
    int x = 0;         // left edge in the box; negative when a centred line is wider than the box
    int y = 0;         // top edge in the box
    int width = 0;     // advance width in pixels
};

struct TextLayout {
    std::vector<TextLine> lines;
    int width = 0;   // the widest line
    int height = 0;  // the number of lines times the font's line skip
};

// Lays out UTF-8 text in a box `boxWidth` pixels wide. Line feeds ("\n", "\r\n"
// or "\r") always start a new line; with `wordWrap` a line also ends at the
// last space that keeps it within the box. The box's height does not matter
// here: whatever lies below it is clipped when the text is drawn. Throws
// std::runtime_error if SDL_ttf cannot measure the text.
TextLayout layoutText(TTF_Font* font, std::string_view utf8, int boxWidth, Alignment alignment,
                      bool wordWrap);

// The coverage of laid-out text, one alpha byte per pixel, ready to be blended
// in any colour as often as needed. `bounds` is relative to the box's top-left.
struct TextImage {
    Rect bounds;
    std::vector<std::uint8_t> alpha;
};

// Renders every line with SDL_ttf's anti-aliased glyphs. Throws std::runtime_error
// if SDL_ttf fails.
TextImage renderText(TTF_Font* font, const TextLayout& layout);

// Blends `image` in colour `rgb` (0x00RRGGBB) over `target` with the box's
// top-left at (x, y), touching only pixels inside `clip`.
void blendText(PixelBuffer& target, const TextImage& image, int x, int y, std::uint32_t rgb,
               Rect clip);

// renderText and blendText in one, for text drawn once.
void drawText(PixelBuffer& target, TTF_Font* font, const TextLayout& layout, int x, int y,
              std::uint32_t rgb, Rect clip);

}  // namespace scene
