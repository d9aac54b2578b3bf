// The committed pictures: sizes, colour depths and colours, the measured parts
// at their places, the approach line and runway against the track cells, the
// tree under the baubles, the icon, and the copies built into the game.
#include "assets/pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "assets/bitmap.h"
#include "files.h"
#include "game/track_cells.h"
#include "scene/form.h"

namespace {

using assets::Image;
using assets::rgb;
using assets_test::committed;

constexpr std::uint32_t kBlack = rgb(0, 0, 0);
constexpr std::uint32_t kRed = rgb(255, 0, 0);
constexpr std::uint32_t kYellow = rgb(255, 255, 0);
constexpr std::uint32_t kBlue = rgb(0, 0, 255);
constexpr std::uint32_t kLime = rgb(0, 255, 0);
constexpr std::uint32_t kGreen = rgb(0, 128, 0);
constexpr std::uint32_t kWhite = rgb(255, 255, 255);
constexpr std::uint32_t kMaroon = rgb(128, 0, 0);
constexpr std::uint32_t kOlive = rgb(128, 128, 0);
// The star's shades.
constexpr std::uint32_t kDarkOlive = rgb(127, 127, 0);
constexpr std::uint32_t kGold = rgb(191, 191, 0);
constexpr std::uint32_t kPaleGold = rgb(223, 223, 0);
constexpr std::uint32_t kStarOutline = rgb(159, 159, 0);
constexpr std::uint32_t kPaleYellow = rgb(255, 255, 127);
// The emblem's line and the plane's greys.
constexpr std::uint32_t kShadowGreen = rgb(0, 159, 0);
constexpr std::uint32_t kBody = rgb(159, 159, 159);
constexpr std::uint32_t kShade = rgb(127, 127, 127);
constexpr std::uint32_t kLight = rgb(191, 191, 191);
constexpr std::uint32_t kDark = rgb(63, 63, 63);
constexpr std::uint32_t kTeal = rgb(0, 159, 159);

const Image& load(const std::string& name) {
    static std::map<std::string, Image> cache;
    auto it = cache.find(name);
    if (it == cache.end()) it = cache.emplace(name, assets::decodeBmp(committed(name))).first;
    return it->second;
}

const Image& icon() {
    static const Image decoded = assets::decodeIco(committed("icon.ico"));
    return decoded;
}

struct Rect {
    int left, top, right, bottom;  // inclusive
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

std::string text(const Rect& r) {
    return "x " + std::to_string(r.left) + "-" + std::to_string(r.right) + ", y " +
           std::to_string(r.top) + "-" + std::to_string(r.bottom);
}

std::set<std::uint32_t> coloursOf(const Image& image) {
    return {image.pixels.begin(), image.pixels.end()};
}

// The smallest rectangle around the pixels of the given colours.
Rect boundsOf(const Image& image, const std::set<std::uint32_t>& colours) {
    Rect r{image.width, image.height, -1, -1};
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (!colours.contains(image.at(x, y))) continue;
            r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x),
                 std::max(r.bottom, y)};
        }
    }
    return r;
}

// The first and last non-black pixel of a row, or {-1, -1}.
std::pair<int, int> rowSpan(const Image& image, int y) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width; ++x) {
        if (image.at(x, y) == kBlack) continue;
        if (first < 0) first = x;
        last = x;
    }
    return {first, last};
}

TEST(Pictures, HaveTheirSizesDepthsAndColours) {
    const std::set<std::uint32_t> starColours{kBlack,       kDarkOlive, kGold,      kPaleGold,
                                              kStarOutline, kYellow,    kPaleYellow};
    std::set<std::uint32_t> emblemColours = starColours;
    emblemColours.insert({kLime, kShadowGreen, kRed});
    struct Case {
        std::string file;
        int width, height, bits;
        std::set<std::uint32_t> colours;
    };
    const std::vector<Case> cases{
        {"background.bmp", 600, 500, 4, {kBlack, kRed, kYellow, kBlue, kLime}},
        {"star.bmp", 126, 53, 24, starColours},
        {"emblem.bmp", 137, 155, 24, emblemColours},
        {"plane_left.bmp",
         124,
         48,
         24,
         {kBlack, kBody, kShade, kLight, kDark, kTeal, kRed, kYellow}},
        {"plane_right.bmp",
         124,
         48,
         24,
         {kBlack, kBody, kShade, kLight, kDark, kTeal, kRed, kYellow}},
        {"tree.bmp", 412, 461, 4, {kBlack, kGreen, kWhite}},
    };
    const std::vector<std::uint32_t> palette(assets::standardPalette().begin(),
                                             assets::standardPalette().end());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const assets::BitmapInfo info = assets::decodeBmpInfo(committed(c.file));
        EXPECT_EQ(info.width, c.width);
        EXPECT_EQ(info.height, c.height);
        EXPECT_EQ(info.bitsPerPixel, c.bits);
        if (c.bits == 4) {
            EXPECT_EQ(info.palette, palette);
        }
        EXPECT_EQ(coloursOf(load(c.file)), c.colours);
    }
}

