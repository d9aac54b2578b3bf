#pragma once
// Turns SDL's key presses into the Windows virtual-key codes the game reads.
#include <SDL_keyboard.h>

#include <cstdint>

namespace scene {

// Code given to a key that has no virtual-key code of its own; the press still counts.
inline constexpr std::uint16_t kUnmappedKey = 0xFF;

// The virtual-key code of a press, from SDL's key (the character the layout
// puts on it) and scancode (its position). Letters follow the letter on the
// key, so QWERTZ and AZERTY type what they show, and the key's position where
// the layout has no Latin letters. The digit row, the keypad, the function,
// editing and modifier keys follow the position. Punctuation gives the OEM
// codes of the US layout by position, except + , - . which Windows names by
// their character on every layout. Called by the SDL window for every
// key-down event, repeats included.
std::uint16_t virtualKey(SDL_Keycode keycode, SDL_Scancode scancode);

}  // namespace scene
