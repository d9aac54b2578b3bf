#include "scene/renderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <set>
#include <utility>

#include "scenes.h"
#include "synthetic_pictures.h"

namespace {

using assets::Picture;
using render_test::Origin;
using render_test::SyntheticPictures;

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kRed = 0xFF0000;

class RendererTest : public testing::Test {
  protected:
    scene::PixelBuffer render(const scene::Form& form, int width = scene::Form::kClientWidth,
                              int height = scene::Form::kClientHeight) {
        scene::PixelBuffer buffer(width, height, 0x00ABCDEF);
        renderer.draw(form.components, buffer, buffer.bounds());
        return buffer;
    }

    static std::optional<Origin> origin(const scene::PixelBuffer& b, int x, int y) {
        return SyntheticPictures::decode(b.at(x, y));
    }

    SyntheticPictures pictures;
    scene::Renderer renderer{pictures};
};

TEST_F(RendererTest, PicturesSitUnscaledAtTheirCornerClippedToTheirControl) {
    // A maximised window: the components keep their places, the rest is black.
    const scene::PixelBuffer b = render(scene::Form{}, 800, 600);
    const struct {
        int x, y;
        std::optional<Origin> expected;  // nullopt: the black window
    } cases[] = {
        {0, 0, std::nullopt},
        {3, 3, Origin{Picture::Background, 0, 0}},
        {595, 475, Origin{Picture::Background, 592, 472}},  // the last shown pixel of 600 x 500
        {596, 100, std::nullopt},                           // the right 7 columns are cut off
        {100, 476, std::nullopt},                           // and the bottom 27 rows
        {440, 24, Origin{Picture::Emblem, 0, 0}},
        {576, 178, Origin{Picture::Emblem, 136, 154}},
        {577, 100, Origin{Picture::Background, 574, 97}},   // the emblem control's spare columns
        {500, 179, Origin{Picture::Background, 497, 176}},  // and rows show what lies beneath
        {76, 412, Origin{Picture::Star, 0, 0}},
        {208, 464, Origin{Picture::Star, 125, 52}},
        {700, 550, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(origin(b, c.x, c.y), c.expected) << c.x << ',' << c.y;
        if (!c.expected) {
            EXPECT_EQ(b.at(c.x, c.y), kBlack) << c.x << ',' << c.y;
        }
    }
}

TEST_F(RendererTest, StarStretchesToItsWholeControl) {
    const scene::PixelBuffer b = render(scene::Form{});
    std::vector<int> columns;
    for (int x = 76; x < 76 + 133; ++x) {
        const std::optional<Origin> o = origin(b, x, 432);
        ASSERT_TRUE(o && o->picture == Picture::Star) << x;
        EXPECT_EQ(o->y, 20);
        columns.push_back(o->x);
    }
    EXPECT_TRUE(std::is_sorted(columns.begin(), columns.end()));
    EXPECT_EQ(columns.front(), 0);
    EXPECT_EQ(columns.back(), 125);
    EXPECT_EQ(std::set<int>(columns.begin(), columns.end()).size(), 126u) << "no column lost";
    for (int y = 412; y < 412 + 53; ++y) EXPECT_EQ(origin(b, 142, y)->y, y - 412) << "height kept";
}

TEST_F(RendererTest, LaterComponentsPaintOverEarlierOnes) {
    scene::Form form;  // the star left on the track where the plane starts
    form.ImageL().visible = true;
    scene::PixelBuffer b = render(form);
    EXPECT_EQ(origin(b, 80, 416), (Origin{Picture::PlaneLeft, 0, 0}));
    EXPECT_EQ(origin(b, 203, 463), (Origin{Picture::PlaneLeft, 123, 47}));
    EXPECT_EQ(origin(b, 204, 430)->picture, Picture::Star) << "the plane control's spare column";
    EXPECT_EQ(origin(b, 78, 414)->picture, Picture::Star);

    // The plane passes over Label1 and the emblem.
    form.Label1().caption = " Fehler: 3";
    form.ImageL().top = 470;
    form.ImageR().left = 450;
    form.ImageR().top = 30;
    form.ImageR().visible = true;
    b = render(form);
    EXPECT_EQ(origin(b, 200, 490), (Origin{Picture::PlaneLeft, 120, 20}));
    EXPECT_EQ(origin(b, 500, 60), (Origin{Picture::PlaneRight, 50, 30}));

    // In the pairs scene the tree covers Label1 and the baubles lie over the tree.
    b = render(render_test::pairsScene());
    for (int x = 184; x < 184 + 209; ++x) {
        EXPECT_EQ(origin(b, x, 490), (Origin{Picture::Tree, x - 8, 450})) << x;
    }
    EXPECT_EQ(b.at(184 + 15, 56 + 15), scene::pixelOf(game::pairColors[0])) << "Shape1's centre";
}

TEST_F(RendererTest, StarOnTheTreeIsCutByTheWindowEdgeAndTheTree) {
    const scene::PixelBuffer b = render(render_test::winScene());
    EXPECT_EQ(origin(b, 135, 0), (Origin{Picture::Star, 0, 5})) << "the top five rows are cut off";
    for (int x = 135; x < 135 + 133; ++x) {
        EXPECT_EQ(origin(b, x, 39)->picture, Picture::Star) << x;
        EXPECT_EQ(origin(b, x, 39)->y, 44) << x;
        for (int y = 40; y < 48; ++y)
            EXPECT_EQ(origin(b, x, y), (Origin{Picture::Tree, x - 8, y - 40}));
    }
}

TEST_F(RendererTest, DrawsOnlyInsideTheArea) {
    const scene::Form form = render_test::pairsScene();
    const scene::PixelBuffer whole = render(form);
    scene::PixelBuffer part(scene::Form::kClientWidth, scene::Form::kClientHeight, 0x00ABCDEF);
    const scene::Rect area{170, 100, 61, 47};  // across baubles, hatch and tree
    renderer.draw(form.components, part, area);
    for (int y = 0; y < part.height; ++y) {
        for (int x = 0; x < part.width; ++x) {
            ASSERT_EQ(part.at(x, y), area.contains(x, y) ? whole.at(x, y) : 0x00ABCDEFu)
                << x << ',' << y;
        }
    }
    // An area reaching past the buffer is clipped to it.
    renderer.draw(form.components, part, scene::Rect{-50, -50, 2000, 2000});
    EXPECT_EQ(part.pixels, whole.pixels);
}

TEST_F(RendererTest, TilesDrawnOneByOneMakeTheWholeScene) {
    // Hatches, circles, captions and stretched pictures cut at odd places must
    // join up exactly: the window redraws only damaged rectangles.
    for (const scene::Form& form : {scene::Form{}, render_test::climbingScene(37),
                                    render_test::pairsScene(), render_test::winScene()}) {
        const scene::PixelBuffer whole = render(form);
        scene::PixelBuffer tiled(whole.width, whole.height, 0);
        for (int y = -3; y < tiled.height; y += 23) {
            for (int x = -5; x < tiled.width; x += 37)
                renderer.draw(form.components, tiled, scene::Rect{x, y, 37, 23});
        }
        EXPECT_EQ(tiled.pixels, whole.pixels);
    }
}

// Shapes: one bauble over the synthetic tree, whose pixels tell what lies beneath.
class ShapeTest : public RendererTest {
  protected:
    scene::PixelBuffer renderBauble(scene::BrushStyle style, std::uint32_t colour, int left = 184,
                                    int top = 56) {
        scene::Form form;
        render_test::land(form);
        for (int n = 1; n <= 32; ++n) form.Shape(n).visible = false;
        scene::Component& shape = form.Shape(1);
        shape.visible = true;
        shape.left = left;
        shape.top = top;
        shape.brushStyle = style;
        shape.brushColour = colour;
        return render(form);
    }

    static bool beneath(const scene::PixelBuffer& b, int x, int y) {
        return SyntheticPictures::decode(b.at(x, y)) == Origin{Picture::Tree, x - 8, y - 40};
    }
    // Inside the outline, away from it.
    static bool interior(int dx, int dy) { return std::hypot(dx + 0.5 - 15, dy + 0.5 - 15) < 13.5; }
};

TEST_F(ShapeTest, CircleHasAWhiteOutlineInsideItsSquare) {
    for (scene::BrushStyle style :
         {scene::BrushStyle::Solid, scene::BrushStyle::Clear, scene::BrushStyle::DiagCross}) {
        const scene::PixelBuffer b = renderBauble(style, 0x00FFFF00);
        // The outline touches the middle of each side of the 30 x 30 square.
        for (auto [x, y] :
             {std::pair{184 + 15, 56}, {184 + 14, 56 + 29}, {184, 56 + 15}, {184 + 29, 56 + 14}}) {
            EXPECT_EQ(b.at(x, y), kWhite) << x << ',' << y;
        }
        // Round, not square: the corners show the tree.
        for (auto [x, y] :
             {std::pair{184, 56}, {184 + 29, 56}, {184 + 2, 56 + 27}, {184 + 28, 56 + 28}}) {
            EXPECT_TRUE(beneath(b, x, y)) << x << ',' << y;
        }
        // Every row of the circle: from the outside in, tree, then white, then not tree.
        for (int dy = 0; dy < 30; ++dy) {
            int first = 0;
            while (first < 30 && beneath(b, 184 + first, 56 + dy)) ++first;
            ASSERT_LT(first, 15) << "row " << dy;
            EXPECT_EQ(b.at(184 + first, 56 + dy), kWhite) << "row " << dy;
            EXPECT_EQ(b.at(184 + 29 - first, 56 + dy), kWhite) << "row " << dy << ", symmetric";
        }
        // Nothing outside the square changes.
        for (int d = -1; d <= 30; ++d) {
            EXPECT_TRUE(beneath(b, 183, 56 + d) && beneath(b, 214, 56 + d) &&
                        beneath(b, 184 + d, 55) && beneath(b, 184 + d, 86));
        }
    }
}

TEST_F(ShapeTest, BrushFillsSolidLeavesClearEmpty) {
    const scene::PixelBuffer solid = renderBauble(scene::BrushStyle::Solid, 0x00FF0000);  // clBlue
    const scene::PixelBuffer clear = renderBauble(scene::BrushStyle::Clear, 0x00FF0000);
    for (int dy = 0; dy < 30; ++dy) {
        for (int dx = 0; dx < 30; ++dx) {
            if (!interior(dx, dy)) continue;
            EXPECT_EQ(solid.at(184 + dx, 56 + dy), 0x0000FFu) << dx << ',' << dy;
            EXPECT_TRUE(beneath(clear, 184 + dx, 56 + dy)) << dx << ',' << dy;
        }
    }
}

TEST_F(ShapeTest, DiagCrossIsRedCrossingDiagonalsOverWhatLiesBeneath) {
    const auto hatchOf = [&](int left, int top) {
        const scene::PixelBuffer b =
            renderBauble(scene::BrushStyle::DiagCross, scene::clRed, left, top);
        std::set<std::pair<int, int>> red;  // window pixels
        int gaps = 0;
        for (int dy = 0; dy < 30; ++dy) {
            for (int dx = 0; dx < 30; ++dx) {
                if (!interior(dx, dy)) continue;
                const int x = left + dx;
                const int y = top + dy;
                if (b.at(x, y) == kRed) {
                    red.insert({x, y});
                } else {
                    EXPECT_TRUE(beneath(b, x, y)) << "a gap shows the tree at " << x << ',' << y;
                    ++gaps;
                }
            }
        }
        EXPECT_GT(gaps, static_cast<int>(red.size())) << "mostly gaps";
        return red;
    };
    const std::set<std::pair<int, int>> red = hatchOf(184, 56);
    ASSERT_GT(red.size(), 60u);

    // Every red pixel lies on a line of one slope or the other, and both slopes cross.
    int down = 0;
    int up = 0;
    int crossings =
        0;  // the two lines of an X meet between pixels: side by side, one of each slope
    const auto onDown = [&](int x, int y) {
        return red.count({x + 1, y + 1}) || red.count({x - 1, y - 1});
    };
    const auto onUp = [&](int x, int y) {
        return red.count({x + 1, y - 1}) || red.count({x - 1, y + 1});
    };
    for (auto [x, y] : red) {
        EXPECT_TRUE(onDown(x, y) || onUp(x, y)) << x << ',' << y;
        down += onDown(x, y);
        up += onUp(x, y);
        crossings += red.count({x + 1, y}) && onDown(x, y) && onUp(x + 1, y);
    }
    EXPECT_GT(down, 25);
    EXPECT_GT(up, 25);
    EXPECT_GT(crossings, 3);
    // The lines are close: along the middle row every 8 pixels hold a red one.
    for (int x = 184 + 2; x + 8 <= 184 + 28; ++x) {
        bool any = false;
        for (int k = 0; k < 8; ++k) any = any || red.count({x + k, 56 + 15});
        EXPECT_TRUE(any) << "a gap wider than 8 pixels from " << x;
    }

    // The hatch is aligned to the window, not to the bauble: a bauble moved by
    // 3, 5 pixels shows the same lines where the two overlap.
    const std::set<std::pair<int, int>> moved = hatchOf(187, 61);
    int compared = 0;
    for (int y = 61; y < 86; ++y) {
        for (int x = 187; x < 214; ++x) {
            if (!interior(x - 184, y - 56) || !interior(x - 187, y - 61)) continue;
            EXPECT_EQ(red.count({x, y}), moved.count({x, y})) << x << ',' << y;
            ++compared;
        }
    }
    EXPECT_GT(compared, 200);
}

TEST_F(RendererTest, LabelIsABoxOfItsColourWithTheCaptionCentredAtTheTop) {
    scene::Form form;
    form.Label1().caption = " Fehler: 3";
    form.Label4().visible = true;  // over the background picture
    form.Label4().left = 300;
    form.Label4().top = 200;
    const scene::PixelBuffer b = render(form);

    const struct {
        scene::Rect rect;
        std::uint32_t box;
        std::uint32_t text;
    } labels[] = {
        {{184, 480, 209, 25}, kBlack, kWhite},
        {{300, 200, 137, 81}, 0xC0C0C0, 0x008000},
    };
    for (const auto& l : labels) {
        int textPixels = 0;
        scene::Rect ink;
        for (int y = l.rect.y; y < l.rect.bottom(); ++y) {
            for (int x = l.rect.x; x < l.rect.right(); ++x) {
                const std::uint32_t p = b.at(x, y);
                if (p == l.box) continue;
                // Anything else is the text colour or a blend of it with the box.
                const auto channel = [](std::uint32_t c, int shift) {
                    return static_cast<int>((c >> shift) & 0xFF);
                };
                for (int shift : {0, 8, 16}) {
                    const int lo = std::min(channel(l.box, shift), channel(l.text, shift));
                    const int hi = std::max(channel(l.box, shift), channel(l.text, shift));
                    ASSERT_GE(channel(p, shift), lo) << x << ',' << y;
                    ASSERT_LE(channel(p, shift), hi) << x << ',' << y;
                }
                int nearText = 0;  // channels closer to the text's colour than to the box's
                for (int shift : {0, 8, 16}) {
                    nearText += std::abs(channel(p, shift) - channel(l.text, shift)) <=
                                std::abs(channel(p, shift) - channel(l.box, shift));
                }
                textPixels += nearText == 3;
                ink = scene::unite(ink, scene::Rect{x, y, 1, 1});
            }
        }
        EXPECT_GT(textPixels, 30);
        const int leftMargin = ink.x - l.rect.x;
        const int rightMargin = l.rect.right() - ink.right();
        EXPECT_LE(std::abs(leftMargin - rightMargin), 4) << "centred";
        EXPECT_GE(ink.y - l.rect.y, 1);
        EXPECT_LE(ink.y - l.rect.y, 6) << "the text starts at the top";
    }
    // The box corners are filled: the label is opaque over the background picture.
    EXPECT_EQ(b.at(300, 200), 0xC0C0C0u);
    EXPECT_EQ(b.at(436, 280), 0xC0C0C0u);
}

TEST_F(RendererTest, CaptionIsClippedToItsLabel) {
    scene::Form form;
    scene::Component& label = form.Label2();  // 64 x 20 at 456, 20, no word wrap
    label.visible = true;
    label.caption = "WWWWWWWWWW";
    const scene::PixelBuffer b = render(form);
    int text = 0;
    for (int y = 20; y < 40; ++y) {
        for (int x = 456; x < 520; ++x) text += b.at(x, y) == kWhite;
        for (int x = 520; x < 580; ++x) EXPECT_TRUE(origin(b, x, y).has_value()) << x << ',' << y;
    }
    EXPECT_GT(text, 50);
    for (int x = 456; x < 520; ++x) EXPECT_TRUE(origin(b, x, 40).has_value()) << "below the label";

    // A new caption shows at once: the cache holds captions, not labels.
    label.caption = "I";
    const scene::PixelBuffer narrow = render(form);
    int narrowText = 0;
    for (int y = 20; y < 40; ++y) {
        for (int x = 456; x < 520; ++x) narrowText += narrow.at(x, y) == kWhite;
    }
    EXPECT_GT(narrowText, 0);
    EXPECT_LT(narrowText * 4, text);
}

}  // namespace
