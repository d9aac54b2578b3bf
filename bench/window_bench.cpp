// Times the real game in the real window on the real event loop: the ticks of
// the three timers, the screen update of every plane step, the CPU the game
// and the X server spend while the timers run, and how keys typed during a
// pause come through. Driven from outside by scripts/bench-window.sh, which
// dismisses the introduction box and presses space and Left with xdotool.
//
// Between the handlers and the loop sits a recorder. So that all three
// timers can run for minutes without the flight ending, it holds the plane
// on the runway's centre line: before each tick it puts the plane back to
// altitude 100, planeX 0 (on the track), and the tick then moves it one pixel,
// places and repaints the sprite and checks the track as in play. Then it
// sends the plane off the track once, so that the game pauses 1.5 s, types
// keys during that pause with xdotool, and checks what follows the pause.
//
// Usage: window_bench [SECONDS]   (default 120; the X server's pid may be
// given in WF_XVFB_PID to measure its CPU too)
#include <SDL.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/track_cells.h"
#include "scene/sdl/program.h"

namespace {

using scene::Time;
using std::chrono::milliseconds;

Time now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec);
}

double ms(Time t) {
    return std::chrono::duration<double, std::milli>(t).count();
}

// CPU time of a process so far (user and system), from /proc.
std::optional<Time> cpuOf(const std::string& pid) {
    std::ifstream in("/proc/" + pid + "/stat");
    std::string line;
    if (!std::getline(in, line)) return std::nullopt;
    // The fields after the command name, which ends with the last ')'.
    std::istringstream rest(line.substr(line.rfind(')') + 2));
    std::string field;
    long long utime = 0, stime = 0;
    for (int i = 3; rest >> field; ++i) {
        if (i == 14) utime = std::stoll(field);
        if (i == 15) {
            stime = std::stoll(field);
            break;
        }
    }
    const long hz = sysconf(_SC_CLK_TCK);
    return std::chrono::duration_cast<Time>(std::chrono::duration<double>(
        static_cast<double>(utime + stime) / static_cast<double>(hz)));
}

double percentile(std::vector<double> v, double p) {
    if (v.empty()) return NAN;
    std::sort(v.begin(), v.end());
    const double rank = p / 100.0 * static_cast<double>(v.size() - 1);
    const auto lo = static_cast<std::size_t>(std::floor(rank));
    const auto hi = std::min(lo + 1, v.size() - 1);
    return v[lo] + (v[hi] - v[lo]) * (rank - static_cast<double>(lo));
}

struct Call {
    enum class Kind { Key, Tick };
    Kind kind;
    int what;  // key code, or timer 0 to 2
    Time start;
    Time end;
};

struct Pause {
    Time start;
    Time end{};
};

class Recorder final : public scene::FormHandlers {
  public:
    Recorder(game::Game& game, Time runFor) : game_(game), runFor_(runFor) { calls_.reserve(8192); }

    void FormKeyDown(std::uint16_t key) override {
        const Time start = now();
        game_.FormKeyDown(key);
        calls_.push_back({Call::Kind::Key, key, start, now()});
    }
    void Timer1Timer() override { tick(0); }
    void Timer2Timer() override { tick(1); }
    void Timer3Timer() override { tick(2); }
    void FormClose() override { game_.FormClose(); }

    void pausing() {
        pauses_.push_back({now()});
        if (phase_ == Phase::OffTrack && !typed_) {
            typed_ = true;
            typeKeys();
        }
    }
    void presented(Time took, int rects) {
        if (phase_ == Phase::Running) presents_.push_back({took, rects});
    }

    void report() const;

  private:
    enum class Phase { Waiting, Running, OffTrack, After, Done };

    void holdOnTrack() {
        game_.state.altitude = 100;
        game_.state.planeX = 0;
    }

    void tick(int timer) {
        const Time start = now();
        switch (phase_) {
            case Phase::Waiting:
                if (game_.Form1.Timer1().enabled && game_.Form1.Timer2().enabled &&
                    game_.Form1.Timer3().enabled) {
                    phase_ = Phase::Running;
                    runStart_ = start;
                    cpuStart_ = cpuOf("self");
                    xvfbStart_ = xvfbCpu();
                }
                break;
            case Phase::Running:
                if (start - runStart_ >= runFor_) {
                    phase_ = Phase::OffTrack;
                    runEnd_ = start;
                    cpuEnd_ = cpuOf("self");
                    xvfbEnd_ = xvfbCpu();
                }
                break;
            default:
                break;
        }
        if (phase_ == Phase::OffTrack && timer == 1 && !sentOff_) {
            // Far left of the runway: the next step is off the track.
            sentOff_ = true;
            game_.state.altitude = 100;
            game_.state.planeX = -100;
        } else {
            holdOnTrack();
        }
        const std::size_t pausesBefore = pauses_.size();
        switch (timer) {
            case 0:
                game_.Timer1Timer();
                break;
            case 1:
                game_.Timer2Timer();
                break;
            default:
                game_.Timer3Timer();
                break;
        }
        const Time end = now();
        if (pauses_.size() > pausesBefore) pauses_.back().end = end;
        calls_.push_back({Call::Kind::Tick, timer, start, end});
        if (phase_ == Phase::OffTrack && pauses_.size() > pausesBefore) {
            phase_ = Phase::After;
            afterPause_ = end;
        } else if (phase_ == Phase::After && end - afterPause_ > milliseconds(1000)) {
            phase_ = Phase::Done;
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
        }
    }

