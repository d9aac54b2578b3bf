#pragma once
// The six pictures of the scene and the window's icon, drawn from scratch by
// the picture program (draw_assets) at build time.
#include <cstdint>
#include <string>
#include <vector>

#include "assets/bitmap.h"

namespace assets::draw {

// What the drawing of the approach line had to give way to.
struct BackgroundNotes {
    int samples = 0;                  // points along the line's centre
    int narrowedSamples = 0;          // points where the line is drawn narrower than in full
    std::int64_t narrowest = 0;       // the smallest radius used, in sub-pixel units
    std::vector<std::string> places;  // the narrowest point of each narrowed stretch
};

// The runway and the approach line, 600 x 500, five colours.
Image drawBackground(BackgroundNotes* notes = nullptr);
// The four-pointed star, 126 x 53.
Image drawStar();
// The small zig-zag tree with its star and trunk, 137 x 155.
Image drawEmblem();
// The airliner with its nose to the left, 124 x 48; the right-facing one is
// its mirror image.
Image drawPlaneLeft();
// The Christmas tree of the pairs phase, 412 x 461, black, green and white.
Image drawTree();
// The window's icon, 32 x 32, 16 colours.
Image drawIcon();

}  // namespace assets::draw
