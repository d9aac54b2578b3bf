#pragma once
// The renderer: draws the window model into a pixel buffer. The SDL window
// calls draw() for every rectangle that damage() reports, and once for the
// whole client area when it is exposed or resized; the renderer tests call it
// on a buffer of their own. No SDL video is needed, only SDL_ttf for the text.
#include <array>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "assets/picture_id.h"
#include "scene/fonts.h"
#include "scene/form.h"
#include "scene/pixel_buffer.h"
#include "scene/text_layout.h"

namespace scene {

// Where the renderer gets the six pictures from: the built-in ones in the game
// (AssetPictures), synthetic ones in tests. A picture must stay valid and
// unchanged as long as the source lives.
class PictureSource {
  public:
    virtual ~PictureSource() = default;
    virtual ImageView picture(assets::Picture id) const = 0;
};

class Renderer {
  public:
    // `pictures` must outlive the renderer.
    explicit Renderer(const PictureSource& pictures);

    // Draws the window's black background and every visible component, in
    // order and later over earlier, into `target` (the client area, top-left at
    // 0, 0, of any size) but only inside `area`; pixels outside it stay as they
    // were. Throws std::runtime_error if SDL_ttf fails to draw a caption.
    void draw(const Components& components, PixelBuffer& target, Rect area);

    // The fonts the labels use, open for as long as the renderer lives.
    Fonts& fonts() { return fonts_; }

  private:
    ImageView pictureOf(assets::Picture id);
    const PixelBuffer& stretched(assets::Picture id, int width, int height);
    const TextImage& captionImage(const Component& label);
    const std::vector<std::uint8_t>& circleMask(int side);

    void drawPicture(const Component& c, PixelBuffer& target, Rect clip);
    void drawLabel(const Component& c, PixelBuffer& target, Rect clip);
    void drawShape(const Component& c, PixelBuffer& target, Rect clip);

    const PictureSource& pictures_;
    Fonts fonts_;
    std::array<std::optional<ImageView>, 6> pictureCache_;
    std::map<std::tuple<assets::Picture, int, int>, PixelBuffer> stretchCache_;
    // Caption, face, height, bold, italic, box width, alignment, word wrap.
    using CaptionKey = std::tuple<std::string, Face, int, bool, bool, int, Alignment, bool>;
    std::map<CaptionKey, TextImage> captionCache_;
    std::map<int, std::vector<std::uint8_t>> circleCache_;
};

}  // namespace scene
