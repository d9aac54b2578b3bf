// The scenes a player sees, drawn with the built-in pictures.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "assets/pictures.h"
#include "scene/asset_pictures.h"
#include "scene/renderer.h"
#include "scenes.h"

namespace {

using assets::Picture;
using scene::Form;
using scene::Rect;

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kSilver = 0xC0C0C0;
constexpr std::uint32_t kGreen = 0x008000;

class SceneTest : public testing::Test {
  protected:
    scene::PixelBuffer render(const Form& form) {
        scene::PixelBuffer buffer(Form::kClientWidth, Form::kClientHeight, 0x00ABCDEF);
        renderer.draw(form.components, buffer, buffer.bounds());
        return buffer;
    }

    // Whether every pixel of `r` shows picture `id` placed with its corner at (left, top).
    static bool shows(const scene::PixelBuffer& b, Rect r, Picture id, int left, int top) {
        const assets::Image& image = assets::picture(id);
        for (int y = r.y; y < r.bottom(); ++y) {
            for (int x = r.x; x < r.right(); ++x) {
                if (b.at(x, y) != image.at(x - left, y - top)) {
                    ADD_FAILURE() << "at " << x << ',' << y;
                    return false;
                }
            }
        }
        return true;
    }

    static int count(const scene::PixelBuffer& b, Rect r,
                     const std::function<bool(std::uint32_t)>& pred) {
        int n = 0;
        for (int y = r.y; y < r.bottom(); ++y) {
            for (int x = r.x; x < r.right(); ++x) n += pred(b.at(x, y));
        }
        return n;
    }

    static bool grey(std::uint32_t p) {
        return (p >> 16) == ((p >> 8) & 0xFF) && (p >> 16) == (p & 0xFF);
    }

    scene::AssetPictures pictures;
    scene::Renderer renderer{pictures};
};

TEST_F(SceneTest, Start) {
    const scene::PixelBuffer b = render(Form{});
    EXPECT_EQ(b.at(82 + 3 + 1, 85 + 3 + 1), kRed) << "the runway's top bar";
    // The background wherever nothing lies on it: left of the emblem above the star, and right of
    // both.
    EXPECT_TRUE(shows(b, Rect{3, 3, 437, 409}, Picture::Background, 3, 3));
    EXPECT_TRUE(shows(b, Rect{3, 3, 593, 21}, Picture::Background, 3, 3));
    EXPECT_TRUE(shows(b, Rect{209, 185, 387, 291}, Picture::Background, 3, 3));
    EXPECT_TRUE(shows(b, Rect{440, 24, 137, 155}, Picture::Emblem, 440, 24));
    // The star over the foot of the runway: its black field hides the lowest blue dash's end.
    EXPECT_EQ(b.at(141, 411), assets::picture(Picture::Background).at(138, 408));
    EXPECT_NE(b.at(141, 411), kBlack);
    EXPECT_EQ(b.at(141, 412), kBlack);
    EXPECT_EQ(b.at(76 + 67, 412 + 25), assets::picture(Picture::Star).at(63, 25))
        << "the star's centre";
    EXPECT_NE(b.at(76 + 67, 412 + 25), kBlack);
    // Label1: an empty black box, and black below the background picture.
    EXPECT_EQ(count(b, Rect{0, 476, 596, 29}, [](std::uint32_t p) { return p != kBlack; }), 0);
}

TEST_F(SceneTest, PlanePassingOverTheStarCoversIt) {
    Form form;  // the star stays where the plane starts
    form.ImageL().visible = true;
    form.ImageL().top = 412;
    const scene::PixelBuffer b = render(form);
    EXPECT_TRUE(shows(b, Rect{80, 412, 124, 48}, Picture::PlaneLeft, 80, 412));
    EXPECT_EQ(b.at(78, 440), assets::picture(Picture::Star).at(2, 28))
        << "the star beside the plane";
}

TEST_F(SceneTest, ErrorCount) {
    Form form = render_test::climbingScene(100);
    form.Label1().caption = " Fehler: 3";
    const scene::PixelBuffer b = render(form);
    const Rect label{184, 480, 209, 25};
    EXPECT_EQ(count(b, label, [](std::uint32_t p) { return !grey(p); }), 0) << "white on black";
    EXPECT_GT(count(b, label, [](std::uint32_t p) { return (p & 0xFF) > 0xC0; }), 40);
    EXPECT_GT(count(b, label, [](std::uint32_t p) { return p == kBlack; }), 209 * 25 * 3 / 4);
    // The text stands in the middle: nothing in the outer 50 pixels on either side.
    EXPECT_EQ(count(b, Rect{184, 480, 50, 25}, [](std::uint32_t p) { return p != kBlack; }), 0);
    EXPECT_EQ(count(b, Rect{343, 480, 50, 25}, [](std::uint32_t p) { return p != kBlack; }), 0);
}

TEST_F(SceneTest, Pairs) {
    const scene::PixelBuffer b = render(render_test::pairsScene());
    // Shape1 (pair 0) is painted aqua; Shape3 (pair 1) is covered.
    EXPECT_EQ(b.at(184 + 15, 56 + 15), 0x00FFFFu);
    const assets::Image& tree = assets::picture(Picture::Tree);
    int red = 0;
    int gaps = 0;
    for (int y = 88 + 4; y < 88 + 26; ++y) {
        for (int x = 144 + 4; x < 144 + 26; ++x) {
            if (std::hypot(x + 0.5 - (144 + 15), y + 0.5 - (88 + 15)) > 13)
                continue;  // off the outline
            const std::uint32_t p = b.at(x, y);
            if (p == kRed) {
                ++red;
            } else {
                EXPECT_EQ(p, tree.at(x - 8, y - 40)) << "a gap shows the tree at " << x << ',' << y;
                ++gaps;
            }
        }
    }
    EXPECT_GT(red, 60);
    EXPECT_GT(gaps, red);
    EXPECT_EQ(b.at(144 + 15, 88), kWhite) << "the outline";

    // The tree covers Label1 but for its lowest four rows.
    EXPECT_TRUE(shows(b, Rect{184, 480, 209, 21}, Picture::Tree, 8, 40));
    EXPECT_EQ(count(b, Rect{184, 501, 209, 4}, [](std::uint32_t p) { return p != kBlack; }), 0);

    // Label4: silver with green text; Label2: the typed symbol, white on black.
    EXPECT_EQ(b.at(456, 408), kSilver);
    EXPECT_EQ(b.at(592, 488), kSilver);
    EXPECT_GT(count(b, Rect{456, 408, 137, 81}, [](std::uint32_t p) { return p == kGreen; }), 30);
    EXPECT_GT(count(b, Rect{456, 20, 64, 20}, [](std::uint32_t p) { return p == kWhite; }), 5);
}

TEST_F(SceneTest, Win) {
    const scene::PixelBuffer b = render(render_test::winScene());
    const assets::Image& star = assets::picture(Picture::Star);
    EXPECT_EQ(b.at(135 + 67, 20), star.at(63, 25)) << "the star's centre at about 202, 20";
    EXPECT_NE(b.at(135 + 67, 20), kBlack);
    // From row 40 down the tree covers the star.
    EXPECT_TRUE(shows(b, Rect{135, 40, 133, 16}, Picture::Tree, 8, 40));
    // The greeting takes three lines of Label4.
    for (int line = 0; line < 3; ++line) {
        EXPECT_GT(count(b, Rect{456, 408 + 19 * line, 137, 19},
                        [](std::uint32_t p) { return p == kGreen; }),
                  10)
            << "line " << line;
    }
}

}  // namespace
