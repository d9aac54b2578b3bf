// Every key press: flight keys, the two-key entry, help, export and new deal.
#include <gtest/gtest.h>

#include <filesystem>

#include "game/texts.h"
#include "replay.h"

namespace {

using namespace replay;

class KeyDispatcher : public testing::Test {
  protected:
    void SetUp() override { run.start(); }
    void press(std::uint16_t key) { run.game.FormKeyDown(key); }
    std::size_t pauses() const { return run.platform.pauses().size(); }

    scene::HeadlessRun run{1234};
    game::GameState& s = run.game.state;
    scene::Form& form = run.form;
};

TEST_F(KeyDispatcher, FlightKeysSetHeadingNudgeAndStartTimers) {
    struct Case {
        std::uint16_t key;
        int planeX, altitude;
        bool steerLeft, steerUp, timer1, drift;
    };
    const Case cases[] = {
        {vk::Space, 0, 0, true, true, true, false},  {vk::Left, -1, 0, true, true, false, true},
        {vk::Right, 1, 0, false, true, false, true}, {vk::Up, 0, 1, true, true, false, true},
        {vk::Down, 0, -1, true, false, false, true}, {vk::Shift, 0, 0, true, true, false, false},
    };
    for (const Case& c : cases) {
        scene::HeadlessRun fresh(1234);
        fresh.start();
        fresh.game.FormKeyDown(c.key);
        const game::GameState& st = fresh.game.state;
        SCOPED_TRACE(c.key);
        EXPECT_EQ(st.planeX, c.planeX);
        EXPECT_EQ(st.altitude, c.altitude);
        EXPECT_EQ(st.steerLeft, c.steerLeft);
        EXPECT_EQ(st.steerUp, c.steerUp);
        EXPECT_EQ(fresh.form.Timer1().enabled, c.timer1);
        EXPECT_EQ(fresh.form.Timer2().enabled, c.drift);
        EXPECT_EQ(fresh.form.Timer3().enabled, c.drift);
        EXPECT_EQ(fresh.form.ImageS().visible, !(c.timer1 || c.drift))
            << "flight keys hide the star";
        EXPECT_EQ(st.keyCount, 1);
        // The key handler moves no picture: the sprite waits for the next tick.
        EXPECT_FALSE(fresh.form.ImageL().visible || fresh.form.ImageR().visible);
    }
}

TEST_F(KeyDispatcher, HeldArrowKeepsNudgingAndCounting) {
    for (int i = 0; i < 5; ++i) press(vk::Left);
    EXPECT_EQ(s.planeX, -5);
    EXPECT_EQ(s.keyCount, 1);
}

TEST_F(KeyDispatcher, TwoKeyEntryStateMachine) {
    // (state, key) -> next state, and whether the press ran a replay.
    const std::uint16_t symbol = keyAt(run, 0);
    struct Case {
        int state;
        std::uint16_t key;
        int next;
        std::size_t replayPauses;
        int deals;
    };
    const Case cases[] = {
        {0, symbol, 1, 0, 0}, {0, vk::F2, 0, 16, 0}, {0, vk::F9, 0, 16, 1}, {0, vk::Space, 1, 0, 0},
        {0, 48, 1, 0, 0},     {0, 88, 1, 0, 0},      {0, 96, 1, 0, 0},      {1, symbol, 0, 0, 0},
        {1, vk::F2, 0, 0, 0}, {1, vk::F9, 0, 0, 0},  {1, vk::F3, 0, 0, 0},  {1, vk::Up, 0, 0, 0},
    };
    for (const Case& c : cases) {
        scene::HeadlessRun fresh(1234);
        fresh.start();
        if (c.state == 1) fresh.game.FormKeyDown(vk::Shift);
        const int counter = fresh.game.state.dealCounter;
        fresh.game.FormKeyDown(c.key);
        SCOPED_TRACE(testing::Message() << "state " << c.state << " key " << c.key);
        EXPECT_EQ(fresh.game.state.keyCount, c.next);
        EXPECT_EQ(fresh.platform.pauses().size(), c.replayPauses);
        EXPECT_EQ(fresh.game.state.dealCounter, counter + c.deals);
    }
}

TEST_F(KeyDispatcher, HelpWithNothingSolvedReplaysSixteenPairsThenCovers) {
    press(vk::F2);
    const auto& repaints = run.platform.repaints();
    ASSERT_EQ(repaints.size(), 16u);
    ASSERT_EQ(pauses(), 16u);
    for (std::size_t m = 0; m < 16; ++m) {
        SCOPED_TRACE(m);
        EXPECT_EQ(repaints[m].what, "Form1");
        EXPECT_EQ(repaints[m].at, ms(1500 * static_cast<std::int64_t>(m)));
        EXPECT_EQ(run.platform.pauses()[m].milliseconds, 1500);
        // On screen: the pair's two symbols and both baubles in the pair colour.
        scene::Form shown;
        ASSERT_TRUE(repaints[m].screen);
        shown.components = *repaints[m].screen;
        EXPECT_EQ(shown.Label2().caption, (*s.dealSymbolList)[2 * m]);
        EXPECT_EQ(shown.Label3().caption, (*s.dealSymbolList)[2 * m + 1]);
        for (std::size_t k : {2 * m, 2 * m + 1}) {
            const scene::Component& bauble = shown.Shape(static_cast<int>(k) + 1);
            EXPECT_EQ(bauble.brushStyle, scene::BrushStyle::Solid);
            EXPECT_EQ(bauble.brushColour, game::pairColors[m]);
        }
        // Later pairs are still covered, earlier ones stay coloured.
        if (m < 15) {
            EXPECT_EQ(shown.Shape(static_cast<int>(2 * m) + 3).brushStyle,
                      scene::BrushStyle::DiagCross);
        }
    }
    EXPECT_EQ(run.platform.now(), ms(24000));
    EXPECT_EQ(form.Label2().caption, "");
    EXPECT_EQ(form.Label3().caption, "");
    for (int n = 1; n <= 32; ++n) EXPECT_EQ(form.Shape(n).brushStyle, scene::BrushStyle::DiagCross);
    EXPECT_EQ(s.keyCount, 0);
    EXPECT_EQ(s.helpCount, 1);
    EXPECT_EQ(form.Label4().caption, "1" + std::string(game::texts::kHelpPressed));
    EXPECT_EQ(s.firstPos, 30);
    EXPECT_EQ(s.secondPos, 31);
}

TEST_F(KeyDispatcher, NewDealsCountAsHelpsButLeaveTheCaption) {
    press(vk::F9);
    EXPECT_EQ(form.Label4().caption, game::texts::kHelpHint);
    press(vk::F9);
    press(vk::F2);
    EXPECT_EQ(form.Label4().caption, "3" + std::string(game::texts::kHelpPressed));
    EXPECT_EQ(s.dealCounter, 3);
    EXPECT_EQ(pauses(), 48u);
}

TEST_F(KeyDispatcher, NewDealInStateOneOnlyEndsTheEntry) {
    press(vk::Right);
    press(vk::F9);
    EXPECT_EQ(s.dealCounter, 1);
    EXPECT_EQ(s.keyCount, 0);
    press(vk::F9);
    EXPECT_EQ(s.dealCounter, 2);
}

TEST_F(KeyDispatcher, ShiftThenLetterAreTwoPresses) {
    // Shift is a first key of its own, so the letter is handled as a second key.
    const std::uint16_t letter = keyAt(run, 5);
    press(vk::Shift);
    press(letter);
    EXPECT_EQ(s.keyCount, 0);
    EXPECT_EQ(form.Label3().caption, (*s.dealSymbolList)[5]);
    EXPECT_EQ(form.Label2().caption, "");
    EXPECT_EQ(s.secondPos, 5);
}

TEST_F(KeyDispatcher, NonSymbolKeysOnlyCount) {
    for (std::uint16_t key : {48, 88, 89, 90, 96, 100, 105}) {
        press(key);
        EXPECT_EQ(form.Label2().caption, "") << key;
        EXPECT_EQ(form.Label3().caption, "") << key;
    }
    EXPECT_EQ(s.keyCount, 1);  // seven presses
}

TEST_F(KeyDispatcher, EveryKeyCodeIsActedOnOrIgnored) {
    const auto cwd = std::filesystem::current_path();
    const auto dir = std::filesystem::temp_directory_path() / "wf-every-key";
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    int presses = 0;
    for (std::uint32_t key = 0; key <= 65535; ++key) {
        press(static_cast<std::uint16_t>(key));
        ++presses;
        ASSERT_TRUE(s.keyCount == 0 || s.keyCount == 1) << key;
        ASSERT_EQ(s.dealIndexList->count(), 32u);
    }
    std::filesystem::current_path(cwd);
    std::filesystem::remove_all(dir);
    EXPECT_EQ(s.keyCode, 65535);
    EXPECT_TRUE(form.Timer1().enabled && form.Timer2().enabled && form.Timer3().enabled);
}

}  // namespace