TEST(Pictures, SolidPartsLieExactlyInTheirRectangles) {
    // Every pixel of the colour lies in one of the rectangles, and every pixel
    // of the rectangles has the colour.
    struct Case {
        std::string what, file;
        std::uint32_t colour;
        std::vector<Rect> rects;
    };
    std::vector<Rect> dashes;
    for (int top : {106, 133, 160, 185, 212, 239, 264, 291, 318, 343, 370, 397})
        dashes.push_back({136, top, 143, top + 14});
    const std::vector<Case> cases{
        {"runway top bar and goal block",
         "background.bmp",
         kRed,
         {{82, 85, 202, 96}, {534, 391, 574, 432}}},
        {"runway centre line", "background.bmp", kBlue, dashes},
        {"emblem trunk", "emblem.bmp", kRed, {{58, 136, 65, 153}}},
        {"nose light", "plane_left.bmp", kRed, {{11, 20, 16, 27}}},
        {"engine lights",
         "plane_left.bmp",
         kYellow,
         {{13, 34, 16, 40}, {83, 34, 89, 41}, {64, 13, 70, 18}}},
        {"landing gear",
         "plane_left.bmp",
         kDark,
         {{25, 39, 31, 45}, {39, 40, 41, 42}, {75, 34, 78, 46}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Image& image = load(c.file);
        int mismatches = 0;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                const bool inside = std::any_of(c.rects.begin(), c.rects.end(),
                                                [&](const Rect& r) { return r.contains(x, y); });
                if (inside != (image.at(x, y) == c.colour) && ++mismatches <= 5)
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ")";
            }
        }
        EXPECT_EQ(mismatches, 0);
    }
}

TEST(Pictures, PartsSitWhereTheyWereMeasured) {
    // Rectangles filled with one colour (which may appear elsewhere too).
    struct Filled {
        std::string what, file;
        Rect rect;
        std::uint32_t colour;
    };
    const std::vector<Filled> filled{
        {"near wing edge", "plane_left.bmp", {61, 31, 122, 31}, kLight},
        {"near wing underside", "plane_left.bmp", {61, 32, 103, 33}, kShade},
        {"far wing", "plane_left.bmp", {1, 29, 13, 30}, kShade},
        {"cockpit window", "plane_left.bmp", {15, 17, 15, 19}, kTeal},
        {"last window", "plane_left.bmp", {74, 27, 74, 27}, kTeal},
    };
    for (const Filled& f : filled) {
        SCOPED_TRACE(f.what);
        const Image& image = load(f.file);
        for (int y = f.rect.top; y <= f.rect.bottom; ++y) {
            for (int x = f.rect.left; x <= f.rect.right; ++x)
                EXPECT_EQ(image.at(x, y), f.colour) << x << "," << y;
        }
    }

    // Extents of the pictures' parts: the smallest rectangle around the colours.
    struct Extent {
        std::string what, file;
        std::set<std::uint32_t> colours;
        Rect rect;
    };
    const std::set<std::uint32_t> wholeStar{kDarkOlive,   kGold,   kPaleGold,
                                            kStarOutline, kYellow, kPaleYellow};
    const std::vector<Extent> extents{
        {"star", "star.bmp", wholeStar, {42, 3, 84, 47}},
        {"star's bright heart", "star.bmp", {kStarOutline, kYellow, kPaleYellow}, {56, 16, 71, 34}},
        {"star's pale centre", "star.bmp", {kPaleYellow}, {61, 21, 66, 29}},
        {"emblem's star", "emblem.bmp", wholeStar, {36, 1, 59, 24}},
        {"emblem star's yellow", "emblem.bmp", {kYellow, kPaleYellow}, {44, 8, 51, 16}},
        {"emblem star's pale centre", "emblem.bmp", {kPaleYellow}, {46, 11, 49, 14}},
        {"window band", "plane_left.bmp", {kTeal}, {15, 17, 74, 27}},
        {"plane's greys", "plane_left.bmp", {kBody, kShade, kLight, kDark}, {1, 0, 122, 46}},
    };
    for (const Extent& e : extents) {
        EXPECT_EQ(text(boundsOf(load(e.file), e.colours)), text(e.rect)) << e.what;
    }

    // The star's four tips, each the last pixel before black.
    const Image& star = load("star.bmp");
    struct Tip {
        int x, y, dx, dy;
    };
    for (const Tip& t :
         std::vector<Tip>{{63, 3, 0, -1}, {63, 47, 0, 1}, {42, 25, -1, 0}, {84, 25, 1, 0}}) {
        EXPECT_NE(star.at(t.x, t.y), kBlack) << t.x << "," << t.y;
        EXPECT_EQ(star.at(t.x + t.dx, t.y + t.dy), kBlack) << t.x << "," << t.y;
    }

    // The fuselage from the nose (column 13, rows 20-28) to its widest
    // (column 83, rows 11-41), and the tail fin above it (x 73-77, rows 0-10).
    const Image& plane = load("plane_left.bmp");
    EXPECT_EQ(rowSpan(plane, 0), std::make_pair(73, 77));
    for (int y = 20; y <= 28; ++y) EXPECT_NE(plane.at(13, y), kBlack) << y;
    EXPECT_EQ(plane.at(13, 19), kBlack);
    for (int y = 11; y <= 41; ++y) EXPECT_NE(plane.at(83, y), kBlack) << y;
    EXPECT_EQ(plane.at(83, 10), kBlack);
    for (int y = 0; y <= 10; ++y) {
        EXPECT_EQ(plane.at(72, y), kBlack) << y;
        EXPECT_EQ(plane.at(78, y), kBlack) << y;
        for (int x = 73; x <= 77; ++x) EXPECT_NE(plane.at(x, y), kBlack) << x << "," << y;
    }
    // The track check's reference point lies on the fuselage (by a window).
    EXPECT_TRUE(plane.at(62, 25) == kBody || plane.at(62, 25) == kTeal);
}

