// Start values, start-up and shut-down.
#include <gtest/gtest.h>

#include "game/texts.h"
#include "replay.h"

namespace {

using namespace replay;

TEST(Lifecycle, StartValuesBeforeStartUp) {
    scene::HeadlessRun run;
    const game::GameState& s = run.game.state;
    EXPECT_EQ(s.errorCount, 0);
    EXPECT_EQ(s.keyCode, 0);
    EXPECT_EQ(s.altitude, 0);
    EXPECT_EQ(s.planeX, 0);
    EXPECT_EQ(s.cellRow, 0);
    EXPECT_EQ(s.cellCol, 0);
    EXPECT_TRUE(s.rowText.empty() && s.colText.empty());
    EXPECT_FALSE(s.steerLeft);
    EXPECT_FALSE(s.steerUp);
    EXPECT_EQ(s.keyCount, 0);
    EXPECT_EQ(s.dealCounter, 0);
    EXPECT_EQ(s.helpCount, 0);
    EXPECT_FALSE(s.helpReveal);
    EXPECT_FALSE(s.trackList || s.dealIndexList || s.dealKeyList || s.dealSymbolList);
    for (bool f : s.found) EXPECT_FALSE(f);
}

TEST(Lifecycle, StartUpShowsTheIntroductionAndPreparesEverything) {
    scene::HeadlessRun run(1700000000);
    run.start();
    const game::GameState& s = run.game.state;

    ASSERT_EQ(run.platform.boxes().size(), 1u);
    EXPECT_EQ(run.platform.boxes()[0].caption, game::texts::kBoxCaption);
    EXPECT_EQ(run.platform.boxes()[0].text, game::texts::kIntroduction);

    EXPECT_TRUE(s.steerLeft);
    EXPECT_TRUE(s.steerUp);
    EXPECT_EQ(s.keyCount, 0);
    EXPECT_EQ(s.helpCount, 0);
    EXPECT_EQ(s.dealCounter, 1);
    ASSERT_TRUE(s.trackList);
    EXPECT_EQ(s.trackList->count(), 480u);
    EXPECT_EQ(s.dealIndexList->count(), 32u);
    EXPECT_EQ(s.dealKeyList->count(), 32u);
    EXPECT_EQ(s.dealSymbolList->count(), 32u);
    EXPECT_EQ(s.coverPos, 31);
    // The start-up cover pass: every bauble covered, still hidden; no repaint, no pause.
    for (int n = 1; n <= 32; ++n) {
        EXPECT_EQ(run.form.Shape(n).brushStyle, scene::BrushStyle::DiagCross) << n;
        EXPECT_EQ(run.form.Shape(n).brushColour, scene::clRed) << n;
        EXPECT_FALSE(run.form.Shape(n).visible) << n;
    }
    EXPECT_TRUE(run.platform.repaints().empty());
    EXPECT_TRUE(run.platform.pauses().empty());
    // The start scene: nothing runs until the space bar.
    EXPECT_FALSE(run.form.Timer1().enabled || run.form.Timer2().enabled ||
                 run.form.Timer3().enabled);
    EXPECT_TRUE(run.form.Image1().visible && run.form.ImageS().visible &&
                run.form.Label1().visible && run.form.Image3().visible);
    EXPECT_EQ(run.form.Label1().caption, "");
}

TEST(Lifecycle, KeysTypedWhileTheIntroductionIsOpenGoToTheBox) {
    scene::HeadlessRun run;
    run.platform.setBoxTime(ms(2000));
    run.platform.press(ms(500), vk::Space);
    run.platform.press(ms(2500), vk::Shift);
    run.start();
    runUntil(run, ms(3000));
    EXPECT_FALSE(run.form.Timer1().enabled) << "the space bar closed the box, it did not climb";
    EXPECT_EQ(run.game.state.keyCode, 16);
    EXPECT_EQ(run.game.state.keyCount, 1);
}

TEST(Lifecycle, CloseFreesTheListsAndNoHandlerRunsAfterIt) {
    scene::HeadlessRun run;
    run.start();
    run.platform.press(ms(100), vk::Space);
    run.platform.requestClose(ms(500));
    run.platform.press(ms(600), vk::Space);
    runUntil(run, ms(2000));
    EXPECT_TRUE(run.loop.closed());
    EXPECT_FALSE(run.game.state.trackList || run.game.state.dealIndexList ||
                 run.game.state.dealKeyList || run.game.state.dealSymbolList);
    // Climb ticks ran until the close, and none after it.
    EXPECT_EQ(run.game.state.altitude, (500 - 100) / 36);
    EXPECT_EQ(run.game.state.keyCount, 1);
}

}  // namespace
