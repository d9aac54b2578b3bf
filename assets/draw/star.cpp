// The four-pointed star: nested outlines in shades of yellow, brightest at
// the centre.
#include "assets/draw/drawings.h"
#include "assets/draw/star_layers.h"

namespace assets::draw {

void paintLayered(Image& image, const ConcaveStar& star, const std::vector<StarLayer>& layers) {
    const Mask mask = star.mask(image.width, image.height);
    const std::vector<int> depth = depthMap(mask);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const int d =
                depth[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                      static_cast<std::size_t>(x)];
            if (d == 0) continue;
            for (const StarLayer& layer : layers) {
                if (d <= layer.toDepth) {
                    image.put(x, y, layer.colour);
                    break;
                }
            }
        }
    }
}

Image drawStar() {
    Image image(126, 53);
    // Tips at (63, 3), (63, 47), (42, 25) and (84, 25).
    const ConcaveStar outer{pixelCentre(63, 25), 21 * kSub + kSub / 2, 22 * kSub + kSub / 2};
    paintLayered(image, outer,
                 {{1, kStarLine}, {3, kStarBand}, {4, kStarLine}, {kDeepest, kStarFill}});
    // The heart, x 56-71, y 16-34, and the pale centre, x 61-66, y 21-29.
    const ConcaveStar inner{{64 * kSub, 25 * kSub + kSub / 2}, 8 * kSub, 14 * kSub};
    paintLayered(image, inner, {{1, kStarHeartLine}, {kDeepest, kStarHeart}});
    const ConcaveStar heart{{64 * kSub, 25 * kSub + kSub / 2}, 3 * kSub, 10 * kSub, 1, 1};
    paintLayered(image, heart, {{kDeepest, kStarCentre}});
    return image;
}

}  // namespace assets::draw
