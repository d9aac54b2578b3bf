// The random deal and its biased first draw.
#include <gtest/gtest.h>

#include <set>

#include "replay.h"

namespace {

// Checks the invariants of a deal: three lists of 32, a permutation, and
// entries k of the three lists describing the same symbol.
void expectWholeDeal(const game::GameState& s) {
    ASSERT_EQ(s.dealIndexList->count(), 32u);
    ASSERT_EQ(s.dealKeyList->count(), 32u);
    ASSERT_EQ(s.dealSymbolList->count(), 32u);
    std::set<int> indices;
    for (std::size_t k = 0; k < 32; ++k) {
        const int index = std::stoi((*s.dealIndexList)[k]);
        ASSERT_GE(index, 0);
        ASSERT_LT(index, 32);
        indices.insert(index);
        const auto i = static_cast<std::size_t>(index);
        EXPECT_EQ((*s.dealIndexList)[k], std::to_string(index));
        EXPECT_EQ((*s.dealKeyList)[k], std::to_string(game::symbolKeyCodes[i]));
        EXPECT_EQ((*s.dealSymbolList)[k], game::symbolTexts()[i]);
    }
    EXPECT_EQ(indices.size(), 32u);
}

TEST(Deal, SymbolTables) {
    EXPECT_EQ(game::symbolTexts()[0], "1");
    EXPECT_EQ(game::symbolTexts()[8], "9");
    EXPECT_EQ(game::symbolTexts()[9], "A");
    EXPECT_EQ(game::symbolTexts()[31], "W");
    for (std::size_t i = 0; i < 32; ++i) {
        EXPECT_EQ(game::symbolTexts()[i],
                  std::string(1, static_cast<char>(game::symbolKeyCodes[i])));
    }
}

TEST(Deal, FirstDealOfEveryRunPutsTheOneFirst) {
    for (std::int64_t seed : {0LL, 1LL, 1765400000LL, 2147483647LL}) {
        scene::HeadlessRun run(seed);
        run.start();
        const game::GameState& s = run.game.state;
        EXPECT_EQ((*s.dealIndexList)[0], "0");
        EXPECT_EQ((*s.dealKeyList)[0], "49");
        EXPECT_EQ((*s.dealSymbolList)[0], "1");
        expectWholeDeal(s);
    }
}

TEST(Deal, PositionZeroIsBoundedByTheDealCounterThroughItsWholeCycle) {
    scene::HeadlessRun run(99);
    run.start();
    game::GameState& s = run.game.state;
    std::set<int> seenFirst;
    for (int deal = 2; deal <= 70; ++deal) {
        s.found.fill(true);
        run.game.DealBaubles();
        const int counter = deal % 32;
        ASSERT_EQ(s.dealCounter, counter) << deal;
        const int first = std::stoi((*s.dealIndexList)[0]);
        if (counter <= 1) {
            EXPECT_EQ(first, 0) << "deal " << deal;
        } else {
            EXPECT_LT(first, counter) << "deal " << deal;
        }
        seenFirst.insert(first);
        expectWholeDeal(s);
        for (bool f : s.found) ASSERT_FALSE(f);
    }
    EXPECT_GT(seenFirst.size(), 5u) << "the first draw is random below the counter";
}

TEST(Deal, SameSecondSameDealAndADealPaintsNothing) {
    scene::HeadlessRun a(1765400000), b(1765400000), c(1765400001);
    a.start();
    b.start();
    c.start();
    std::vector<std::string> da, db, dc;
    for (std::size_t k = 0; k < 32; ++k) {
        da.push_back((*a.game.state.dealSymbolList)[k]);
        db.push_back((*b.game.state.dealSymbolList)[k]);
        dc.push_back((*c.game.state.dealSymbolList)[k]);
    }
    EXPECT_EQ(da, db);
    EXPECT_NE(da, dc);

    a.game.state.firstPos = 4;
    a.game.PaintFirstBauble();
    const scene::Components before = a.form.components;
    a.game.DealBaubles();
    EXPECT_EQ(a.form.components, before);
}

TEST(Deal, RandomBelowZeroDrawsNothing) {
    scene::HeadlessRun a(5), b(5);
    a.start();
    b.start();
    EXPECT_EQ(a.game.RandomBelow(0), 0);
    EXPECT_EQ(a.game.RandomBelow(1000), b.game.RandomBelow(1000));
    for (int i = 0; i < 1000; ++i) {
        const int v = a.game.RandomBelow(32);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 32);
    }
}

}  // namespace
