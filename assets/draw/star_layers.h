#pragma once
// The star's colours and its painting in nested outlines, used by the star
// picture and the emblem.
#include <climits>
#include <vector>

#include "assets/draw/star_shape.h"

namespace assets::draw {

// From the outside in: a dark olive line, a band, another line, the fill; a
// smaller star (the heart) with its own outline; the pale centre.
constexpr std::uint32_t kStarLine = rgb(127, 127, 0);
constexpr std::uint32_t kStarBand = rgb(191, 191, 0);
constexpr std::uint32_t kStarFill = rgb(223, 223, 0);
constexpr std::uint32_t kStarHeartLine = rgb(159, 159, 0);
constexpr std::uint32_t kStarHeart = rgb(255, 255, 0);
constexpr std::uint32_t kStarCentre = rgb(255, 255, 127);

constexpr int kDeepest = INT_MAX;

// Pixels of the star up to `toDepth` pixels in from its edge (and deeper than
// the layer before) get `colour`.
struct StarLayer {
    int toDepth;
    std::uint32_t colour;
};

void paintLayered(Image& image, const ConcaveStar& star, const std::vector<StarLayer>& layers);

}  // namespace assets::draw
