#pragma once
// The whole game without a window: the model, the game, the event loop and a
// virtual clock, wired as the real program wires them. Used by the tests, the
// benchmarks and the fuzzer.
#include <cstdint>

#include "game/game.h"
#include "scene/event_loop.h"
#include "scene/form.h"
#include "scene/virtual_platform.h"

namespace scene {

struct HeadlessRun {
    explicit HeadlessRun(std::int64_t calendarSeconds = 0)
        : platform(form, calendarSeconds),
          game(form, platform),
          loop(form, game, platform, platform) {}

    // Start-up: FormCreate, as the program entry runs it.
    void start() {
        loop.dispatch([&] { game.FormCreate(); });
    }

    Form form;
    VirtualPlatform platform;
    game::Game game;
    EventLoop loop;
};

}  // namespace scene