    std::optional<Time> xvfbCpu() const {
        const char* pid = std::getenv("WF_XVFB_PID");
        if (pid == nullptr || *pid == '\0') return std::nullopt;
        return cpuOf(pid);
    }

    // x, y, z, 0 and Insert: keys that only count in the game.
    void typeKeys() {
        const char* argv[] = {"xdotool", "key", "--delay", "40",     "x",
                              "y",       "z",   "0",       "Insert", nullptr};
        pid_t pid = 0;
        if (posix_spawnp(&pid, "xdotool", nullptr, nullptr, const_cast<char* const*>(argv),
                         environ) == 0) {
            typist_ = pid;
        }
    }

  public:
    void reap() {
        if (typist_ > 0) waitpid(typist_, nullptr, 0);
        typist_ = -1;
    }

  private:
    struct Present {
        Time took;
        int rects;
    };

    game::Game& game_;
    Time runFor_;
    Phase phase_ = Phase::Waiting;
    Time runStart_{}, runEnd_{}, afterPause_{};
    std::optional<Time> cpuStart_, cpuEnd_, xvfbStart_, xvfbEnd_;
    bool sentOff_ = false;
    bool typed_ = false;
    pid_t typist_ = -1;
    std::vector<Call> calls_;
    std::vector<Pause> pauses_;
    std::vector<Present> presents_;
};

