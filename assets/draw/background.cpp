// The approach background: a runway in perspective at the left and the winding
// approach line from the top of the runway to the red goal block.
#include <algorithm>
#include <array>

#include "assets/draw/drawings.h"
#include "assets/draw/raster.h"
#include "game/track_cells.h"

namespace assets::draw {
namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 500;

constexpr std::uint32_t kRed = rgb(255, 0, 0);
constexpr std::uint32_t kYellow = rgb(255, 255, 0);
constexpr std::uint32_t kBlue = rgb(0, 0, 255);
constexpr std::uint32_t kLime = rgb(0, 255, 0);

// The picture lies at (3, 3) of the client area, whose 10 x 10 grid cells
// hold the track.
constexpr int kPictureOffset = 3;
constexpr int kCellSize = 10;

// Grid cells that the approach line may touch although they are off the
// track: where the line cuts the corner between the top stretch and the
// descent, the track leaves out two cells that the line crosses.
constexpr std::array<std::array<int, 2>, 2> kLineOnlyCells{{{29, 4}, {30, 5}}};

bool lineMayCover(int x, int y) {
    const int col = (x + kPictureOffset) / kCellSize;
    const int row = (y + kPictureOffset) / kCellSize;
    if (game::isTrackCell(col, row)) return true;
    return std::any_of(kLineOnlyCells.begin(), kLineOnlyCells.end(),
                       [&](const auto& cell) { return cell[0] == col && cell[1] == row; });
}

// The line's centre, from just above the top bar to the left of the goal block.
constexpr std::array<std::array<int, 2>, 30> kWaypoints{{
    {144, 74},  {145, 59},  {173, 34},  {203, 32},  {233, 30},  {263, 34},  {294, 54},  {314, 85},
    {322, 115}, {325, 145}, {328, 175}, {340, 206}, {371, 210}, {401, 204}, {431, 203}, {462, 212},
    {490, 240}, {493, 270}, {482, 301}, {451, 321}, {421, 329}, {391, 335}, {360, 363}, {356, 393},
    {374, 424}, {404, 443}, {434, 446}, {464, 447}, {494, 443}, {522, 439},
}};

// The line is about 8 pixels wide; where the track is narrower it thins out,
// over a stretch of four pixels per pixel of radius, rather than leave it.
constexpr std::int64_t kLineRadius = 63;
constexpr std::int64_t kTaperLength = 4;
constexpr int kSamplesPerSpan = 64;

// The largest radius (up to kLineRadius) of a disc around `centre` that
// covers only pixels the line may cover.
std::int64_t roomAround(Point centre) {
    std::int64_t nearest = (kLineRadius + 1) * (kLineRadius + 1);
    const auto reach = static_cast<int>(kLineRadius / kSub) + 2;
    const auto cx = static_cast<int>(centre.x / kSub);
    const auto cy = static_cast<int>(centre.y / kSub);
    for (int y = cy - reach; y <= cy + reach; ++y) {
        for (int x = cx - reach; x <= cx + reach; ++x) {
            if (lineMayCover(x, y)) continue;
            nearest = std::min(nearest, distanceSquared(pixelCentre(x, y), centre));
        }
    }
    // A pixel at exactly the radius counts as covered, so stay below it.
    return std::min(kLineRadius, isqrt(nearest - 1));
}

void drawApproachLine(Image& image, BackgroundNotes* notes) {
    std::vector<Point> through;
    for (const auto& w : kWaypoints) through.push_back(pixelCentre(w[0], w[1]));
    const std::vector<Point> centre = catmullRom(through, kSamplesPerSpan);
    const std::size_t n = centre.size();

    // Distance along the line, and the room at every point.
    std::vector<std::int64_t> along(n, 0);
    std::vector<std::int64_t> radius(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0) along[i] = along[i - 1] + isqrt(distanceSquared(centre[i], centre[i - 1]));
        radius[i] = roomAround(centre[i]) * kTaperLength;
    }
    // Let every narrowing fade in and out: the radius (scaled by kTaperLength)
    // may grow by one unit per kTaperLength units along the line.
    for (std::size_t i = 1; i < n; ++i)
        radius[i] = std::min(radius[i], radius[i - 1] + (along[i] - along[i - 1]));
    for (std::size_t i = n - 1; i-- > 0;)
        radius[i] = std::min(radius[i], radius[i + 1] + (along[i + 1] - along[i]));

    for (std::size_t i = 0; i < n; ++i) fillDisc(image, centre[i], radius[i] / kTaperLength, kLime);

    if (notes == nullptr) return;
    notes->samples = static_cast<int>(n);
    notes->narrowest = kLineRadius;
    std::size_t i = 0;
    while (i < n) {
        if (radius[i] / kTaperLength >= kLineRadius) {
            ++i;
            continue;
        }
        std::size_t thinnest = i;
        for (; i < n && radius[i] / kTaperLength < kLineRadius; ++i) {
            ++notes->narrowedSamples;
            if (radius[i] < radius[thinnest]) thinnest = i;
        }
        const std::int64_t r = radius[thinnest] / kTaperLength;
        notes->narrowest = std::min(notes->narrowest, r);
        notes->places.push_back("(" + std::to_string(centre[thinnest].x / kSub) + ", " +
                                std::to_string(centre[thinnest].y / kSub) + ") radius " +
                                std::to_string(r) + "/" + std::to_string(kSub));
    }
}

// A runway edge: a straight yellow line about 6 pixels wide with round ends.
void drawEdge(Image& image, int x0, int y0, int x1, int y1) {
    constexpr std::int64_t kEdgeRadius = 46;
    fillMask(image,
             capsuleMask(kWidth, kHeight, pixelCentre(x0, y0), pixelCentre(x1, y1), kEdgeRadius),
             kYellow);
}

}  // namespace

Image drawBackground(BackgroundNotes* notes) {
    Image image(kWidth, kHeight);

    drawEdge(image, 78, 102, 28, 416);
    drawEdge(image, 201, 100, 261, 416);
    fillRect(image, 82, 85, 202, 96, kRed);  // the top bar closing the runway
    // The dashed centre line, pointing at the middle of the top bar.
    for (int top : {106, 133, 160, 185, 212, 239, 264, 291, 318, 343, 370, 397})
        fillRect(image, 136, top, 143, top + 14, kBlue);

    drawApproachLine(image, notes);
    fillRect(image, 534, 391, 574, 432, kRed);  // the goal block
    return image;
}

}  // namespace assets::draw
