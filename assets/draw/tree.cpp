// The Christmas tree of the pairs phase: three tiers on a trunk, filled with a
// green and white dither that reads as light green from a distance, edged in
// dark green, with drooping branches drawn into each tier.
#include <algorithm>
#include <array>

#include "assets/draw/drawings.h"
#include "assets/draw/raster.h"

namespace assets::draw {
namespace {

constexpr int kWidth = 412;
constexpr int kHeight = 461;
constexpr std::uint32_t kGreen = rgb(0, 128, 0);
constexpr std::uint32_t kWhite = rgb(255, 255, 255);

// Outline pieces, in whole pixels at pixel corners: a straight edge to `to`,
// or a quadratic curve through `via` to `to`.
struct Piece {
    std::array<int, 2> to;
    std::array<int, 2> via;
    bool curved;
};
constexpr Piece line(int x, int y) {
    return {{x, y}, {0, 0}, false};
}
constexpr Piece curve(int vx, int vy, int x, int y) {
    return {{x, y}, {vx, vy}, true};
}

std::vector<Point> outline(std::array<int, 2> start, std::initializer_list<Piece> pieces) {
    constexpr int kCurveSamples = 48;
    std::vector<Point> points{corner(start[0], start[1])};
    for (const Piece& piece : pieces) {
        const Point to = corner(piece.to[0], piece.to[1]);
        if (!piece.curved) {
            points.push_back(to);
            continue;
        }
        const std::vector<Point> c =
            bezier(points.back(), corner(piece.via[0], piece.via[1]), to, kCurveSamples);
        points.insert(points.end(), c.begin() + 1, c.end());
    }
    return points;
}

// The top tier: a flat tip on row 2 (x 184-205), concave sides out to its
// corners at row 130 (x 74 and 339), and an underside that curves up to the
// trunk at row 118.
std::vector<Point> topTier() {
    return outline({184, 2}, {line(206, 2), curve(283, 72, 341, 131), curve(290, 118, 241, 118),
                              line(156, 118), curve(110, 118, 74, 131), curve(133, 71, 184, 2)});
}

// The middle tier: a rounded top (rows 132-140, x 160-229) and sides out to
// x 26 (corner at row 274) and x 363 (corner at row 252).
std::vector<Point> middleTier() {
    return outline({160, 140},
                   {curve(195, 124, 230, 140), curve(289, 207, 365, 253), curve(300, 246, 236, 246),
                    line(153, 245), curve(80, 248, 24, 276), curve(103, 219, 160, 140)});
}

// The bottom tier: a rounded top (rows 276-280, x 142-249), sides out to the
// full width (x 2-411 at rows 410-412) and corners drooping to row 424.
std::vector<Point> bottomTier() {
    return outline({142, 280}, {curve(196, 272, 250, 280), curve(321, 358, 412, 410),
                                line(412, 413), curve(410, 424, 398, 425),
                                curve(300, 416, 228, 414), line(150, 414), curve(80, 416, 14, 425),
                                curve(2, 424, 2, 413), line(2, 410), curve(83, 357, 142, 280)});
}

// The trunk runs down behind the tiers and shows between them; at the foot it
// flares to x 144-225 and ends in a rounded bottom on row 460 (x 164-197).
std::vector<Point> trunk() {
    return outline({156, 105},
                   {line(241, 105), line(228, 414), line(228, 440), line(226, 446), line(226, 451),
                    line(225, 454), line(222, 456), line(217, 458), line(210, 459), line(200, 460),
                    line(196, 461), line(167, 461), line(161, 460), line(156, 459), line(151, 458),
                    line(147, 456), line(145, 454), line(144, 451), line(144, 446), line(150, 440),
                    line(150, 414)});
}

// Whether pixel (x, y) of the tree's inside is white: 2-pixel runs of green
// and white along a row, shifted by two pixels every one or two rows.
bool ditherWhite(int x, int y) {
    const int shift = 2 * ((y * 2 / 3) % 2);
    return ((x + shift) / 2) % 2 == 0;
}

// One drooping branch: from the middle of a tier at row `y` out towards the
// tier's edge, leaving the middle almost level and bending down towards its
// tip. `side` is +1 for right, -1 for left.
void drawBranch(Image& image, const Mask& tier, int axis, int y, int side) {
    // The tip hangs lower than the start, where the tier is wider: find the
    // tier's edge on the tip's row and stop short of it.
    auto edgeDistance = [&](int row) {
        int edge = side > 0 ? tier.width - 1 : 0;
        while (edge != axis && !tier.test(edge, row)) edge -= side;
        return (edge - axis) * side;
    };
    int reach = edgeDistance(y) * 92 / 100;
    for (int pass = 0; pass < 2; ++pass) {
        reach = std::max(reach, edgeDistance(y + reach * 2 / 5) * 92 / 100);
    }
    if (reach < 4) return;
    const int droop = reach * 2 / 5;
    const Point start = pixelCentre(axis + side * 2, y);
    const Point via = pixelCentre(axis + side * (reach * 3 / 5), y + droop / 5);
    const Point end = pixelCentre(axis + side * reach, y + droop);
    // Thick at the trunk, thin at the tip.
    const std::vector<Point> branch = bezier(start, via, end, 4 * reach);
    const auto n = static_cast<std::int64_t>(branch.size());
    for (std::int64_t i = 0; i < n; ++i) {
        const std::int64_t radius = kSub * 2 - divRound(kSub * i, n);
        fillDisc(image, branch[static_cast<std::size_t>(i)], radius, kGreen, &tier);
    }
}

struct Tier {
    std::vector<Point> outline;
    int axis;
    std::vector<int> branchRows;
};

}  // namespace

Image drawTree() {
    const std::array<Tier, 3> tiers{{
        {topTier(), 195, {18, 34, 50, 66, 82, 98}},
        {middleTier(), 195, {148, 166, 184, 202, 220, 236}},
        {bottomTier(), 196, {290, 308, 326, 344, 362, 380, 398}},
    }};
    std::vector<Mask> tierMasks;
    Mask tree = polygonMask(kWidth, kHeight, trunk());
    for (const Tier& tier : tiers) {
        tierMasks.push_back(polygonMask(kWidth, kHeight, tier.outline));
        tree |= tierMasks.back();
    }

    // The dither inside, the outline around the whole tree, and the edges of
    // each tier where it lies in front of the trunk.
    Image image(kWidth, kHeight);
    const std::vector<int> depth = depthMap(tree);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const int d = depth[static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x)];
            if (d == 0) continue;
            image.put(x, y, d <= 2 || !ditherWhite(x, y) ? kGreen : kWhite);
        }
    }
    for (const Mask& tier : tierMasks) {
        const std::vector<int> tierDepth = depthMap(tier);
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const int d =
                    tierDepth[static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x)];
                if (d == 1 || d == 2) image.put(x, y, kGreen);
            }
        }
    }

    for (std::size_t i = 0; i < tiers.size(); ++i) {
        for (int y : tiers[i].branchRows) {
            drawBranch(image, tierMasks[i], tiers[i].axis, y, 1);
            drawBranch(image, tierMasks[i], tiers[i].axis, y, -1);
        }
    }
    return image;
}

}  // namespace assets::draw
