// The event loop's order and timing, on the virtual clock.
#include "scene/event_loop.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "scene/virtual_platform.h"

namespace {

using namespace std::chrono_literals;
using scene::Time;

std::int64_t msOf(Time t) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(t).count();
}

// Handlers that record what ran and when, and can be told to take time or fail.
class Recorder : public scene::FormHandlers {
  public:
    explicit Recorder(scene::VirtualPlatform& platform) : platform_(platform) {}

    void FormKeyDown(std::uint16_t key) override { note("key" + std::to_string(key)); }
    void Timer1Timer() override { note("T1"); }
    void Timer2Timer() override { note("T2"); }
    void Timer3Timer() override { note("T3"); }
    void FormClose() override { note("close"); }

    std::vector<std::pair<std::int64_t, std::string>> log;
    // Runs inside the handler of that name, the next time it runs.
    std::map<std::string, std::function<void()>> effects;

    std::vector<std::int64_t> times(const std::string& what) const {
        std::vector<std::int64_t> t;
        for (const auto& [at, name] : log) {
            if (name == what) t.push_back(at);
        }
        return t;
    }

  private:
    void note(const std::string& what) {
        log.emplace_back(msOf(platform_.now()), what);
        if (auto it = effects.find(what); it != effects.end()) {
            auto effect = std::move(it->second);
            effects.erase(it);
            effect();
        }
    }
    scene::VirtualPlatform& platform_;
};

class EventLoop : public testing::Test {
  protected:
    void run(Time until) {
        platform.stopAt(until);
        loop.run();
    }
    scene::Form form;
    scene::VirtualPlatform platform{form};
    Recorder handlers{platform};
    scene::EventLoop loop{form, handlers, platform, platform};
};

TEST_F(EventLoop, TimersTickOnTheirIntervalsFromWhenTheyWereSwitchedOn) {
    handlers.effects["key32"] = [&] { scene::setEnabled(form.Timer1(), true); };
    handlers.effects["key37"] = [&] {
        scene::setEnabled(form.Timer2(), true);
        scene::setEnabled(form.Timer3(), true);
    };
    platform.press(10ms, 32);
    platform.press(50ms, 37);
    run(300ms);
    EXPECT_EQ(handlers.times("T1"),
              (std::vector<std::int64_t>{46, 82, 118, 154, 190, 226, 262, 298}));
    EXPECT_EQ(handlers.times("T2"), (std::vector<std::int64_t>{140, 230}));
    EXPECT_EQ(handlers.times("T3"), (std::vector<std::int64_t>{141, 232}));
}

TEST_F(EventLoop, EnablingARunningTimerKeepsItsPhase) {
    scene::setEnabled(form.Timer1(), true);
    platform.press(0ms, 1);  // the loop notes the timer at its first dispatch
    handlers.effects["T1"] = [&] { scene::setEnabled(form.Timer1(), true); };
    handlers.effects["key32"] = [&] { scene::setEnabled(form.Timer1(), true); };
    platform.press(50ms, 32);
    run(150ms);
    EXPECT_EQ(handlers.times("T1"), (std::vector<std::int64_t>{36, 72, 108, 144}));
}

TEST_F(EventLoop, APauseDelaysEverythingAndDueTimersTickOnceAfterIt) {
    scene::setEnabled(form.Timer1(), true);
    scene::setEnabled(form.Timer2(), true);
    platform.press(0ms, 1);
    // The second climb tick pauses for 1.5 seconds; keys typed meanwhile wait.
    handlers.effects["T1"] = [&] { handlers.effects["T1"] = [&] { platform.pause(1500); }; };
    platform.press(100ms, 65);
    platform.press(900ms, 66);
    run(1700ms);
    // Keys first, in their order, then one tick per due timer, then the regular slots.
    const auto& log = handlers.log;
    std::vector<std::string> after;
    for (const auto& [at, what] : log) {
        if (at >= 1572) after.push_back(what + "@" + std::to_string(at));
    }
    ASSERT_GE(after.size(), 5u);
    EXPECT_EQ(after[0], "key65@1572");
    EXPECT_EQ(after[1], "key66@1572");
    EXPECT_EQ(after[2], "T2@1572");
    EXPECT_EQ(after[3], "T1@1572");
    EXPECT_EQ(after[4], "T1@1584") << "then the next regular slot: 36 * 44";
    const auto t2 = handlers.times("T2");
    ASSERT_EQ(t2.size(), 2u);
    EXPECT_EQ(t2[0], 1572) << "the slot at 90 fell in the pause";
    EXPECT_EQ(t2[1], 1620) << "missed slots are not made up: 18 * 90";
}

TEST_F(EventLoop, NothingRunsAfterTheCloseHandler) {
    scene::setEnabled(form.Timer1(), true);
    platform.press(0ms, 1);
    platform.press(40ms, 65);
    platform.requestClose(50ms);
    platform.press(60ms, 66);
    run(500ms);
    EXPECT_TRUE(loop.closed());
    ASSERT_FALSE(handlers.log.empty());
    EXPECT_EQ(handlers.log.back().second, "close");
    EXPECT_EQ(handlers.times("T1"), (std::vector<std::int64_t>{36}));
    EXPECT_FALSE(loop.step());
}

TEST_F(EventLoop, AnErrorGoesToTheErrorBoxAndTheLoopGoesOn) {
    handlers.effects["key114"] = [&] {
        scene::setEnabled(form.Timer1(), true);
        throw std::runtime_error("Datei string.txt kann nicht erstellt werden");
    };
    platform.press(10ms, 114);
    platform.press(20ms, 65);
    run(100ms);
    ASSERT_EQ(platform.errors().size(), 1u);
    EXPECT_EQ(platform.errors()[0], "Datei string.txt kann nicht erstellt werden.");
    EXPECT_EQ(handlers.times("key65"), (std::vector<std::int64_t>{20}));
    EXPECT_EQ(handlers.times("T1"), (std::vector<std::int64_t>{46, 82}))
        << "a timer switched on before the error runs";
}

TEST_F(EventLoop, RestartingAStoppedTimerStartsANewRhythm) {
    scene::setEnabled(form.Timer1(), true);
    platform.press(0ms, 1);
    handlers.effects["T1"] = [&] { scene::setEnabled(form.Timer1(), false); };
    handlers.effects["key32"] = [&] { scene::setEnabled(form.Timer1(), true); };
    platform.press(50ms, 32);
    run(130ms);
    EXPECT_EQ(handlers.times("T1"), (std::vector<std::int64_t>{36, 86, 122}));
}

}  // namespace
