#pragma once
// The byte format of a fuzz input: a script of key presses, waits and a close
// request for a headless game. The fuzzer decodes it; the corpus generator
// writes it with the Encoder below.
//
// Byte 0 is the calendar second that seeds the deal (0-255). Every later byte
// starts an operation: its low three bits pick the operation, its high five
// bits are a small argument `a` (0-31). Some operations read more bytes; an
// operation cut short by the end of the input is dropped.
//
//   0 Key16     press the key whose 16-bit code follows, low byte first
//   1 Wait16    let the player wait the number of milliseconds that follows
//               (16 bits, low byte first)
//   2 Close     ask the window to close
//   3 DealKey   press the key of the symbol dealt to position a, as the deal
//               stands when the press is made
//   4 GameKey   press kGameKeys[a % kGameKeys.size()]
//   5 ShortWait wait (a + 1) * 10 milliseconds
//   6 Key8      press the key whose 8-bit code follows
//   7 LongWait  wait (a + 1) seconds
//
// Presses and the close are made at the player's current time, which only the
// waits move on. The game handles them as the real loop would: in order, after
// a handler that is still busy (a help replay, an off-track pause) returns.
// The player's total waiting per input is capped at kMaxWaitMs.
#include <array>
#include <cstdint>
#include <vector>

namespace fuzz {

enum class Op : std::uint8_t {
    Key16 = 0,
    Wait16 = 1,
    Close = 2,
    DealKey = 3,
    GameKey = 4,
    ShortWait = 5,
    Key8 = 6,
    LongWait = 7,
};

// The keys that mean something to the game, and the ones next to their ranges.
inline constexpr std::array<std::uint16_t, 24> kGameKeys{
    32,     // space bar
    37,     // left
    38,     // up
    39,     // right
    40,     // down
    113,    // F2
    114,    // F3
    120,    // F9
    16,     // shift
    48,     // 0, just below the symbol keys
    49,     // 1, the first symbol key
    57,     // 9
    58,     // inside the symbol range, no symbol
    64,     // inside the symbol range, no symbol
    65,     // A
    87,     // W, the last symbol key
    88,     // X, just above the symbol keys
    96,     // keypad 0
    105,    // keypad 9
    112,    // F1
    119,    // F8
    121,    // F10
    255,    // the largest one-byte code
    65535,  // the largest code
};

// Enough for the recorded flight to land and for a few help replays after it.
inline constexpr std::int64_t kMaxWaitMs = 180'000;

class Encoder {
  public:
    explicit Encoder(std::uint8_t seed) { bytes_.push_back(seed); }

    Encoder& key(std::uint16_t code) {
        for (std::size_t i = 0; i < kGameKeys.size(); ++i) {
            if (kGameKeys[i] == code) return op(Op::GameKey, static_cast<std::uint8_t>(i));
        }
        if (code < 256) return op(Op::Key8).byte(static_cast<std::uint8_t>(code));
        return op(Op::Key16).word(code);
    }
    Encoder& dealKey(int position) { return op(Op::DealKey, static_cast<std::uint8_t>(position)); }
    Encoder& close() { return op(Op::Close); }
    Encoder& wait(std::int64_t ms) {
        while (ms > 0xFFFF) {
            op(Op::Wait16).word(0xFFFF);
            ms -= 0xFFFF;
        }
        if (ms > 0) op(Op::Wait16).word(static_cast<std::uint16_t>(ms));
        return *this;
    }

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

  private:
    Encoder& op(Op o, std::uint8_t arg = 0) {
        bytes_.push_back(static_cast<std::uint8_t>(static_cast<std::uint8_t>(o) | (arg << 3)));
        return *this;
    }
    Encoder& byte(std::uint8_t b) {
        bytes_.push_back(b);
        return *this;
    }
    Encoder& word(std::uint16_t w) {
        bytes_.push_back(static_cast<std::uint8_t>(w & 0xFF));
        bytes_.push_back(static_cast<std::uint8_t>(w >> 8));
        return *this;
    }

    std::vector<std::uint8_t> bytes_;
};

}  // namespace fuzz
