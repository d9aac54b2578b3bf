// The airliner seen from the front quarter, nose to the left: a grey fuselage
// widening towards the viewer, a red light on the nose, a band of windows,
// three engines with yellow lights and the landing gear.
#include "assets/draw/drawings.h"
#include "assets/draw/raster.h"

namespace assets::draw {
namespace {

constexpr std::uint32_t kBody = rgb(159, 159, 159);
constexpr std::uint32_t kShade = rgb(127, 127, 127);
constexpr std::uint32_t kLight = rgb(191, 191, 191);
constexpr std::uint32_t kDark = rgb(63, 63, 63);
constexpr std::uint32_t kWindow = rgb(0, 159, 159);
constexpr std::uint32_t kRed = rgb(255, 0, 0);
constexpr std::uint32_t kYellow = rgb(255, 255, 0);

constexpr int kNose = 13;
constexpr int kTail = 83;

// The fuselage's first and last row in column x: nine rows at the nose
// (20-28), thirty-one at the tail end (11-41).
int fuselageTop(int x) {
    if (x == kNose) return 20;
    if (x == kNose + 1) return 19;
    if (x == kNose + 2) return 17;
    return 16 - static_cast<int>(divRound((x - 16) * 5, kTail - 16));
}
int fuselageBottom(int x) {
    if (x <= kNose + 1) return 28;
    if (x == kNose + 2) return 29;
    return 29 + static_cast<int>(divRound((x - 16) * 12, kTail - 16));
}

void drawFuselage(Image& image) {
    for (int x = kNose; x <= kTail; ++x) {
        const int top = fuselageTop(x);
        const int bottom = fuselageBottom(x);
        // The lower third lies in shadow, the top two rows catch the light.
        const int shadeFrom = top + (bottom - top + 1) * 2 / 3;
        for (int y = top; y <= bottom; ++y) {
            std::uint32_t colour = kBody;
            if (y >= shadeFrom) colour = kShade;
            if (y <= top + 1 && x > kNose + 2) colour = kLight;
            image.put(x, y, colour);
        }
    }
    // The rounded rear end turns away from the light.
    for (int y = fuselageTop(kTail) + 2; y <= fuselageBottom(kTail); ++y)
        image.put(kTail, y, kShade);
}

// The windows: a band slanting from the cockpit (x 15, rows 17-19) down the
// fuselage to a single row at x 74, row 27; behind the cockpit, thin posts
// divide it into cabin windows.
void drawWindows(Image& image) {
    for (int x = 15; x <= 74; ++x) {
        if (x == 22 || (x > 24 && x < 74 && x % 4 == 0)) continue;
        const int top = 17 + static_cast<int>(divRound((x - 15) * 10, 59));
        const int bottom = 19 + static_cast<int>(divRound((x - 15) * 8, 59));
        for (int y = top; y <= bottom; ++y) image.put(x, y, kWindow);
    }
}

// An engine seen from the front: a grey nacelle around a yellow light.
void drawEngine(Image& image, int left, int top, int right, int bottom) {
    fillRect(image, left - 2, top - 1, right + 2, bottom + 1, kShade);
    fillRect(image, left - 1, top - 2, right + 1, bottom + 2, kShade);
    fillRect(image, left, top, right, bottom, kYellow);
}

}  // namespace

Image drawPlaneLeft() {
    Image image(124, 48);

    // The far wing reaches out beyond the nose, its engine hangs under the nose.
    fillRect(image, 1, 29, 13, 30, kShade);
    drawEngine(image, 13, 34, 16, 40);

    drawFuselage(image);
    drawWindows(image);

    // The tail fin rises from the fuselage's top at the tail, with the third
    // engine at its root.
    fillRect(image, 73, 0, 77, 10, kBody);
    fillRect(image, 73, 0, 73, 10, kLight);
    fillRect(image, 77, 1, 77, 10, kShade);
    fillRect(image, 72, 11, 78, 11, kBody);
    fillRect(image, 71, 12, 79, 12, kBody);
    drawEngine(image, 64, 13, 70, 18);

    // The near wing: its lit leading edge and the shadowed underside.
    fillRect(image, 61, 31, 122, 31, kLight);
    fillRect(image, 61, 32, 103, 33, kShade);
    drawEngine(image, 83, 34, 89, 41);

    // The red light on the nose.
    fillRect(image, 11, 20, 16, 27, kRed);

    // The landing gear: nose wheels, a far main wheel and the near main leg.
    fillRect(image, 28, 30, 28, 38, kShade);
    fillRect(image, 25, 39, 31, 45, kDark);
    fillRect(image, 40, 34, 40, 39, kShade);
    fillRect(image, 39, 40, 41, 42, kDark);
    fillRect(image, 75, 34, 78, 46, kDark);
    return image;
}

}  // namespace assets::draw
