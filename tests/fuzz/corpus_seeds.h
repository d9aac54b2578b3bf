#pragma once
// The seed scripts of the fuzz corpus, built from a recorded flight.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_input.h"

namespace fuzz {

struct TimedKey {
    std::int64_t atMs;
    std::uint16_t key;
};

struct Seed {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

namespace keys {
inline constexpr std::uint16_t Space = 32, Left = 37, Up = 38, Right = 39, Down = 40;
inline constexpr std::uint16_t Shift = 16, F2 = 113, F3 = 114, F9 = 120;
}  // namespace keys

// The recorded flight, from the first key to the landing box; seed 1.
inline Encoder& fly(Encoder& e, const std::vector<TimedKey>& flight) {
    std::int64_t now = 0;
    for (const TimedKey& k : flight) {
        e.wait(k.atMs - now).key(k.key);
        now = k.atMs;
    }
    return e.wait(5000);
}

// Every pair in the order the deal placed it, one key each 40 ms.
inline Encoder& typePairs(Encoder& e) {
    for (int position = 0; position < 32; ++position) e.dealKey(position).wait(40);
    return e;
}

inline std::vector<Seed> corpusSeeds(const std::vector<TimedKey>& flight) {
    std::vector<Seed> seeds;
    const auto add = [&](std::string name, const Encoder& e) {
        seeds.push_back({std::move(name), e.bytes()});
    };
    using namespace keys;
    {
        // The flight alone, steered with the arrow keys to the landing.
        Encoder e(1);
        add("flight", fly(e, flight));
    }
    {
        // The whole game: the flight, one help, all sixteen pairs, the export.
        Encoder e(1);
        fly(e, flight).key(F2).wait(25000);
        typePairs(e).key(F3).wait(100);
        add("pairs", e);
    }
    {
        // Help during the approach: a replay, F2 as a second key (no replay),
        // then a replay again; a new deal and a pair typed from it.
        Encoder e(7);
        e.wait(100).key(F2).wait(25000).key(Space).key(F2).wait(100).key(F2).wait(25000);
        e.key(F9).wait(25000).dealKey(0).dealKey(1).wait(500);
        add("help", e);
    }
    {
        // A close made while a new deal's replay still runs; keys after it.
        Encoder e(3);
        e.wait(100).key(F9).wait(5000).close().key(Space).key(F2).wait(1000);
        add("close-mid-replay", e);
    }
    {
        // Five new deals pressed at once and a close a second later: the
        // replays run one after the other, the close is handled after them.
        Encoder e(9);
        e.wait(100);
        for (int n = 0; n < 5; ++n) e.key(F9);
        e.wait(1000).close();
        add("queued-deals", e);
    }
    {
        // Keys beside the symbol range, the shift key, and a code above 255,
        // mixed with symbol keys; then exports in both states of the entry.
        Encoder e(200);
        for (std::uint16_t k : {48, 58, 64, 88, 96, 105, 16, 65535, 300}) e.key(k).wait(30);
        e.dealKey(4).key(58).dealKey(5).dealKey(4).wait(50);
        e.key(F3).dealKey(0).key(Left).key(F3).key(F3).wait(100);
        add("odd-keys", e);
    }
    {
        // Drifting off the track without the climb until the error limit lands the plane.
        Encoder e(42);
        e.wait(200).key(Left).key(Down).wait(60000).dealKey(0).dealKey(1).wait(200);
        add("off-track", e);
    }
    return seeds;
}

}  // namespace fuzz
