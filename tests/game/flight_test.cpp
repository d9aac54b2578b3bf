// The plane's motion and the track check, tick by tick.
#include <gtest/gtest.h>

#include "game/texts.h"
#include "replay.h"

namespace {

using namespace replay;

class Flight : public testing::Test {
  protected:
    void SetUp() override { run.start(); }
    scene::HeadlessRun run{1};
    game::Game& g = run.game;
    game::GameState& s = run.game.state;
    scene::Form& form = run.form;
};

TEST_F(Flight, FirstClimbTickShowsTheLeftPlaneAtItsStartColumn) {
    g.FormKeyDown(vk::Space);
    g.Timer1Timer();
    EXPECT_EQ(s.altitude, 1);
    EXPECT_TRUE(form.ImageL().visible);
    EXPECT_EQ(form.ImageL().left, 80);
    EXPECT_EQ(form.ImageL().top, 399);
    EXPECT_EQ(form.ImageR().top, 399);
    EXPECT_FALSE(form.ImageR().visible);
    EXPECT_EQ(form.Label1().caption, " Fehler: 0");
    EXPECT_EQ(s.colText + "--" + s.rowText, "14--42");
    ASSERT_EQ(run.platform.repaints().size(), 1u);
    EXPECT_EQ(run.platform.repaints()[0].what, "ImageL");
    EXPECT_TRUE(run.platform.pauses().empty());
}

TEST_F(Flight, ClimbSwitchesOnTheDriftOnlyAt166AndStopsAt368Or369) {
    struct Case {
        int altitudeBefore;
        bool timer2, timer1;
    };
    const Case cases[] = {{164, false, true}, {165, true, true},   {166, false, true},
                          {366, false, true}, {367, false, false}, {368, false, false},
                          {369, false, true}};
    for (const Case& c : cases) {
        scene::HeadlessRun fresh(1);
        fresh.start();
        scene::setEnabled(fresh.form.Timer1(), true);
        fresh.game.state.altitude = c.altitudeBefore;
        fresh.game.Timer1Timer();
        SCOPED_TRACE(c.altitudeBefore + 1);
        EXPECT_EQ(fresh.form.Timer2().enabled, c.timer2);
        EXPECT_EQ(fresh.form.Timer1().enabled, c.timer1);
    }
}

TEST_F(Flight, DriftTicksMoveOnePixelAndShowTheHeading) {
    struct Case {
        bool steerLeft, steerUp;
        int timer;  // 2 or 3
        int planeX, altitude;
        bool leftShown;
    };
    const Case cases[] = {{true, true, 2, -1, 0, true},
                          {false, true, 2, 1, 0, false},
                          {true, true, 3, 0, 1, true},
                          {true, false, 3, 0, -1, true},
                          {false, false, 3, 0, -1, false}};
    for (const Case& c : cases) {
        scene::HeadlessRun fresh(1);
        fresh.start();
        fresh.game.state.steerLeft = c.steerLeft;
        fresh.game.state.steerUp = c.steerUp;
        c.timer == 2 ? fresh.game.Timer2Timer() : fresh.game.Timer3Timer();
        const scene::Component& shown = c.leftShown ? fresh.form.ImageL() : fresh.form.ImageR();
        const scene::Component& hidden = c.leftShown ? fresh.form.ImageR() : fresh.form.ImageL();
        EXPECT_EQ(fresh.game.state.planeX, c.planeX);
        EXPECT_EQ(fresh.game.state.altitude, c.altitude);
        EXPECT_TRUE(shown.visible);
        EXPECT_FALSE(hidden.visible);
        EXPECT_EQ(shown.left, c.planeX + 80);
        EXPECT_EQ(shown.top, 400 - c.altitude);
        EXPECT_EQ(fresh.platform.repaints().back().what, shown.name);
    }
}

TEST_F(Flight, OffTheTrackTheStarCoversThePlaneAndTheGamePauses) {
    s.planeX = -20;  // column 12 at row 42 is on the track; column 11 is not
    s.steerLeft = true;
    g.Timer2Timer();
    EXPECT_EQ(s.errorCount, 0);
    s.planeX = -32;
    g.Timer2Timer();  // x = 109: column 10, row 42
    EXPECT_EQ(s.errorCount, 1);
    EXPECT_FALSE(form.ImageL().visible || form.ImageR().visible);
    EXPECT_TRUE(form.ImageS().visible);
    EXPECT_EQ(form.ImageS().left, s.planeX + 70);
    EXPECT_EQ(form.ImageS().top, 400);
    ASSERT_EQ(run.platform.pauses().size(), 1u);
    EXPECT_EQ(run.platform.pauses()[0].milliseconds, 1500);
    const auto& repaints = run.platform.repaints();
    ASSERT_GE(repaints.size(), 2u);
    EXPECT_EQ(repaints.back().what, "ImageS");
    EXPECT_EQ(form.Label1().caption, " Fehler: 1");
    // Back on the track the star stays where it was.
    s.planeX = 0;
    g.Timer3Timer();
    EXPECT_TRUE(form.ImageS().visible);
    EXPECT_EQ(form.ImageS().left, -33 + 70);
    EXPECT_EQ(s.errorCount, 1);
}

TEST_F(Flight, TruncationTowardZeroAndFarAwayCells) {
    struct Case {
        int planeX, altitude;
        const char* key;
    };
    const Case cases[] = {
        {-151, 0, "00--42"},                        // x = -9 truncates to column 0
        {-161, 0, "0-1--42"}, {0, 436, "14--0-1"},  // y = -11 truncates to row -1
        {0, 426, "14--00"},                         // y = -1 truncates to row 0
        {900, 0, "104--42"},
    };
    for (const Case& c : cases) {
        scene::HeadlessRun fresh(1);
        fresh.start();
        fresh.game.state.planeX = c.planeX;
        fresh.game.state.altitude = c.altitude;
        fresh.game.CheckTrack();
        SCOPED_TRACE(c.key);
        EXPECT_EQ(fresh.game.state.errorCount, 1) << "such cells are off the track";
    }
    s.planeX = -151;
    g.CheckTrack();
    EXPECT_EQ(s.colText, "00");
    s.altitude = 436;
    s.planeX = -161;
    g.CheckTrack();
    EXPECT_EQ(s.colText, "0-1");
    EXPECT_EQ(s.rowText, "0-1");
}

TEST_F(Flight, LandingCellEndsTheFlightAfterOneMoreError) {
    // Reference point (542, 435): column 54, row 43.
    s.planeX = 400;
    s.altitude = -10;
    scene::setEnabled(form.Timer1(), true);
    scene::setEnabled(form.Timer2(), true);
    scene::setEnabled(form.Timer3(), true);
    s.keyCount = 1;
    g.CheckTrack();
    EXPECT_EQ(s.errorCount, 1);
    EXPECT_EQ(form.Label1().caption, " Fehler: 1");
    EXPECT_FALSE(form.Timer1().enabled || form.Timer2().enabled || form.Timer3().enabled);
    ASSERT_EQ(run.platform.boxes().size(), 2u);
    EXPECT_EQ(run.platform.boxes()[1].text, game::texts::kLanding);
    EXPECT_EQ(run.platform.boxes()[1].caption, "Anflug");
    EXPECT_EQ(s.keyCount, 0);
    EXPECT_TRUE(pairsSceneShown(form));
    EXPECT_FALSE(form.ImageS().visible || form.ImageL().visible || form.ImageR().visible);
    EXPECT_TRUE(form.Label1().visible);
    EXPECT_EQ(run.platform.repaints().back().what, "Form1");
}

TEST_F(Flight, FifteenthErrorLandsWhereverThePlaneIs) {
    s.errorCount = 14;
    s.planeX = -100;
    g.CheckTrack();
    EXPECT_EQ(s.errorCount, 15);
    EXPECT_EQ(s.cellCol, 54);
    EXPECT_EQ(s.cellRow, 43);
    EXPECT_EQ(form.Label1().caption, " Fehler: 15");
    EXPECT_TRUE(pairsSceneShown(form));
    // On the track the count stays at 15, so the next tick lands again at once.
    s.planeX = 0;
    s.altitude = 0;
    g.Timer3Timer();
    EXPECT_EQ(s.errorCount, 15);
    EXPECT_EQ(run.platform.boxes().size(), 3u);
}

TEST_F(Flight, ClimbTickAt166ThatLandsStillStartsTheDrift) {
    s.errorCount = 14;
    s.altitude = 165;
    s.planeX = -100;  // off the track
    scene::setEnabled(form.Timer1(), true);
    g.Timer1Timer();
    EXPECT_TRUE(pairsSceneShown(form));
    EXPECT_TRUE(form.Timer2().enabled);
    EXPECT_FALSE(form.Timer1().enabled);
}

TEST_F(Flight, WrapsInsteadOfOverflowing) {
    s.planeX = 2147483647;
    s.altitude = -2147483647 - 1;
    s.steerLeft = false;
    s.steerUp = false;
    g.Timer2Timer();
    g.Timer3Timer();
    EXPECT_EQ(s.planeX, -2147483647 - 1);
    EXPECT_EQ(s.altitude, 2147483647);
}

}  // namespace
