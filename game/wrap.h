#pragma once
// 32-bit game arithmetic that wraps around instead of overflowing: the plane
// may drift for ever, and a counter may be pushed as far as a player likes.
#include <cstdint>

namespace game {

inline std::int32_t wrapAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

inline std::int32_t wrapSub(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

}  // namespace game
