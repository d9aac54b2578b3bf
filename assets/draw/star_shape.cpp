#include "assets/draw/star_shape.h"

namespace assets::draw {

bool ConcaveStar::contains(Point p) const {
    const std::int64_t w = halfWidth;
    const std::int64_t h = halfHeight;
    const std::int64_t dx = p.x >= centre.x ? p.x - centre.x : centre.x - p.x;
    const std::int64_t dy = p.y >= centre.y ? p.y - centre.y : centre.y - p.y;
    // Inside the diamond through the four tips...
    if (dx * h + dy * w > w * h) return false;
    // ...and outside the circle through the two tips of this quarter, whose
    // centre lies on the far side of the chord. Everything is scaled by
    // 2 * bowDenominator to stay in whole numbers.
    const std::int64_t q = bowDenominator;
    const std::int64_t k = bowNumerator;
    const std::int64_t cx = q * w + 2 * k * h;
    const std::int64_t cy = q * h + 2 * k * w;
    const std::int64_t tx = 2 * q * w - cx;
    const std::int64_t r2 = tx * tx + cy * cy;
    const std::int64_t px = 2 * q * dx - cx;
    const std::int64_t py = 2 * q * dy - cy;
    return px * px + py * py >= r2;
}

Mask ConcaveStar::mask(int width, int height) const {
    Mask m(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (contains(pixelCentre(x, y))) m.set(x, y);
        }
    }
    return m;
}

}  // namespace assets::draw
