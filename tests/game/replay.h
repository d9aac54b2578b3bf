#pragma once
// Helpers for replaying the game headless: key codes, virtual times, and a
// started game with a fixed clock.
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "scene/headless_run.h"

namespace replay {

using namespace std::chrono_literals;
using scene::Time;

namespace vk {
inline constexpr std::uint16_t Space = 32, Left = 37, Up = 38, Right = 39, Down = 40;
inline constexpr std::uint16_t Shift = 16, F2 = 113, F3 = 114, F9 = 120;
}  // namespace vk

inline Time ms(std::int64_t n) {
    return std::chrono::milliseconds(n);
}

struct Input {
    std::int64_t atMs;
    std::uint16_t key;
};

// Schedules `inputs` (times relative to `start`) into the run's script.
inline void schedule(scene::HeadlessRun& run, Time start, const std::vector<Input>& inputs) {
    for (const Input& in : inputs) run.platform.press(start + ms(in.atMs), in.key);
}

// The two symbols of pair m as the deal placed them, as key codes.
inline std::uint16_t keyAt(const scene::HeadlessRun& run, int position) {
    return static_cast<std::uint16_t>(
        std::stoi((*run.game.state.dealKeyList)[static_cast<std::size_t>(position)]));
}

// Runs the loop until the script is used up and nothing is due, or until `end`.
inline void runUntil(scene::HeadlessRun& run, Time end) {
    run.platform.stopAt(end);
    run.loop.run();
}

// Whether the pairs scene shows: tree, baubles and the pair labels visible.
inline bool pairsSceneShown(scene::Form& form) {
    bool shown = form.Image2().visible && form.Label2().visible && form.Label3().visible &&
                 form.Label4().visible && !form.Image1().visible && !form.Image3().visible;
    for (int n = 1; n <= 32; ++n) shown = shown && form.Shape(n).visible;
    return shown;
}

}  // namespace replay