TEST(Pictures, RightPlaneMirrorsTheLeftOne) {
    const Image& left = load("plane_left.bmp");
    const Image& right = load("plane_right.bmp");
    ASSERT_EQ(left.width, right.width);
    ASSERT_EQ(left.height, right.height);
    int differences = 0;
    for (int y = 0; y < left.height; ++y) {
        for (int x = 0; x < left.width; ++x) differences += right.at(x, y) != left.at(123 - x, y);
    }
    EXPECT_EQ(differences, 0);
}

TEST(Background, AgreesWithTheTrackCells) {
    const Image& image = load("background.bmp");
    auto onTrack = [](int x, int y) { return game::isTrackCell((x + 3) / 10, (y + 3) / 10); };
    // The two cells the line cuts across where the track leaves them out.
    auto lineOnly = [](int x, int y) {
        const int col = (x + 3) / 10;
        const int row = (y + 3) / 10;
        return (col == 29 && row == 4) || (col == 30 && row == 5);
    };
    int strayLine = 0, strayDash = 0, yellowOnTrack = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t c = image.at(x, y);
            if (c == kLime && !onTrack(x, y) && !lineOnly(x, y) && ++strayLine <= 5)
                ADD_FAILURE() << "line off the track at (" << x << ", " << y << ")";
            if (c == kBlue && !onTrack(x, y) && ++strayDash <= 5)
                ADD_FAILURE() << "centre line off the track at (" << x << ", " << y << ")";
            if (c == kYellow && onTrack(x, y) && ++yellowOnTrack <= 5)
                ADD_FAILURE() << "runway edge on the track at (" << x << ", " << y << ")";
        }
    }
    EXPECT_EQ(strayLine + strayDash + yellowOnTrack, 0);
}

TEST(Background, ShowsTheRunwayAndTheLineThroughEveryWaypoint) {
    const Image& image = load("background.bmp");
    const std::vector<std::pair<int, int>> waypoints{
        {144, 74},  {145, 59},  {173, 34},  {203, 32},  {233, 30},  {263, 34},
        {294, 54},  {314, 85},  {322, 115}, {325, 145}, {328, 175}, {340, 206},
        {371, 210}, {401, 204}, {431, 203}, {462, 212}, {490, 240}, {493, 270},
        {482, 301}, {451, 321}, {421, 329}, {391, 335}, {360, 363}, {356, 393},
        {374, 424}, {404, 443}, {434, 446}, {464, 447}, {494, 443}, {522, 439}};
    for (const auto& [x, y] : waypoints) EXPECT_EQ(image.at(x, y), kLime) << x << "," << y;
    // About 8 pixels wide: across the straight descent at row 160.
    int width = 0;
    for (int x = 300; x < 350; ++x) width += image.at(x, 160) == kLime;
    EXPECT_GE(width, 6);
    EXPECT_LE(width, 9);
    // The ends of both runway edges.
    for (const auto& [x, y] :
         std::vector<std::pair<int, int>>{{78, 102}, {28, 416}, {201, 100}, {261, 416}})
        EXPECT_EQ(image.at(x, y), kYellow) << x << "," << y;
    // The plane starts on black between the edges, below the last dash.
    EXPECT_EQ(image.at(139, 422), kBlack);
}

