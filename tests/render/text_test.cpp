#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scene/cp1252.h"
#include "scene/fonts.h"
#include "scene/text_layout.h"

namespace {

using scene::Alignment;
using scene::Typeface;

std::vector<std::string> textsOf(const scene::TextLayout& layout) {
    std::vector<std::string> texts;
    for (const scene::TextLine& line : layout.lines) texts.push_back(line.text);
    return texts;
}

int widthOf(TTF_Font* font, const std::string& text) {
    int w = 0;
    int h = 0;
    EXPECT_EQ(TTF_SizeUTF8(font, text.c_str(), &w, &h), 0);
    return w;
}

class TextTest : public testing::Test {
  protected:
    scene::Fonts fonts;
    TTF_Font* sans = fonts.get(Typeface::SansBoldItalic, 16);
};

TEST_F(TextTest, LabelFontsAreTheMetricCompatibleFaces) {
    const struct {
        scene::Font font;
        const char* family;
        const char* style;
    } cases[] = {
        {{scene::Face::TimesNewRoman, 16, scene::clWhite, false, true},
         "Liberation Serif",
         "Italic"},
        {{scene::Face::MsSansSerif, 16, scene::clWhite, true, true},
         "Liberation Sans",
         "Bold Italic"},
        {{scene::Face::MsSansSerif, 16, scene::clGreen, true, true},
         "Liberation Sans",
         "Bold Italic"},
        {{scene::Face::MsSansSerif, 16, scene::clWhite, false, false},
         "Liberation Sans",
         "Regular"},
        {{scene::Face::MsSansSerif, 16, scene::clWhite, true, false}, "Liberation Sans", "Bold"},
    };
    for (const auto& c : cases) {
        TTF_Font* font = fonts.forLabel(c.font);
        ASSERT_NE(font, nullptr);
        EXPECT_STREQ(TTF_FontFaceFamilyName(font), c.family);
        EXPECT_STREQ(TTF_FontFaceStyleName(font), c.style);
    }
}

TEST_F(TextTest, FontHeightIsTheEmInPixels) {
    // A capital H is about 0.73 em tall in these faces: 11 to 12 pixels at a 16-pixel em,
    // where a size taken as points at 96 dpi would give about 15.
    for (Typeface face :
         {Typeface::SerifItalic, Typeface::SansBoldItalic, Typeface::Sans, Typeface::SansBold}) {
        TTF_Font* font = fonts.get(face, 16);
        int minX = 0, maxX = 0, minY = 0, maxY = 0, advance = 0;
        ASSERT_EQ(TTF_GlyphMetrics(font, 'H', &minX, &maxX, &minY, &maxY, &advance), 0);
        EXPECT_GE(maxY - minY, 11);
        EXPECT_LE(maxY - minY, 12);
        EXPECT_EQ(fonts.get(face, 16), font) << "an open face is kept";
    }
    EXPECT_NE(fonts.get(Typeface::Sans, 12), fonts.get(Typeface::Sans, 16));
}

TEST(Fonts, SeveralOwnersShareSdlTtf) {
    scene::Fonts first;
    {
        scene::Fonts second;
        EXPECT_EQ(TTF_WasInit(), 2);
        ASSERT_NE(second.get(Typeface::Sans, 16), nullptr);
    }
    EXPECT_EQ(TTF_WasInit(), 1);
    TTF_Font* font = first.get(Typeface::Sans, 16);
    ASSERT_NE(font, nullptr);
    EXPECT_GT(widthOf(font, "still works"), 0);
}

TEST_F(TextTest, WordWrapBreaksAtSpaces) {
    const int oneLine = widthOf(sans, "Frohe Weihnachten");
    const int twoWords = widthOf(sans, "Frohe Weihnachten w\xC3\xBCnscht");
    const struct {
        const char* text;
        int width;
        std::vector<std::string> lines;
    } cases[] = {
        {"Frohe Weihnachten", oneLine, {"Frohe Weihnachten"}},
        {"Frohe Weihnachten", oneLine - 1, {"Frohe", "Weihnachten"}},
        {"Frohe Weihnachten w\xC3\xBCnscht Tovald",
         twoWords - 1,
         {"Frohe Weihnachten", "w\xC3\xBCnscht Tovald"}},
        // The spaces at a break vanish; those before the first word stay.
        {" Frohe   Weihnachten  ", oneLine - 1, {" Frohe", "Weihnachten"}},
        {"", 100, {}},
        // Line feeds always break, and an empty line keeps its place.
        {"Frohe\nWeihnachten", 500, {"Frohe", "Weihnachten"}},
        {"Frohe\r\nWeihnachten\r\rTovald", 500, {"Frohe", "Weihnachten", "", "Tovald"}},
    };
    for (const auto& c : cases) {
        const scene::TextLayout layout =
            scene::layoutText(sans, c.text, c.width, Alignment::Left, true);
        EXPECT_EQ(textsOf(layout), c.lines) << '"' << c.text << "\" in " << c.width;
        for (std::size_t i = 0; i < layout.lines.size(); ++i) {
            EXPECT_LE(layout.lines[i].width, c.width) << c.text;
            EXPECT_EQ(layout.lines[i].y, static_cast<int>(i) * TTF_FontLineSkip(sans));
        }
        EXPECT_EQ(layout.height, static_cast<int>(c.lines.size()) * TTF_FontLineSkip(sans));
    }
}

TEST_F(TextTest, WordWiderThanTheBoxBreaksBetweenCharacters) {
    const std::string word = "Weihnachtsb\xC3\xA4ume";
    const scene::TextLayout layout =
        scene::layoutText(sans, "ab " + word + " cd", 40, Alignment::Left, true);
    ASSERT_GE(layout.lines.size(), 4u);
    EXPECT_EQ(layout.lines.front().text, "ab");
    EXPECT_EQ(layout.lines.back().text, "cd");
    std::string joined;
    for (std::size_t i = 1; i + 1 < layout.lines.size(); ++i) {
        const scene::TextLine& line = layout.lines[i];
        EXPECT_LE(line.width, 40) << line.text;
        // Each piece is as long as fits: one more character would not.
        if (i + 2 < layout.lines.size()) {
            const std::string& next = layout.lines[i + 1].text;
            const std::size_t len = (static_cast<unsigned char>(next[0]) & 0x80) ? 2 : 1;
            EXPECT_GT(widthOf(sans, line.text + next.substr(0, len)), 40) << line.text;
        }
        joined += line.text;
    }
    EXPECT_EQ(joined, word) << "the ä is not split";

    // Even a box narrower than any character takes one character per line.
    EXPECT_EQ(textsOf(scene::layoutText(sans, "\xC3\xA4x", 1, Alignment::Left, true)),
              (std::vector<std::string>{"\xC3\xA4", "x"}));
}

TEST_F(TextTest, AlignmentAndSingleLine) {
    const std::string text = "Hilfe = Taste \"F2\"";
    const int width = widthOf(sans, text);
    const scene::TextLayout centred = scene::layoutText(sans, text, 137, Alignment::Center, true);
    ASSERT_EQ(centred.lines.size(), 1u);
    EXPECT_EQ(centred.lines[0].x, (137 - width) / 2);
    EXPECT_EQ(centred.width, width);

    EXPECT_EQ(scene::layoutText(sans, text, 137, Alignment::Left, true).lines[0].x, 0);

    // Without word wrap a line too wide for the box stays whole, centred over both edges.
    const scene::TextLayout single = scene::layoutText(sans, text, 40, Alignment::Center, false);
    ASSERT_EQ(single.lines.size(), 1u);
    EXPECT_EQ(single.lines[0].text, text);
    EXPECT_EQ(single.lines[0].x, (40 - width) / 2);
    EXPECT_LT(single.lines[0].x, 0);
}

// The rows of `image` that hold ink, as [first, last]; {-1, -1} if none.
std::pair<int, int> inkRows(const scene::TextImage& image) {
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.bounds.h; ++y) {
        for (int x = 0; x < image.bounds.w; ++x) {
            if (image.alpha[static_cast<std::size_t>(y * image.bounds.w + x)] > 128) {
                if (first < 0) first = y + image.bounds.y;
                last = y + image.bounds.y;
            }
        }
    }
    return {first, last};
}

