// A whole headless game for the memory checker: the recorded flight (deal of
// calendar second 1) to the landing, one help on F2, all sixteen pairs typed
// from the deal lists, then the close. Exits 1 if the game did not end as it
// should, so that the run under valgrind checks the path it meant to check.
//
// Usage: memcheck_game FLIGHT_TXT
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

#include "game/texts.h"
#include "scene/headless_run.h"

namespace {

using std::chrono::milliseconds;

int fail(const char* what) {
    std::fprintf(stderr, "memcheck_game: %s\n", what);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FLIGHT_TXT\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1]);
    scene::HeadlessRun run(1);
    run.start();
    std::int64_t atMs = 0;
    std::uint16_t key = 0;
    std::int64_t lastMs = -1;
    while (in >> atMs >> key) {
        run.platform.press(milliseconds(atMs), key);
        lastMs = atMs;
    }
    if (lastMs < 0) return fail("no recorded flight");
    run.platform.stopAt(milliseconds(lastMs + 5000));
    run.loop.run();
    if (!run.form.Image2().visible) return fail("the flight did not land");

    // One help, then every pair in the order the deal placed it.
    const scene::Time t0 = run.platform.now();
    run.platform.press(t0 + milliseconds(100), 113);
    std::int64_t at = 25000;
    for (std::size_t k = 0; k < 32; ++k, at += 40) {
        const int code = std::stoi((*run.game.state.dealKeyList)[k]);
        run.platform.press(t0 + milliseconds(at), static_cast<std::uint16_t>(code));
    }
    run.platform.requestClose(t0 + milliseconds(at + 500));
    run.platform.stopAt(t0 + milliseconds(at + 1000));
    // The deal lists are freed by the close: check the win just before it.
    while (!run.loop.closed() && run.platform.now() < t0 + milliseconds(at + 400)) {
        if (!run.loop.step()) break;
    }
    if (run.game.state.helpCount != 1) return fail("the help did not run once");
    if (run.form.Label4().caption != game::texts::kGreeting) return fail("no greeting");
    run.loop.run();
    if (!run.loop.closed()) return fail("the window did not close");
    if (run.game.state.dealKeyList) return fail("the close kept the deal lists");
    return 0;
}
