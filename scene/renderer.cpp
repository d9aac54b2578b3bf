#include "scene/renderer.h"

#include <algorithm>
#include <cmath>

#include "scene/cp1252.h"

namespace scene {
namespace {

// Captions change with every error and every typed symbol; keep the recent ones.
constexpr std::size_t kCaptionCacheLimit = 256;

// Circle mask values.
constexpr std::uint8_t kOutside = 0;
constexpr std::uint8_t kOutline = 1;
constexpr std::uint8_t kInside = 2;

void fill(PixelBuffer& target, Rect r, std::uint32_t rgb) {
    for (int y = r.y; y < r.bottom(); ++y) std::fill_n(target.row(y) + r.x, r.w, rgb);
}

// Whether the hatch of `style` covers the window pixel (x, y). The hatches
// repeat every 8 pixels from the window's origin, so neighbouring baubles line
// up like one brush seen through several holes.
bool hatched(BrushStyle style, int x, int y) {
    const int px = x & 7;  // also right for negative x
    const int py = y & 7;
    switch (style) {
        case BrushStyle::Horizontal:
            return py == 7;
        case BrushStyle::Vertical:
            return px == 7;
        case BrushStyle::FDiagonal:
            return px == py;
        case BrushStyle::BDiagonal:
            return px == 7 - py;
        case BrushStyle::Cross:
            return px == 7 || py == 7;
        case BrushStyle::DiagCross:
            return px == py || px == 7 - py;
        case BrushStyle::Solid:
            return true;
        case BrushStyle::Clear:
            return false;
    }
    return false;
}

}  // namespace

Renderer::Renderer(const PictureSource& pictures) : pictures_(pictures) {}

ImageView Renderer::pictureOf(assets::Picture id) {
    std::optional<ImageView>& cached = pictureCache_.at(static_cast<std::size_t>(id));
    if (!cached) cached = pictures_.picture(id);
    return *cached;
}

const PixelBuffer& Renderer::stretched(assets::Picture id, int width, int height) {
    const auto key = std::make_tuple(id, width, height);
    if (auto it = stretchCache_.find(key); it != stretchCache_.end()) return it->second;
    const ImageView source = pictureOf(id);
    PixelBuffer out(width, height);
    if (source.width > 0 && source.height > 0) {
        // Nearest neighbour, sampling each target pixel's centre.
        for (int y = 0; y < height; ++y) {
            const int sy = static_cast<int>((2LL * y + 1) * source.height / (2LL * height));
            for (int x = 0; x < width; ++x) {
                const int sx = static_cast<int>((2LL * x + 1) * source.width / (2LL * width));
                out.at(x, y) = source.at(sx, sy);
            }
        }
    }
    return stretchCache_.emplace(key, std::move(out)).first->second;
}

const TextImage& Renderer::captionImage(const Component& label) {
    const Font& f = label.font;
    CaptionKey key{label.caption, f.face,      f.height,        f.bold,
                   f.italic,      label.width, label.alignment, label.wordWrap};
    if (auto it = captionCache_.find(key); it != captionCache_.end()) return it->second;
    if (captionCache_.size() >= kCaptionCacheLimit) captionCache_.clear();

    TTF_Font* font = fonts_.forLabel(f);
    const TextLayout layout =
        layoutText(font, cp1252ToUtf8(label.caption), label.width, label.alignment, label.wordWrap);
    return captionCache_.emplace(std::move(key), renderText(font, layout)).first->second;
}

// A circle filling a side × side square: the pixels whose centres lie within
// it, of which those with a neighbour outside form the one-pixel outline.
const std::vector<std::uint8_t>& Renderer::circleMask(int side) {
    if (auto it = circleCache_.find(side); it != circleCache_.end()) return it->second;
    const double r = side / 2.0;
    auto inDisc = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= side || y >= side) return false;
        const double dx = x + 0.5 - r;
        const double dy = y + 0.5 - r;
        return dx * dx + dy * dy <= r * r;
    };
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(side) * static_cast<std::size_t>(side),
                                   kOutside);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            if (!inDisc(x, y)) continue;
            const bool edge =
                !inDisc(x - 1, y) || !inDisc(x + 1, y) || !inDisc(x, y - 1) || !inDisc(x, y + 1);
            mask[static_cast<std::size_t>(y * side + x)] = edge ? kOutline : kInside;
        }
    }
    return circleCache_.emplace(side, std::move(mask)).first->second;
}

void Renderer::draw(const Components& components, PixelBuffer& target, Rect area) {
    const Rect clip = intersect(area, target.bounds());
    if (clip.empty()) return;
    fill(target, clip, pixelOf(Form::kColour));
    for (const Component& c : components) {
        if (!c.visible) continue;
        const Rect inside = intersect(Rect{c.left, c.top, c.width, c.height}, clip);
        if (inside.empty()) continue;
        switch (c.kind) {
            case Kind::Picture:
                drawPicture(c, target, inside);
                break;
            case Kind::Label:
                drawLabel(c, target, inside);
                break;
            case Kind::Shape:
                drawShape(c, target, inside);
                break;
            case Kind::Timer:
                break;
        }
    }
}

// `clip` lies within the component's rectangle here, and so do the three below.
void Renderer::drawPicture(const Component& c, PixelBuffer& target, Rect clip) {
    ImageView image;
    if (c.stretch) {
        image = viewOf(stretched(c.picture, c.width, c.height));
    } else {
        image = pictureOf(c.picture);
    }
    // Unscaled, a picture smaller than its control leaves the rest of the control alone.
    const Rect drawn = intersect(Rect{c.left, c.top, image.width, image.height}, clip);
    for (int y = drawn.y; y < drawn.bottom(); ++y) {
        const std::uint32_t* src = image.pixels +
                                   static_cast<std::ptrdiff_t>(y - c.top) * image.width +
                                   (drawn.x - c.left);
        std::copy_n(src, drawn.w, target.row(y) + drawn.x);
    }
}

void Renderer::drawLabel(const Component& c, PixelBuffer& target, Rect clip) {
    // A label is opaque: its colour first, then the caption, clipped to the label.
    fill(target, clip, pixelOf(c.colour));
    if (c.caption.empty()) return;
    blendText(target, captionImage(c), c.left, c.top, pixelOf(c.font.colour), clip);
}

void Renderer::drawShape(const Component& c, PixelBuffer& target, Rect clip) {
    // A circle takes the largest square that fits, centred in the shape's rectangle.
    const int side = std::min(c.width, c.height);
    if (side <= 0) return;
    const Rect box{c.left + (c.width - side) / 2, c.top + (c.height - side) / 2, side, side};
    const Rect drawn = intersect(box, clip);
    const std::vector<std::uint8_t>& mask = circleMask(side);
    const std::uint32_t pen = pixelOf(c.penColour);
    const std::uint32_t brush = pixelOf(c.brushColour);
    for (int y = drawn.y; y < drawn.bottom(); ++y) {
        const std::uint8_t* m = mask.data() + static_cast<std::ptrdiff_t>(y - box.y) * side;
        std::uint32_t* row = target.row(y);
        for (int x = drawn.x; x < drawn.right(); ++x) {
            const std::uint8_t look = m[x - box.x];
            if (look == kOutline) {
                row[x] = pen;
            } else if (look == kInside && hatched(c.brushStyle, x, y)) {
                row[x] = brush;
            }
        }
    }
}

}  // namespace scene
