#include "scene/text_layout.h"

#include <SDL.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace scene {
namespace {

int measure(TTF_Font* font, std::string_view text) {
    if (text.empty()) return 0;
    const std::string terminated(text);
    int w = 0;
    int h = 0;
    if (TTF_SizeUTF8(font, terminated.c_str(), &w, &h) != 0) {
        throw std::runtime_error(std::string("SDL_ttf: ") + TTF_GetError());
    }
    return w;
}

std::string_view trimRight(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// The byte after the UTF-8 character that starts at `pos`.
std::size_t nextCharacter(std::string_view text, std::size_t pos) {
    ++pos;
    while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) ++pos;
    return pos;
}

// Breaks one paragraph (text without line feeds) into lines no wider than maxWidth.
void wrapParagraph(TTF_Font* font, std::string_view para, int maxWidth,
                   std::vector<std::string>& lines) {
    const std::size_t n = para.size();
    if (n == 0) {
        lines.emplace_back();
        return;
    }
    std::size_t pos = 0;
    while (pos < n) {
        // Take whole words while the line still fits. A candidate line ends at the end
        // of a word, so the spaces before the break never count towards its width.
        std::size_t fits = std::string_view::npos;
        std::size_t end = pos;
        while (end < n) {
            std::size_t j = end;
            while (j < n && para[j] == ' ') ++j;
            while (j < n && para[j] != ' ') ++j;
            if (measure(font, para.substr(pos, j - pos)) > maxWidth) break;
            fits = j;
            end = j;
        }
        if (fits != std::string_view::npos) {
            lines.emplace_back(trimRight(para.substr(pos, fits - pos)));
            pos = fits;
            while (pos < n && para[pos] == ' ') ++pos;
            continue;
        }
        // The first word alone is too wide: break it between characters, at least one per line.
        std::size_t cut = nextCharacter(para, pos);
        while (cut < n) {
            const std::size_t next = nextCharacter(para, cut);
            if (measure(font, para.substr(pos, next - pos)) > maxWidth) break;
            cut = next;
        }
        lines.emplace_back(para.substr(pos, cut - pos));
        pos = cut;
    }
}

struct SurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

}  // namespace

TextLayout layoutText(TTF_Font* font, std::string_view utf8, int boxWidth, Alignment alignment,
                      bool wordWrap) {
    std::vector<std::string> texts;
    std::size_t start = 0;
    while (start <= utf8.size() && !utf8.empty()) {
        std::size_t stop = utf8.find_first_of("\r\n", start);
        const std::string_view para = utf8.substr(
            start, stop == std::string_view::npos ? std::string_view::npos : stop - start);
        if (wordWrap) {
            wrapParagraph(font, para, boxWidth, texts);
        } else {
            texts.emplace_back(para);
        }
        if (stop == std::string_view::npos) break;
        if (utf8[stop] == '\r' && stop + 1 < utf8.size() && utf8[stop + 1] == '\n') ++stop;
        start = stop + 1;
    }

    TextLayout layout;
    const int skip = TTF_FontLineSkip(font);
    for (std::string& text : texts) {
        TextLine line;
        line.width = measure(font, text);
        line.x = alignment == Alignment::Center ? (boxWidth - line.width) / 2 : 0;
        line.y = static_cast<int>(layout.lines.size()) * skip;
        line.text = std::move(text);
        layout.width = std::max(layout.width, line.width);
        layout.lines.push_back(std::move(line));
    }
    layout.height = static_cast<int>(layout.lines.size()) * skip;
    return layout;
}

TextImage renderText(TTF_Font* font, const TextLayout& layout) {
    struct Rendered {
        SurfacePtr surface;
        int x;
        int y;
    };
    std::vector<Rendered> rendered;
    TextImage image;
    for (const TextLine& line : layout.lines) {
        if (line.text.empty()) continue;
        SurfacePtr surface(
            TTF_RenderUTF8_Blended(font, line.text.c_str(), SDL_Color{255, 255, 255, 255}));
        if (!surface) throw std::runtime_error(std::string("SDL_ttf: ") + TTF_GetError());
        image.bounds = unite(image.bounds, Rect{line.x, line.y, surface->w, surface->h});
        rendered.push_back({std::move(surface), line.x, line.y});
    }
    image.alpha.assign(static_cast<std::size_t>(image.bounds.area()), 0);

    for (const Rendered& r : rendered) {
        SDL_Surface* s = r.surface.get();
        if (SDL_MUSTLOCK(s) && SDL_LockSurface(s) != 0) {
            throw std::runtime_error(std::string("SDL: ") + SDL_GetError());
        }
        const SDL_PixelFormat* format = s->format;
        for (int y = 0; y < s->h; ++y) {
            const auto* src =
                reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(s->pixels) +
                                                       static_cast<std::ptrdiff_t>(y) * s->pitch);
            const int row = r.y + y - image.bounds.y;
            std::uint8_t* dst = image.alpha.data() +
                                static_cast<std::ptrdiff_t>(row) * image.bounds.w +
                                (r.x - image.bounds.x);
            for (int x = 0; x < s->w; ++x) {
                const auto a =
                    static_cast<std::uint8_t>((src[x] & format->Amask) >> format->Ashift);
                dst[x] = std::max(dst[x], a);  // lines may overlap by a row where the skip is tight
            }
        }
        if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    }
    return image;
}

void blendText(PixelBuffer& target, const TextImage& image, int x, int y, std::uint32_t rgb,
               Rect clip) {
    const Rect placed{x + image.bounds.x, y + image.bounds.y, image.bounds.w, image.bounds.h};
    const Rect area = intersect(intersect(placed, clip), target.bounds());
    if (area.empty()) return;
    const std::uint32_t r = (rgb >> 16) & 0xFF;
    const std::uint32_t g = (rgb >> 8) & 0xFF;
    const std::uint32_t b = rgb & 0xFF;
    for (int py = area.y; py < area.bottom(); ++py) {
        const std::uint8_t* src = image.alpha.data() +
                                  static_cast<std::ptrdiff_t>(py - placed.y) * placed.w +
                                  (area.x - placed.x);
        std::uint32_t* dst = target.row(py) + area.x;
        for (int i = 0; i < area.w; ++i) {
            const std::uint32_t a = src[i];
            if (a == 0) continue;
            if (a == 255) {
                dst[i] = rgb;
                continue;
            }
            const std::uint32_t d = dst[i];
            const std::uint32_t na = 255 - a;
            const std::uint32_t outR = (r * a + ((d >> 16) & 0xFF) * na + 127) / 255;
            const std::uint32_t outG = (g * a + ((d >> 8) & 0xFF) * na + 127) / 255;
            const std::uint32_t outB = (b * a + (d & 0xFF) * na + 127) / 255;
            dst[i] = (outR << 16) | (outG << 8) | outB;
        }
    }
}

void drawText(PixelBuffer& target, TTF_Font* font, const TextLayout& layout, int x, int y,
              std::uint32_t rgb, Rect clip) {
    blendText(target, renderText(font, layout), x, y, rgb, clip);
}

}  // namespace scene
