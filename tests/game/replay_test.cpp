// Whole games played through the event loop under the virtual clock, like
// recorded demos: a seed, timed key presses, and the end state.
#include <gtest/gtest.h>

#include <fstream>
#include <iostream>

#include "autopilot.h"
#include "game/texts.h"

namespace {

using namespace replay;

const std::string kHelp1 = "1" + std::string(game::texts::kHelpPressed);

// A timed press: a key code, or the symbol dealt to `position`.
struct Step {
    std::int64_t atMs;
    std::uint16_t key;
    int position = -1;
};

struct Demo {
    const char* name;
    std::int64_t seed;
    std::vector<Step> steps;
    std::int64_t endMs;
    // Expected end state.
    int errorCount;
    int keyCount;
    int helpCount;
    int dealCounter;
    bool pairsScene;
    std::string label1;
    std::string label4;
    int solvedPairs;
    std::size_t repaintsOfWindow;
};

void PrintTo(const Demo& d, std::ostream* os) {
    *os << d.name;
}

class Demos : public testing::TestWithParam<Demo> {};

TEST_P(Demos, EndState) {
    const Demo& d = GetParam();
    scene::HeadlessRun run(d.seed);
    run.start();
    for (const Step& step : d.steps) {
        const std::uint16_t key = step.position >= 0 ? keyAt(run, step.position) : step.key;
        run.platform.press(ms(step.atMs), key);
    }
    runUntil(run, ms(d.endMs));
    const game::GameState& s = run.game.state;
    EXPECT_EQ(s.errorCount, d.errorCount);
    EXPECT_EQ(s.keyCount, d.keyCount);
    EXPECT_EQ(s.helpCount, d.helpCount);
    EXPECT_EQ(s.dealCounter, d.dealCounter);
    EXPECT_EQ(pairsSceneShown(run.form), d.pairsScene);
    EXPECT_EQ(run.form.Label1().caption, d.label1);
    EXPECT_EQ(run.form.Label4().caption, d.label4);
    int solved = 0;
    for (int m = 0; m < 16; ++m) solved += s.found[static_cast<std::size_t>(2 * m)] ? 1 : 0;
    EXPECT_EQ(solved, d.solvedPairs);
    std::size_t windowRepaints = 0;
    for (const auto& r : run.platform.repaints()) windowRepaints += r.what == "Form1" ? 1 : 0;
    EXPECT_EQ(windowRepaints, d.repaintsOfWindow);
}

INSTANTIATE_TEST_SUITE_P(
    Recorded, Demos,
    testing::Values(
        // Steering right at once: the plane leaves the track, and the fifteenth error lands it.
        Demo{"OffTrackToTheErrorLimit",
             1,
             {{0, vk::Space}, {200, vk::Right}},
             60000,
             15,
             0,
             0,
             1,
             true,
             " Fehler: 15",
             std::string(game::texts::kHelpHint),
             0,
             1},
        // Help before the flight: 24 seconds on hidden baubles, 16 forced repaints.
        Demo{
            "HelpDuringTheApproach", 2, {{0, vk::F2}}, 30000, 0, 0, 1, 1, false, "", kHelp1, 0, 16},
        // Keys typed during the replay wait for it, then solve pair 0 in order.
        Demo{"KeysDuringTheReplayComeAfterIt",
             3,
             {{0, vk::F2}, {100, 0, 0}, {200, 0, 1}},
             30000,
             0,
             0,
             1,
             1,
             false,
             "",
             kHelp1,
             1,
             16},
        // F9 in state 1 only ends the entry; pressed again it deals and replays.
        Demo{"NewDealOnlyAsAFirstKey",
             4,
             {{0, vk::Shift}, {50, vk::F9}, {100, vk::F9}},
             30000,
             0,
             0,
             1,
             2,
             false,
             "",
             std::string(game::texts::kHelpHint),
             0,
             16},
        // An arrow key first: the two symbols of pair 0 are out of step and solve nothing.
        Demo{"EntryOutOfStepAfterAnArrow",
             5,
             {{0, vk::Shift}, {40, vk::Shift}, {80, vk::Up}, {120, 0, 0}, {160, 0, 1}},
             200,
             0,
             1,
             0,
             1,
             false,
             " Fehler: 0",
             std::string(game::texts::kHelpHint),
             0,
             0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Replay, ARunEndsAtItsStopTimeWhileEveryTickPauses) {
    // After the landing an arrow key restarts the drift off the track: every
    // tick pauses, and the overdue tick after each pause pauses again.
    scene::HeadlessRun run(1);
    run.platform.setRecordScreens(false);
    run.start();
    run.platform.press(ms(0), vk::Left);
    run.platform.press(ms(30000), vk::Left);
    runUntil(run, ms(60000));
    EXPECT_TRUE(pairsSceneShown(run.form));
    EXPECT_LE(run.platform.now(), ms(61500));
    EXPECT_GT(run.game.state.errorCount, 15) << "past the limit only the landing cell lands";
}

TEST(Replay, TheApproachIsFlyableWithOnlyTheLandingCellCounted) {
    scene::HeadlessRun pilot(1);
    pilot.start();
    const std::vector<Input> presses = flyApproach(pilot);
    ASSERT_TRUE(pilot.form.Image2().visible) << "the pilot did not reach the landing";
    EXPECT_EQ(pilot.game.state.errorCount, 1);
    for (std::size_t i = 1; i < presses.size(); ++i) {
        EXPECT_GE(presses[i].atMs - presses[i - 1].atMs, 30) << "press " << i;
    }
    const double seconds = std::chrono::duration<double>(pilot.platform.boxes().back().at).count();
    std::cout << "[ flight ] " << presses.size() << " presses, landed after " << seconds
              << " virtual seconds\n";
}

// The recorded flight: the pilot's presses, replayed blind.
std::vector<Input> recordedFlight() {
    std::ifstream in(WF_DEMO_DIR "/flight.txt");
    std::vector<Input> inputs;
    Input in1{};
    while (in >> in1.atMs >> in1.key) inputs.push_back(in1);
    return inputs;
}

TEST(Replay, WholeGameFromTheSpaceBarToTheWin) {
    const std::vector<Input> flight = recordedFlight();
    ASSERT_GT(flight.size(), 10u);
    scene::HeadlessRun run(1);
    run.start();
    schedule(run, Time{}, flight);
    runUntil(run, ms(flight.back().atMs + 5000));
    ASSERT_TRUE(pairsSceneShown(run.form));
    EXPECT_EQ(run.game.state.errorCount, 1);
    EXPECT_EQ(run.form.Label1().caption, " Fehler: 1");
    EXPECT_EQ(run.game.state.cellCol, 54);
    EXPECT_EQ(run.game.state.cellRow, 43);
    EXPECT_FALSE(run.form.Timer1().enabled || run.form.Timer2().enabled ||
                 run.form.Timer3().enabled);
    ASSERT_EQ(run.platform.boxes().size(), 2u);
    EXPECT_EQ(run.platform.boxes()[1].text, game::texts::kLanding);

    // The pairs: one help, then every pair in the order the replay showed it.
    const Time t0 = run.platform.now();
    run.platform.press(t0 + ms(100), vk::F2);
    std::int64_t at = 25000;
    for (int k = 0; k < 32; ++k, at += 40) run.platform.press(t0 + ms(at), keyAt(run, k));
    runUntil(run, t0 + ms(at + 1000));
    EXPECT_EQ(run.form.Label4().caption, game::texts::kGreeting);
    EXPECT_TRUE(run.form.ImageS().visible);
    EXPECT_EQ(run.form.ImageS().left, 135);
    EXPECT_EQ(run.form.ImageS().top, -5);
    for (bool f : run.game.state.found) EXPECT_TRUE(f);
    EXPECT_EQ(run.game.state.helpCount, 1);
}

}  // namespace
