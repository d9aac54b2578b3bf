// The player's texts: exact lengths in Windows-1252, umlauts as single bytes.
#include "game/texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

namespace {

using namespace game::texts;

struct TextCase {
    std::string_view name;
    std::string_view text;
    std::size_t length;
    std::string_view umlauts;  // the 8-bit letters it holds, in order
};

class TextsTest : public testing::TestWithParam<TextCase> {};

TEST_P(TextsTest, LengthAndUmlautsInWindows1252) {
    const TextCase& c = GetParam();
    EXPECT_EQ(c.text.size(), c.length);
    std::string high;
    std::copy_if(c.text.begin(), c.text.end(), std::back_inserter(high),
                 [](char ch) { return static_cast<unsigned char>(ch) >= 0x80; });
    EXPECT_EQ(high, c.umlauts);
}

INSTANTIATE_TEST_SUITE_P(
    AllTexts, TextsTest,
    testing::Values(TextCase{"introduction", kIntroduction, 359, "\xFC\xFC\xFC\xFC\xDF"},
                    TextCase{"landing", kLanding, 342, "\xF6\xFC\xFC\xFC\xFC"},
                    TextCase{"errors", kErrors, 9, ""}, TextCase{"help", kHelpPressed, 20, "\xFC"},
                    TextCase{"greeting", kGreeting, 32, "\xFC"},
                    TextCase{"hint", kHelpHint, 18, ""},
                    TextCase{"caption", kWindowCaption, 19, ""},
                    TextCase{"box", kBoxCaption, 6, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextsTest, IntroductionLinesAndSpaces) {
    // Three lines, a space on each side of both line feeds, a space at the end.
    EXPECT_EQ(std::count(kIntroduction.begin(), kIntroduction.end(), '\n'), 2);
    EXPECT_NE(kIntroduction.find("Flugzeug! \n Aber"), std::string_view::npos);
    EXPECT_NE(kIntroduction.find("getrunken. \n Zum"), std::string_view::npos);
    EXPECT_TRUE(kIntroduction.starts_with("Der Weihnachtsbaum"));
    EXPECT_TRUE(kIntroduction.ends_with("Gegenlenken. "));
    EXPECT_TRUE(kLanding.ends_with("gestartet. "));
    EXPECT_EQ(kLanding.find('\n'), std::string_view::npos);
    EXPECT_TRUE(kErrors.starts_with(' ') && kErrors.ends_with(' '));
    EXPECT_TRUE(kHelpPressed.starts_with(' '));
}

}  // namespace