TEST_F(TextTest, UmlautsHaveTheirDotsAboveTheLetter) {
    TTF_Font* serif = fonts.get(Typeface::SerifItalic, 16);
    for (TTF_Font* font : {sans, serif}) {
        for (const auto& [plain, umlaut] :
             {std::pair{"u", "\xFC"}, std::pair{"a", "\xE4"}, std::pair{"o", "\xF6"}}) {
            const auto render = [&](const char* cp1252) {
                return scene::renderText(font, scene::layoutText(font, scene::cp1252ToUtf8(cp1252),
                                                                 50, Alignment::Left, false));
            };
            const auto [plainTop, plainBottom] = inkRows(render(plain));
            const auto [umlautTop, umlautBottom] = inkRows(render(umlaut));
            ASSERT_GE(plainTop, 0);
            EXPECT_LE(umlautTop, plainTop - 2) << "the dots stand above the x-height";
            EXPECT_EQ(umlautBottom, plainBottom);
        }
        // The capital umlauts and ß are glyphs of their own, not the replacement box.
        const scene::TextImage upper = scene::renderText(
            font, scene::layoutText(font, scene::cp1252ToUtf8("\xC4"), 50, Alignment::Left, false));
        const scene::TextImage plainUpper =
            scene::renderText(font, scene::layoutText(font, "A", 50, Alignment::Left, false));
        EXPECT_LT(inkRows(upper).first, inkRows(plainUpper).first);
    }
}

TEST_F(TextTest, DrawnTextBlendsInItsColourInsideTheClipOnly) {
    const scene::TextLayout layout = scene::layoutText(sans, "WWWW", 200, Alignment::Left, false);
    scene::PixelBuffer target(100, 30, 0x00102030);
    const scene::Rect clip{5, 0, 30, 30};
    scene::drawText(target, sans, layout, 0, 2, 0x00FF8000, clip);

    int full = 0;
    int partial = 0;
    for (int y = 0; y < target.height; ++y) {
        for (int x = 0; x < target.width; ++x) {
            const std::uint32_t p = target.at(x, y);
            if (!clip.contains(x, y)) {
                ASSERT_EQ(p, 0x00102030u) << "outside the clip at " << x << ',' << y;
            } else if (p == 0x00FF8000) {
                ++full;
            } else if (p != 0x00102030) {
                ++partial;
                // Between the text colour and the background, channel by channel.
                EXPECT_GE((p >> 16) & 0xFF, 0x10u);
                EXPECT_LE(p & 0xFF, 0x30u);
            }
        }
    }
    EXPECT_GT(full, 20);
    EXPECT_GT(partial, 5) << "anti-aliased edges";
}

}  // namespace
