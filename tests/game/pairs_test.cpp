// Bauble looks, the help replay's passes, the pair entry and the win.
#include <gtest/gtest.h>

#include "game/texts.h"
#include "replay.h"

namespace {

using namespace replay;

class Pairs : public testing::Test {
  protected:
    void SetUp() override { run.start(); }
    // Types the symbols at positions a and b as one two-key entry.
    void type(int a, int b) {
        run.game.FormKeyDown(keyAt(run, a));
        run.game.FormKeyDown(keyAt(run, b));
    }
    const std::string& symbol(int k) const {
        return (*run.game.state.dealSymbolList)[static_cast<std::size_t>(k)];
    }

    scene::HeadlessRun run{4242};
    game::Game& g = run.game;
    game::GameState& s = run.game.state;
    scene::Form& form = run.form;
};

TEST_F(Pairs, PaintingAndCoveringOneBauble) {
    struct Case {
        void (game::Game::*operation)();
        std::int32_t game::GameState::*field;
        int position;
        int shape;  // 0: no shape changes
        scene::Colour colour;
        scene::BrushStyle style;
    };
    using S = scene::BrushStyle;
    const Case cases[] = {
        {&game::Game::PaintFirstBauble, &game::GameState::firstPos, 5, 6, 0x00FF0000, S::Solid},
        {&game::Game::PaintSecondBauble, &game::GameState::secondPos, 31, 32, 0x0000FFFF, S::Solid},
        {&game::Game::PaintFirstBauble, &game::GameState::firstPos, 22, 23, scene::clRed, S::Solid},
        {&game::Game::CoverBauble, &game::GameState::coverPos, 22, 23, scene::clRed, S::DiagCross},
        {&game::Game::PaintFirstBauble, &game::GameState::firstPos, -1, 0, 0, S::Solid},
        {&game::Game::PaintSecondBauble, &game::GameState::secondPos, 32, 0, 0, S::Solid},
        {&game::Game::CoverBauble, &game::GameState::coverPos, -1, 0, 0, S::Solid},
        {&game::Game::CoverBauble, &game::GameState::coverPos, 32, 0, 0, S::Solid},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        scene::HeadlessRun fresh;
        fresh.start();
        if (c.operation != &game::Game::CoverBauble) {
            // From the covered look to the painted one.
            fresh.game.state.coverPos = c.position;
        }
        const scene::Components before = fresh.form.components;
        fresh.game.state.*c.field = c.position;
        (fresh.game.*c.operation)();
        if (c.shape == 0) {
            EXPECT_EQ(fresh.form.components, before);
            continue;
        }
        const scene::Component& shape = fresh.form.Shape(c.shape);
        EXPECT_EQ(shape.brushColour, c.colour);
        EXPECT_EQ(shape.brushStyle, c.style);
        EXPECT_FALSE(shape.visible) << "painting never shows a bauble";
        (fresh.game.*c.operation)();  // twice looks like once
        EXPECT_EQ(fresh.form.Shape(c.shape), shape);
    }
}

TEST_F(Pairs, EntriesThatAreNoPair) {
    struct Case {
        int first, second;
    };
    // Reverse order, same symbol twice, neighbours of different pairs.
    const Case cases[] = {{1, 0}, {4, 4}, {3, 4}, {0, 3}, {7, 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << " " << c.second);
        scene::HeadlessRun fresh(4242);
        fresh.start();
        const scene::Components before = fresh.form.components;
        fresh.game.FormKeyDown(keyAt(fresh, c.first));
        fresh.game.FormKeyDown(keyAt(fresh, c.second));
        const auto& st = fresh.game.state;
        EXPECT_EQ(fresh.form.Label2().caption,
                  (*st.dealSymbolList)[static_cast<std::size_t>(c.first)]);
        EXPECT_EQ(fresh.form.Label3().caption,
                  (*st.dealSymbolList)[static_cast<std::size_t>(c.second)]);
        for (bool f : st.found) EXPECT_FALSE(f);
        EXPECT_EQ(fresh.form.Label4().caption, before[41].caption);
        EXPECT_EQ(fresh.form.ImageS(), before[1]);
        for (int n = 1; n <= 32; ++n) {
            EXPECT_EQ(fresh.form.Shape(n).brushStyle, scene::BrushStyle::DiagCross) << n;
        }
    }
}

TEST_F(Pairs, AcceptedPairPaintsAndShowsTheHelpCounter) {
    type(6, 7);
    EXPECT_TRUE(s.found[6] && s.found[7]);
    EXPECT_EQ(form.Shape(7).brushStyle, scene::BrushStyle::Solid);
    EXPECT_EQ(form.Shape(8).brushColour, game::pairColors[3]);
    EXPECT_EQ(form.Label4().caption, "0" + std::string(game::texts::kHelpPressed));
    EXPECT_FALSE(form.ImageS().visible);
    EXPECT_EQ(form.Label2().caption, symbol(6));
    EXPECT_EQ(form.Label3().caption, symbol(7));
    // A solved pair typed again is accepted again.
    type(6, 7);
    EXPECT_TRUE(s.found[6] && s.found[7]);

    // The replay skips the solved pair, without a pause; the cover leaves it coloured.
    run.game.FormKeyDown(vk::F2);
    EXPECT_EQ(run.platform.pauses().size(), 15u);
    EXPECT_EQ(form.Shape(7).brushStyle, scene::BrushStyle::Solid);
    EXPECT_EQ(form.Shape(9).brushStyle, scene::BrushStyle::DiagCross);
    EXPECT_EQ(s.coverPos, 31);
}

TEST_F(Pairs, AllSixteenPairsWinAndANewDealUndoesIt) {
    for (int m = 0; m < 16; ++m) type(2 * m, 2 * m + 1);
    EXPECT_EQ(form.Label4().caption, game::texts::kGreeting);
    EXPECT_TRUE(form.ImageS().visible);
    EXPECT_EQ(form.ImageS().left, 135);
    EXPECT_EQ(form.ImageS().top, -5);
    for (int n = 1; n <= 32; ++n) EXPECT_EQ(form.Shape(n).brushStyle, scene::BrushStyle::Solid);

    // Everything solved: the replay shows nothing and only empties the labels.
    run.game.FormKeyDown(vk::F2);
    EXPECT_TRUE(run.platform.pauses().empty());
    EXPECT_EQ(form.Label2().caption, "");
    EXPECT_EQ(form.Label4().caption, "1" + std::string(game::texts::kHelpPressed));

    run.game.FormKeyDown(vk::F9);
    for (bool f : s.found) EXPECT_FALSE(f);
    for (int n = 1; n <= 32; ++n) EXPECT_EQ(form.Shape(n).brushStyle, scene::BrushStyle::DiagCross);
    type(0, 1);
    EXPECT_EQ(form.Label4().caption, "2" + std::string(game::texts::kHelpPressed));
    EXPECT_FALSE(form.ImageS().visible);
}

TEST_F(Pairs, EntryOutOfStepAfterAnArrowKey) {
    // The arrow key takes the place of a first key, so the first symbol is a second key.
    run.game.FormKeyDown(vk::Right);
    type(0, 1);
    EXPECT_EQ(form.Label3().caption, symbol(0));
    EXPECT_EQ(form.Label2().caption, symbol(1));
    EXPECT_FALSE(s.found[0]);
    EXPECT_EQ(s.keyCount, 1);
    // One more key puts the entry back in step.
    run.game.FormKeyDown(vk::Shift);
    type(0, 1);
    EXPECT_TRUE(s.found[0] && s.found[1]);
}

TEST_F(Pairs, SecondKeyIsTestedAgainstTheOldFirstPosition) {
    // After a replay firstPos is 30, so the symbol at 31 alone, as a second key, solves pair 15.
    run.game.FormKeyDown(vk::F2);
    run.game.FormKeyDown(vk::Space);
    run.game.FormKeyDown(keyAt(run, 31));
    EXPECT_TRUE(s.found[30] && s.found[31]);
    EXPECT_EQ(form.Label2().caption, "");
}

TEST_F(Pairs, CodesWithoutASymbolReadNoList) {
    for (std::uint16_t code = 58; code <= 64; ++code) {
        run.game.FormKeyDown(code);
        EXPECT_EQ(s.firstPos, -1);
        run.game.FormKeyDown(code);
        EXPECT_EQ(s.secondPos, -1);
        EXPECT_EQ(form.Label2().caption, "");
        EXPECT_EQ(form.Label3().caption, "");
    }
    for (bool f : s.found) EXPECT_FALSE(f);
    // A symbol key after them still works.
    type(2, 3);
    EXPECT_TRUE(s.found[2]);
}

TEST_F(Pairs, SymbolKeysDuringTheApproachHideTheOffTrackStar) {
    form.ImageS().left = 10;
    type(4, 5);
    EXPECT_FALSE(form.ImageS().visible);
    EXPECT_EQ(form.ImageS().left, 10);
}

}  // namespace
