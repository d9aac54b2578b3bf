// Writes a PNG contact sheet of every picture and the icon, enlarged twice on
// a neutral grey, for looking at the drawings:
//   contact_sheet docs/contact-sheet.png
#include <algorithm>
#include <cstdio>
#include <exception>
#include <fstream>
#include <vector>

#include "assets/draw/png.h"
#include "assets/pictures.h"

namespace {

using assets::Image;

constexpr int kScale = 2;
constexpr int kGap = 16;
constexpr std::uint32_t kGrey = assets::rgb(128, 128, 128);

struct Placed {
    const Image* image;
    int x;
    int y;
};

Image sheet() {
    using assets::Picture;
    const Image& background = assets::picture(Picture::Background);
    const Image& tree = assets::picture(Picture::Tree);
    const std::vector<const Image*> small{
        &assets::picture(Picture::Star),
        &assets::picture(Picture::Emblem),
        &assets::picture(Picture::PlaneLeft),
        &assets::picture(Picture::PlaneRight),
        &assets::icon(),
    };

    // The two large pictures side by side, the small ones in a row beneath.
    std::vector<Placed> placed{{&background, kGap, kGap},
                               {&tree, 2 * kGap + kScale * background.width, kGap}};
    const int rowTop = 2 * kGap + kScale * std::max(background.height, tree.height);
    int x = kGap;
    int rowHeight = 0;
    for (const Image* image : small) {
        placed.push_back({image, x, rowTop});
        x += kScale * image->width + kGap;
        rowHeight = std::max(rowHeight, kScale * image->height);
    }
    const int width = std::max(x, 3 * kGap + kScale * (background.width + tree.width));
    Image out(width, rowTop + rowHeight + kGap, kGrey);
    for (const Placed& p : placed) {
        for (int y = 0; y < kScale * p.image->height; ++y) {
            for (int px = 0; px < kScale * p.image->width; ++px)
                out.put(p.x + px, p.y + y, p.image->at(px / kScale, y / kScale));
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.png>\n", argv[0]);
        return 2;
    }
    try {
        const std::vector<std::uint8_t> png = assets::draw::encodePng(sheet());
        std::ofstream file(argv[1], std::ios::binary);
        file.write(reinterpret_cast<const char*>(png.data()),
                   static_cast<std::streamsize>(png.size()));
        if (!file) {
            std::fprintf(stderr, "cannot write %s\n", argv[1]);
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "contact_sheet: %s\n", e.what());
        return 1;
    }
    return 0;
}