TEST(Background, CutOffPartIsBlack) {
    // Image1 shows only the top-left 593 x 473 pixels.
    const Image& image = load("background.bmp");
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (x >= 593 || y >= 473) {
                ASSERT_EQ(image.at(x, y), kBlack) << x << "," << y;
            }
        }
    }
}

TEST(Emblem, ZigZagIsDarkAlongItsUpperLeftEdge) {
    const Image& image = load("emblem.bmp");
    // The turning points lie on the line.
    const std::vector<std::pair<int, int>> turns{{42, 20},  {27, 38},  {55, 34},
                                                 {20, 66},  {95, 62},  {3, 101},
                                                 {132, 96}, {13, 134}, {110, 129}};
    for (const auto& [x, y] : turns) {
        const std::uint32_t c = image.at(x, y);
        EXPECT_TRUE(c == kLime || c == kShadowGreen) << x << "," << y;
    }
    // Across the middle of each stroke: from lime, the dark edge lies up and
    // to the left, never down and to the right.
    for (std::size_t i = 0; i + 1 < turns.size(); ++i) {
        const int mx = (turns[i].first + turns[i + 1].first) / 2;
        const int my = (turns[i].second + turns[i + 1].second) / 2;
        SCOPED_TRACE("stroke through " + std::to_string(mx) + "," + std::to_string(my));
        const bool flat = std::abs(turns[i + 1].first - turns[i].first) >
                          std::abs(turns[i + 1].second - turns[i].second);
        const int dx = flat ? 0 : -1;
        const int dy = flat ? -1 : 0;
        // Start on the light core, which may lie a pixel below or right of
        // the middle.
        int cx = mx, cy = my;
        while (image.at(cx, cy) == kShadowGreen) cx -= dx, cy -= dy;
        ASSERT_EQ(image.at(cx, cy), kLime);
        auto walk = [&](int sx, int sy) {
            int x = cx, y = cy;
            while (image.at(x, y) == kLime) x += sx, y += sy;
            return image.at(x, y);
        };
        EXPECT_EQ(walk(dx, dy), kShadowGreen);
        EXPECT_EQ(walk(-dx, -dy), kBlack);
    }
}

TEST(Tree, IsALightGreenDither) {
    const Image& image = load("tree.bmp");
    int tree = 0, white = 0, longRuns = 0;
    for (int y = 0; y < image.height; ++y) {
        int run = 0;
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t c = image.at(x, y);
            tree += c != kBlack;
            white += c == kWhite;
            run = c == kWhite ? run + 1 : 0;
            longRuns += run == 3;
        }
    }
    // About 39 % white, always in short runs along the rows and down the columns.
    const double share = 100.0 * white / tree;
    EXPECT_GE(share, 35.0);
    EXPECT_LE(share, 43.0);
    EXPECT_EQ(longRuns, 0);
    for (int x = 0; x < image.width; ++x) {
        int run = 0;
        for (int y = 0; y < image.height; ++y) {
            run = image.at(x, y) == kWhite ? run + 1 : 0;
            ASSERT_LT(run, 3) << x << "," << y;
        }
    }
}

