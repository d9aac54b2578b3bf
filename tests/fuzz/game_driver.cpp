#include "game_driver.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "fuzz_input.h"
#include "game/game.h"
#include "scene/event_loop.h"
#include "scene/form.h"
#include "scene/virtual_platform.h"

namespace fuzz {
namespace {

using scene::Time;
using std::chrono::milliseconds;

constexpr std::uint16_t kF3 = 114;
constexpr char kSymbolFile[] = "string.txt";

[[noreturn]] void broken(const std::string& what) {
    std::fprintf(stderr, "game rule broken: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

// The decimal texts the deal lists must hold, built once.
struct DealTexts {
    std::array<std::string, 32> index;
    std::array<std::string, 32> key;
};

const DealTexts& dealTexts() {
    static const DealTexts texts = [] {
        DealTexts t;
        for (std::size_t i = 0; i < 32; ++i) {
            t.index[i] = std::to_string(i);
            t.key[i] = std::to_string(game::symbolKeyCodes[i]);
        }
        return t;
    }();
    return texts;
}

// The symbol index written in `text` if it is one or two digits, else 32.
std::size_t symbolIndex(const std::string& text) {
    std::size_t i = 0;
    if (text.empty() || text.size() > 2) return 32;
    for (char c : text) {
        if (c < '0' || c > '9') return 32;
        i = i * 10 + static_cast<std::size_t>(c - '0');
    }
    return std::min<std::size_t>(i, 32);
}

// Passes every handler on to the game and watches the calls.
class Watch : public scene::FormHandlers {
  public:
    explicit Watch(game::Game& game) : game_(game) {}

    void FormKeyDown(std::uint16_t key) override {
        enter("a key press");
        exportAsked_ = key == kF3 && game_.state.keyCount == 0;
        game_.FormKeyDown(key);
        if (game_.state.keyCode != key) {
            broken("key " + std::to_string(key) + " left keyCode " +
                   std::to_string(game_.state.keyCode));
        }
    }
    void Timer1Timer() override {
        enter("Timer1");
        game_.Timer1Timer();
    }
    void Timer2Timer() override {
        enter("Timer2");
        game_.Timer2Timer();
    }
    void Timer3Timer() override {
        enter("Timer3");
        game_.Timer3Timer();
    }
    void FormClose() override {
        enter("the close");
        closed_ = true;
        const game::GameState& s = game_.state;
        outcome_.landed = game_.Form1.Image2().visible;
        for (std::size_t m = 0; m < 16; ++m) outcome_.pairsFound += s.found[2 * m] ? 1 : 0;
        outcome_.helpCount = s.helpCount;
        outcome_.errorCount = s.errorCount;
        outcome_.label4 = game_.Form1.Label4().caption;
        game_.FormClose();
    }

    bool closed() const { return closed_; }
    const Outcome& outcome() const { return outcome_; }
    // Whether the latest dispatch was an F3 that should have written the file; resets.
    bool takeExport() { return std::exchange(exportAsked_, false); }

  private:
    void enter(const char* what) {
        if (closed_) broken(std::string(what) + " was handled after the close");
    }

    game::Game& game_;
    bool closed_ = false;
    bool exportAsked_ = false;
    Outcome outcome_;
};

class Player {
  public:
    explicit Player(std::int64_t seed)
        : platform_(form_, seed),
          game_(form_, platform_),
          watch_(game_),
          loop_(form_, watch_, platform_, platform_) {
        platform_.setRecordScreens(false);
        loop_.dispatch([&] { game_.FormCreate(); });
        check();
    }

    void press(std::uint16_t key) {
        platform_.press(at_, key);
        runTo(at_);
    }
    void pressDealt(std::size_t position) {
        const game::StringList* keys = game_.state.dealKeyList.get();
        // Once the lists are gone the game takes no more keys; any code will do.
        const std::uint16_t key = keys ? static_cast<std::uint16_t>(std::stoi((*keys)[position]))
                                       : static_cast<std::uint16_t>(game::symbolKeyCodes[position]);
        press(key);
    }
    void close() {
        closeAsked_ = true;
        platform_.requestClose(at_);
        runTo(at_);
    }
    void wait(std::int64_t ms) {
        ms = std::min(ms, kMaxWaitMs - waited_);
        if (ms <= 0) return;
        waited_ += ms;
        at_ += milliseconds(ms);
        runTo(at_);
    }

    // Lets the timers run a little longer, closes the window, and checks that
    // the close ended the game for good.
    Outcome finish() {
        at_ = std::max(at_, platform_.now()) + milliseconds(3000);
        runTo(at_);
        if (!watch_.closed()) {
            if (!closeAsked_) platform_.requestClose(at_);
            // Handlers that took time (replays, pauses) may have carried the
            // clock past the player's time with input still queued: all of
            // it is handled, in order, up to the close.
            while (!watch_.closed() && loop_.step()) check();
            check();
        }
        if (!watch_.closed()) broken("the close request was not handled");
        if (!loop_.closed()) broken("the loop goes on after the close");
        const game::GameState& s = game_.state;
        if (s.dealIndexList || s.dealKeyList || s.dealSymbolList || s.trackList) {
            broken("the close left a list behind");
        }
        platform_.press(at_, kF3);
        if (loop_.step()) broken("a step after the close reported more to do");
        Outcome outcome = watch_.outcome();
        outcome.closedByInput = closeAsked_;
        return outcome;
    }

  private:
    // Handles everything that falls due up to `end`: the inputs made until
    // then and the timer ticks. A handler that takes time (a replay, a pause)
    // may carry the clock past `end`; what fell due meanwhile waits for the
    // next call, so input made during the handler comes before the late ticks.
    void runTo(Time end) {
        platform_.stopAt(end);
        while (platform_.now() <= end) {
            const bool more = loop_.step();
            check();
            if (!more) break;
        }
    }

    void check() {
        const game::GameState& s = game_.state;
        const bool lists = s.dealIndexList && s.dealKeyList && s.dealSymbolList;
        if (!watch_.closed()) {
            if (!lists) broken("a deal list is missing before the close");
            checkDeal(s);
        }
        for (std::size_t m = 0; m < 16; ++m) {
            if (s.found[2 * m] != s.found[2 * m + 1]) {
                broken("the found flags of pair " + std::to_string(m) + " differ");
            }
        }
        checkBaubles(s);
        if (s.keyCount != 0 && s.keyCount != 1) {
            broken("keyCount is " + std::to_string(s.keyCount) + " between dispatches");
        }
        if (!platform_.errors().empty()) broken("error box: " + platform_.errors().front());
        if (watch_.takeExport()) checkExport(s);
    }

    // Between dispatches a bauble is painted in its pair's colour exactly when
    // its pair is solved, and covered otherwise.
    void checkBaubles(const game::GameState& s) {
        for (std::size_t k = 0; k < 32; ++k) {
            const scene::Component& shape = form_.Shape(static_cast<int>(k) + 1);
            const bool painted = shape.brushStyle == scene::BrushStyle::Solid &&
                                 shape.brushColour == game::pairColors[k / 2];
            const bool covered = shape.brushStyle == scene::BrushStyle::DiagCross &&
                                 shape.brushColour == scene::clRed;
            if (s.found[k] ? !painted : !covered) {
                broken("bauble " + std::to_string(k) + (s.found[k] ? " of a solved pair" : "") +
                       " shows style " + std::to_string(static_cast<int>(shape.brushStyle)) +
                       " colour " + std::to_string(shape.brushColour));
            }
        }
    }

    static void checkDeal(const game::GameState& s) {
        const game::StringList& indices = *s.dealIndexList;
        const game::StringList& keys = *s.dealKeyList;
        const game::StringList& symbols = *s.dealSymbolList;
        if (indices.count() != 32 || keys.count() != 32 || symbols.count() != 32) {
            broken("deal lists of " + std::to_string(indices.count()) + ", " +
                   std::to_string(keys.count()) + " and " + std::to_string(symbols.count()) +
                   " entries");
        }
        const DealTexts& texts = dealTexts();
        std::array<bool, 32> seen{};
        for (std::size_t k = 0; k < 32; ++k) {
            const std::size_t i = symbolIndex(indices[k]);
            if (i >= 32 || indices[k] != texts.index[i]) {
                broken("deal index \"" + indices[k] + "\"");
            }
            if (seen[i]) broken("symbol " + indices[k] + " dealt twice");
            seen[i] = true;
            if (keys[k] != texts.key[i] || symbols[k] != game::symbolTexts()[i]) {
                broken("position " + std::to_string(k) + " holds symbol " + indices[k] +
                       " with key " + keys[k] + " and text " + symbols[k]);
            }
        }
    }

    static void checkExport(const game::GameState& s) {
        std::string expected;
        for (std::size_t k = 0; k < 32; ++k) expected += (*s.dealSymbolList)[k] + "\r\n";
        std::ifstream in(kSymbolFile, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        if (text != expected) broken("string.txt does not hold the deal after F3");
        for (const auto& entry : std::filesystem::directory_iterator(".")) {
            if (entry.path().filename() != kSymbolFile) {
                broken("F3 left " + entry.path().filename().string() + " behind");
            }
        }
    }

    scene::Form form_;
    scene::VirtualPlatform platform_;
    game::Game game_;
    Watch watch_;
    scene::EventLoop loop_;
    Time at_{};                // the player's time
    std::int64_t waited_ = 0;  // milliseconds the player waited so far
    bool closeAsked_ = false;  // the input asked to close
};

}  // namespace

Outcome playInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return {};
    Player player(data[0]);
    std::size_t i = 1;
    const auto take = [&](std::size_t n) { return i + n <= size; };
    while (i < size) {
        const auto op = static_cast<Op>(data[i] & 7);
        const std::uint8_t arg = data[i] >> 3;
        ++i;
        switch (op) {
            case Op::Key16:
            case Op::Wait16: {
                if (!take(2)) return player.finish();
                const auto word = static_cast<std::uint16_t>(data[i] | (data[i + 1] << 8));
                i += 2;
                if (op == Op::Key16) {
                    player.press(word);
                } else {
                    player.wait(word);
                }
                break;
            }
            case Op::Close:
                player.close();
                break;
            case Op::DealKey:
                player.pressDealt(arg);
                break;
            case Op::GameKey:
                player.press(kGameKeys[arg % kGameKeys.size()]);
                break;
            case Op::ShortWait:
                player.wait((arg + 1) * 10);
                break;
            case Op::Key8:
                if (!take(1)) return player.finish();
                player.press(data[i++]);
                break;
            case Op::LongWait:
                player.wait((arg + 1) * 1000);
                break;
        }
    }
    return player.finish();
}

}  // namespace fuzz
