#include "scene/fonts.h"

#include <cstddef>
#include <stdexcept>
#include <string>

namespace embedded {
extern const unsigned char font_serif_italic[];
extern const std::size_t font_serif_italic_size;
extern const unsigned char font_sans_bold_italic[];
extern const std::size_t font_sans_bold_italic_size;
extern const unsigned char font_sans[];
extern const std::size_t font_sans_size;
extern const unsigned char font_sans_bold[];
extern const std::size_t font_sans_bold_size;
}  // namespace embedded

namespace scene {
namespace {

struct Bytes {
    const unsigned char* data;
    std::size_t size;
};

Bytes bytesOf(Typeface face) {
    switch (face) {
        case Typeface::SerifItalic:
            return {embedded::font_serif_italic, embedded::font_serif_italic_size};
        case Typeface::SansBoldItalic:
            return {embedded::font_sans_bold_italic, embedded::font_sans_bold_italic_size};
        case Typeface::Sans:
            return {embedded::font_sans, embedded::font_sans_size};
        case Typeface::SansBold:
            return {embedded::font_sans_bold, embedded::font_sans_bold_size};
    }
    throw std::logic_error("unknown typeface");
}

}  // namespace

Typeface typefaceFor(const Font& font) {
    if (font.face == Face::TimesNewRoman) return Typeface::SerifItalic;
    if (font.italic) return Typeface::SansBoldItalic;
    return font.bold ? Typeface::SansBold : Typeface::Sans;
}

Fonts::Fonts() {
    if (TTF_Init() != 0) throw std::runtime_error(std::string("SDL_ttf: ") + TTF_GetError());
}

Fonts::~Fonts() {
    for (auto& [key, font] : open_) TTF_CloseFont(font);
    open_.clear();
    TTF_Quit();
}

TTF_Font* Fonts::get(Typeface face, int pixels) {
    const auto key = std::make_pair(face, pixels);
    if (auto it = open_.find(key); it != open_.end()) return it->second;

    const Bytes bytes = bytesOf(face);
    // The bytes live as long as the program, so the font may read them at any time.
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data, static_cast<int>(bytes.size));
    if (rw == nullptr) throw std::runtime_error(std::string("SDL: ") + SDL_GetError());
    // SDL_ttf's default 72 dpi makes one point one pixel, so the size is the em in pixels.
    TTF_Font* font = TTF_OpenFontRW(rw, 1, pixels);
    if (font == nullptr) throw std::runtime_error(std::string("SDL_ttf: ") + TTF_GetError());
    open_.emplace(key, font);
    return font;
}

}  // namespace scene