void Recorder::report() const {
    if (runEnd_ == Time{}) {
        std::printf("the timers never ran for the whole measurement\n");
        return;
    }
    const double seconds = ms(runEnd_ - runStart_) / 1000.0;
    std::printf(
        "Timers held on the track for %.1f s; pauses in that time: %zu\n", seconds,
        static_cast<std::size_t>(std::count_if(pauses_.begin(), pauses_.end(), [&](const Pause& p) {
            return p.start >= runStart_ && p.start < runEnd_;
        })));

    // Tick intervals of each timer, leaving out those a pause fell into.
    // A tick that comes late makes one interval long and the next one short;
    // its lateness is also shown against the timer's own grid of slots, and
    // how many of the late ticks found the loop still in another handler.
    const std::array<int, 3> nominal{36, 90, 91};
    std::printf("\n%-7s %6s %11s %13s %13s %13s %12s %13s\n", "timer", "ticks", "median ms",
                "p99 |err| ms", "max |err| ms", "within 1/2ms", "p99 late ms", "late, busy");
    for (int t = 0; t < 3; ++t) {
        std::vector<double> intervals, errors, offsets;
        std::vector<Time> starts;
        std::optional<Time> last;
        for (const Call& c : calls_) {
            if (c.kind != Call::Kind::Tick || c.what != t) continue;
            if (c.start < runStart_ || c.start >= runEnd_) continue;
            if (last) {
                const bool paused =
                    std::any_of(pauses_.begin(), pauses_.end(),
                                [&](const Pause& p) { return p.start < c.start && p.end > *last; });
                if (!paused) {
                    const double d = ms(c.start - *last);
                    intervals.push_back(d);
                    errors.push_back(std::abs(d - nominal[t]));
                }
            }
            last = c.start;
            starts.push_back(c.start);
        }
        const double bound = t == 0 ? 1.0 : 2.0;
        const auto within =
            std::count_if(errors.begin(), errors.end(), [&](double e) { return e <= bound; });
        // Lateness against the grid of slots, with the typical (median) tick as
        // on time; a tick up to a tenth of the interval early counts as early.
        for (const Time start : starts) offsets.push_back(ms(start - starts.front()));
        std::vector<double> phases;
        for (const double o : offsets)
            phases.push_back(o - nominal[t] * std::round(o / nominal[t]));
        const double typical = percentile(phases, 50);
        for (double& o : offsets) {
            const double x = o - typical;
            o = x - nominal[t] * std::floor((x + 0.1 * nominal[t]) / nominal[t]);
        }
        const double early = 0;
        std::vector<double> late;
        int lateTicks = 0, busy = 0;
        for (std::size_t k = 0; k < starts.size(); ++k) {
            late.push_back(offsets[k] - early);
            if (late.back() <= bound) continue;
            ++lateTicks;
            const Time due =
                starts[k] - std::chrono::duration_cast<Time>(
                                std::chrono::duration<double, std::milli>(late.back()));
            busy += std::any_of(calls_.begin(), calls_.end(),
                                [&](const Call& c) { return c.start <= due && c.end >= due; });
        }
        std::printf("Timer%d  %6zu %11.4f %13.3f %13.3f %12.2f%% %12.3f %7d of %d\n", t + 1,
                    starts.size(), percentile(intervals, 50), percentile(errors, 99),
                    percentile(errors, 100),
                    errors.empty()
                        ? 0.0
                        : 100.0 * static_cast<double>(within) / static_cast<double>(errors.size()),
                    percentile(late, 99), busy, lateTicks);
    }

    // One screen update: draw the damage and put it in the window.
    std::vector<double> took, rects;
    for (const Present& p : presents_) {
        took.push_back(ms(p.took));
        rects.push_back(p.rects);
    }
    std::printf(
        "\nScreen updates while the timers ran: %zu, median %.3f ms, p99 %.3f ms, max %.3f ms, "
        "median %.0f rectangle(s)\n",
        took.size(), percentile(took, 50), percentile(took, 99), percentile(took, 100),
        percentile(rects, 50));

    if (cpuStart_ && cpuEnd_) {
        std::printf("CPU of the game while the timers ran: %.3f%% of a core\n",
                    100.0 * ms(*cpuEnd_ - *cpuStart_) / ms(runEnd_ - runStart_));
    }
    if (xvfbStart_ && xvfbEnd_) {
        std::printf("CPU of the X server (Xvfb) meanwhile:  %.3f%% of a core\n",
                    100.0 * ms(*xvfbEnd_ - *xvfbStart_) / ms(runEnd_ - runStart_));
    }

    // The pause off the track: keys typed during it come after it, in order;
    // then each running timer ticks once, and none makes up missed ticks.
    const auto pause = std::find_if(pauses_.begin(), pauses_.end(),
                                    [&](const Pause& p) { return p.start >= runEnd_; });
    if (pause == pauses_.end()) {
        std::printf("\nno pause off the track was seen\n");
        return;
    }
    std::printf("\nPause off the track: %.1f ms. What the loop did after it (ms from its end):\n",
                ms(pause->end - pause->start));
    std::string keys, order;
    bool keysInside = false;
    std::array<int, 3> ticksSoon{};
    int timer1Within200 = 0;
    for (const Call& c : calls_) {
        if (c.start < pause->start) continue;
        if (c.kind == Call::Kind::Key) {
            keysInside = keysInside || c.start < pause->end;
            keys += std::to_string(c.what) + " ";
        }
        if (c.start < pause->end) continue;
        const double at = ms(c.start - pause->end);
        if (at > 200) break;
        if (c.kind == Call::Kind::Tick) {
            if (at < 30) ++ticksSoon[static_cast<std::size_t>(c.what)];
            if (c.what == 0) ++timer1Within200;
        }
        if (order.size() < 400) {
            char line[64];
            std::snprintf(line, sizeof line, "  %7.3f %s %d\n", at,
                          c.kind == Call::Kind::Key ? "key  " : "Timer",
                          c.kind == Call::Kind::Key ? c.what : c.what + 1);
            order += line;
        }
    }
    std::printf("%s", order.c_str());
    std::printf("keys handled (typed x y z 0 Insert = 88 89 90 48 45): %s%s\n", keys.c_str(),
                keysInside ? "(some inside the pause!)" : "(all after the pause)");
    std::printf(
        "ticks within 30 ms after the pause: Timer1 %d, Timer2 %d, Timer3 %d; Timer1 ticks "
        "within 200 ms: %d\n",
        ticksSoon[0], ticksSoon[1], ticksSoon[2], timer1Within200);
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 120;
    std::optional<Recorder> recorder;
    scene::ProgramHooks hooks;
    hooks.handlers = [&](game::Game& game) -> scene::FormHandlers& {
        recorder.emplace(game, std::chrono::seconds(seconds));
        return *recorder;
    };
    hooks.presented = [&](Time took, int rects) {
        if (recorder) recorder->presented(took, rects);
    };
    hooks.pausing = [&](int) {
        if (recorder) recorder->pausing();
    };
    if (!game::isTrackCell(14, 32)) std::printf("warning: the held position is off the track\n");
    const int rc = scene::runProgram(hooks);
    if (recorder) {
        recorder->reap();
        recorder->report();
    }
    return rc;
}
