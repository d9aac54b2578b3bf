#pragma once
// Pictures of the real sizes whose every pixel says where it came from, so a
// test can read back which picture, and which of its pixels, landed where.
#include <array>
#include <cstdint>
#include <optional>

#include "scene/renderer.h"

namespace render_test {

struct Origin {
    assets::Picture picture;
    int x;
    int y;
    bool operator==(const Origin&) const = default;
};

class SyntheticPictures final : public scene::PictureSource {
  public:
    static constexpr std::array<std::array<int, 2>, 6> kSizes{{
        {600, 500},  // Background
        {126, 53},   // Star
        {137, 155},  // Emblem
        {124, 48},   // PlaneLeft
        {124, 48},   // PlaneRight
        {412, 461},  // Tree
    }};

    SyntheticPictures() {
        for (std::size_t i = 0; i < images_.size(); ++i) {
            const auto id = static_cast<assets::Picture>(i);
            scene::PixelBuffer& image = images_[i];
            image = scene::PixelBuffer(kSizes[i][0], kSizes[i][1]);
            for (int y = 0; y < image.height; ++y) {
                for (int x = 0; x < image.width; ++x) image.at(x, y) = code(id, x, y);
            }
        }
    }

    scene::ImageView picture(assets::Picture id) const override {
        return scene::viewOf(images_.at(static_cast<std::size_t>(id)));
    }

    // Never black, so that a picture pixel is told apart from the background.
    static std::uint32_t code(assets::Picture id, int x, int y) {
        return (static_cast<std::uint32_t>(id) + 1) << 19 | static_cast<std::uint32_t>(y) << 10 |
               static_cast<std::uint32_t>(x);
    }

    static std::optional<Origin> decode(std::uint32_t pixel) {
        const std::uint32_t id = pixel >> 19;
        if (id < 1 || id > 6) return std::nullopt;
        return Origin{static_cast<assets::Picture>(id - 1), static_cast<int>(pixel & 0x3FF),
                      static_cast<int>((pixel >> 10) & 0x1FF)};
    }

  private:
    std::array<scene::PixelBuffer, 6> images_;
};

}  // namespace render_test
