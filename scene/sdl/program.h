#pragma once
// The whole program on SDL: the window model, the real window, the game and
// the event loop on the real clock, wired as the headless run wires them.
// main() runs it plainly; the window benchmark runs it with hooks that time
// the ticks, the pauses and the screen updates of the real thing.
#include <functional>

#include "game/game.h"
#include "scene/event_loop.h"

namespace scene {

struct ProgramHooks {
    // Puts a wrapper between the event loop and the game's handlers.
    std::function<FormHandlers&(game::Game&)> handlers;
    // Told the cost of every screen update that had something to show.
    std::function<void(Time took, int rects)> presented;
    // Told when one of the game's pauses begins.
    std::function<void(int milliseconds)> pausing;
};

// Opens the window, runs the start-up (the introduction box first, then the
// window shows) and the event loop until the window is closed. An error that
// escapes start-up or the loop goes to the standard error box; where no
// window can be opened at all, the cause goes to standard error. Returns the
// exit code, always 0.
int runProgram(const ProgramHooks& hooks = {});

}  // namespace scene
