// Real time of one headless whole game: the recorded flight, the landing, one
// help replay and all sixteen pairs to the win. Pauses cost no real time
// under the virtual clock, so this is the cost of the game logic alone.
#include <benchmark/benchmark.h>

#include <fstream>

#include "replay.h"

namespace {

using namespace replay;

std::vector<Input> recordedFlight() {
    std::ifstream in(WF_DEMO_DIR "/flight.txt");
    std::vector<Input> inputs;
    Input input{};
    while (in >> input.atMs >> input.key) inputs.push_back(input);
    return inputs;
}

void playWholeGame(const std::vector<Input>& flight, bool recordScreens) {
    scene::HeadlessRun run(1);
    run.platform.setRecordScreens(recordScreens);
    run.start();
    schedule(run, Time{}, flight);
    runUntil(run, ms(flight.back().atMs + 5000));
    const Time t0 = run.platform.now();
    run.platform.press(t0 + ms(100), vk::F2);
    std::int64_t at = 25000;
    for (int k = 0; k < 32; ++k, at += 40) run.platform.press(t0 + ms(at), keyAt(run, k));
    runUntil(run, t0 + ms(at + 1000));
    if (!run.form.ImageS().visible || run.form.ImageS().top != -5) {
        throw std::runtime_error("the replay did not end in a win");
    }
    benchmark::DoNotOptimize(run.game.state.errorCount);
}

void BM_WholeGame(benchmark::State& state) {
    const std::vector<Input> flight = recordedFlight();
    const bool recordScreens = state.range(0) != 0;
    for (auto _ : state) playWholeGame(flight, recordScreens);
    state.SetLabel(recordScreens ? "recording every repaint" : "repaints counted only");
}
BENCHMARK(BM_WholeGame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
