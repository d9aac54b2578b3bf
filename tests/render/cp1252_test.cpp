#include "scene/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Reads UTF-8 back into code points, rejecting anything malformed.
std::u32string decodeUtf8(const std::string& s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto lead = static_cast<unsigned char>(s[i]);
        const int extra = lead < 0x80 ? 0 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size()) {
            ADD_FAILURE() << "bad UTF-8 at byte " << i;
            return out;
        }
        char32_t cp = extra == 0 ? lead : extra == 1 ? (lead & 0x1F) : (lead & 0x0F);
        for (int k = 1; k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((c & 0xC0) != 0x80) {
                ADD_FAILURE() << "bad continuation at byte " << i + static_cast<std::size_t>(k);
                return out;
            }
            cp = (cp << 6) | (c & 0x3F);
        }
        out += cp;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

TEST(Cp1252, CodePointsOfTheCodePage) {
    const struct {
        unsigned char byte;
        char32_t codePoint;
    } cases[] = {
        {0x00, 0x0000}, {'A', 0x0041},  {0x7F, 0x007F}, {0x80, 0x20AC}, {0x81, 0xFFFD},
        {0x84, 0x201E}, {0x8A, 0x0160}, {0x8D, 0xFFFD}, {0x8F, 0xFFFD}, {0x90, 0xFFFD},
        {0x93, 0x201C}, {0x96, 0x2013}, {0x9D, 0xFFFD}, {0x9F, 0x0178}, {0xA0, 0x00A0},
        {0xC4, 0x00C4}, {0xD6, 0x00D6}, {0xDC, 0x00DC}, {0xDF, 0x00DF}, {0xE4, 0x00E4},
        {0xF6, 0x00F6}, {0xFC, 0x00FC}, {0xFF, 0x00FF},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(scene::cp1252CodePoint(c.byte), c.codePoint) << "byte " << int{c.byte};
    }
}

TEST(Cp1252, EveryByteBecomesWellFormedUtf8OfItsCodePoint) {
    std::string all;
    std::u32string expected;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
        expected += scene::cp1252CodePoint(static_cast<unsigned char>(b));
    }
    EXPECT_EQ(decodeUtf8(scene::cp1252ToUtf8(all)), expected);
}

TEST(Cp1252, GermanTextBecomesUtf8) {
    EXPECT_EQ(scene::cp1252ToUtf8("Gl\xFC"
                                  "hwein m\xFC\xDF"
                                  "t \xC4\xD6\xDC\xE4\xF6"),
              "Gl\xC3\xBChwein m\xC3\xBC\xC3\x9Ft \xC3\x84\xC3\x96\xC3\x9C\xC3\xA4\xC3\xB6");
    EXPECT_EQ(scene::cp1252ToUtf8(""), "");
}

}  // namespace