TEST(Tree, SilhouetteFollowsTheMeasurements) {
    const Image& image = load("tree.bmp");
    // Rows measured exactly.
    struct Row {
        int y, first, last;
    };
    const std::vector<Row> rows{
        {0, -1, -1},     {1, -1, -1},     {2, 184, 205},  // the flat tip
        {410, 2, 411},   {411, 2, 411},   {412, 2, 411},  // the bottom tier at its widest
        {430, 150, 227},                                  // the trunk below the tiers
        {446, 144, 225}, {450, 144, 225},                 // the foot
        {460, 164, 197},                                  // the rounded bottom
    };
    for (const Row& r : rows)
        EXPECT_EQ(rowSpan(image, r.y), std::make_pair(r.first, r.last)) << "row " << r.y;

    // The widest point of a tier on one side, and the row where it lies.
    struct Corner {
        std::string what;
        int fromRow, toRow;
        bool left;
        int x, row, rowTolerance;
    };
    const std::vector<Corner> corners{
        {"top tier, left", 100, 131, true, 74, 130, 2},
        {"top tier, right", 100, 131, false, 339, 130, 2},
        {"middle tier, left", 140, 275, true, 26, 274, 3},
        {"middle tier, right", 140, 275, false, 363, 252, 3},
        {"bottom tier, left", 280, 440, true, 2, 411, 2},
        {"bottom tier, right", 280, 440, false, 411, 411, 2},
    };
    for (const Corner& c : corners) {
        SCOPED_TRACE(c.what);
        int best = c.left ? image.width : -1;
        int bestRow = -1;
        for (int y = c.fromRow; y <= c.toRow; ++y) {
            const auto [first, last] = rowSpan(image, y);
            const int x = c.left ? first : last;
            if (x < 0) continue;
            if (c.left ? x < best : x > best) {
                best = x;
                bestRow = y;
            }
        }
        EXPECT_EQ(best, c.x);
        EXPECT_NEAR(bestRow, c.row, c.rowTolerance);
    }
    // Between the tiers the trunk shows, about x 156-240 under the top tier.
    const auto [trunkLeft, trunkRight] = rowSpan(image, 131);
    EXPECT_NEAR(trunkLeft, 156, 2);
    EXPECT_NEAR(trunkRight, 240, 2);
}

TEST(Tree, EveryBaubleCentreLiesOnTheTree) {
    const scene::Form form;
    const Image& image = load("tree.bmp");
    const int left = form.components[6].left;  // Image2
    const int top = form.components[6].top;
    for (int n = 1; n <= 32; ++n) {
        const scene::Component& shape = form.Shape(n);
        const int x = shape.left + 15 - left;
        const int y = shape.top + 15 - top;
        ASSERT_TRUE(image.contains(x, y)) << "Shape" << n;
        EXPECT_NE(image.at(x, y), kBlack) << "Shape" << n << " at (" << x << ", " << y << ")";
    }
}

TEST(Icon, IsTheEmblemInMiniature) {
    const std::vector<std::uint8_t> file = committed("icon.ico");
    const assets::BitmapInfo info = assets::decodeIcoInfo(file);
    EXPECT_EQ(info.width, 32);
    EXPECT_EQ(info.height, 32);
    EXPECT_EQ(info.bitsPerPixel, 4);
    EXPECT_EQ(info.palette.size(), 16u);
    EXPECT_EQ(info.transparentPixels, 0);

    const Image& image = icon();
    // The star's white centre, its only white pixel, inside an olive outline.
    EXPECT_EQ(image.at(10, 2), kWhite);
    EXPECT_EQ(text(boundsOf(image, {kWhite})), text({10, 2, 10, 2}));
    EXPECT_TRUE(coloursOf(image).contains(kOlive));
    EXPECT_TRUE(coloursOf(image).contains(kYellow));
    // The trunk: red in the middle, maroon at the sides.
    for (int y = 28; y <= 30; ++y) {
        EXPECT_EQ(image.at(12, y), kMaroon) << y;
        EXPECT_EQ(image.at(13, y), kRed) << y;
        EXPECT_EQ(image.at(14, y), kRed) << y;
        EXPECT_EQ(image.at(15, y), kMaroon) << y;
    }
    // The zig-zag in green and lime, spanning the width, down to row 29.
    const Rect line = boundsOf(image, {kGreen, kLime});
    EXPECT_EQ(line.left, 0);
    EXPECT_EQ(line.right, 31);
    EXPECT_EQ(line.bottom, 29);
    EXPECT_GT(line.top, 2);
}

TEST(BuiltInPictures, AreTheCommittedFiles) {
    struct Case {
        assets::Picture picture;
        std::string file;
    };
    const std::vector<Case> cases{
        {assets::Picture::Background, "background.bmp"},
        {assets::Picture::Star, "star.bmp"},
        {assets::Picture::Emblem, "emblem.bmp"},
        {assets::Picture::PlaneLeft, "plane_left.bmp"},
        {assets::Picture::PlaneRight, "plane_right.bmp"},
        {assets::Picture::Tree, "tree.bmp"},
    };
    for (const Case& c : cases) EXPECT_EQ(assets::picture(c.picture), load(c.file)) << c.file;
    EXPECT_EQ(assets::icon(), icon());
}

}  // namespace
