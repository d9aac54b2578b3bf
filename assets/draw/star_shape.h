#pragma once
// The four-pointed star with concave sides, shared by the star picture, the
// emblem and their nested outlines.
#include "assets/draw/raster.h"

namespace assets::draw {

// A star whose tips lie halfWidth left and right of `centre` and halfHeight
// above and below it (sub-pixel units). Each side is a circular arc bowed in
// towards the centre. The arc's circle has its centre `bow` (numerator over
// denominator) times the side's length beyond the side's middle, so a larger
// bow gives flatter sides and blunter tips; at 3/4 the tips stay sharp without
// the arcs crossing before they meet.
struct ConcaveStar {
    Point centre;
    std::int64_t halfWidth = 0;
    std::int64_t halfHeight = 0;
    std::int64_t bowNumerator = 3;
    std::int64_t bowDenominator = 4;

    bool contains(Point p) const;
    Mask mask(int width, int height) const;
};

}  // namespace assets::draw
