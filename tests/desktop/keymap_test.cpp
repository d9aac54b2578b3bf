// The virtual-key codes the game gets for SDL key presses on the layouts
// players have: US, German QWERTZ, French AZERTY and a Cyrillic one.
#include "scene/sdl/keymap.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace scene {
namespace {

struct Press {
    const char* what;
    SDL_Keycode keycode;
    SDL_Scancode scancode;
    std::uint16_t vk;
};

// SDL's keycode is the character the layout puts on the key (a Unicode code
// point), its scancode the key's position on a US keyboard.
constexpr Press kPresses[] = {
    // The keys of the game.
    {"space", SDLK_SPACE, SDL_SCANCODE_SPACE, 32},
    {"left", SDLK_LEFT, SDL_SCANCODE_LEFT, 37},
    {"up", SDLK_UP, SDL_SCANCODE_UP, 38},
    {"right", SDLK_RIGHT, SDL_SCANCODE_RIGHT, 39},
    {"down", SDLK_DOWN, SDL_SCANCODE_DOWN, 40},
    {"F2", SDLK_F2, SDL_SCANCODE_F2, 113},
    {"F3", SDLK_F3, SDL_SCANCODE_F3, 114},
    {"F9", SDLK_F9, SDL_SCANCODE_F9, 120},
    {"F1", SDLK_F1, SDL_SCANCODE_F1, 112},
    {"F12", SDLK_F12, SDL_SCANCODE_F12, 123},
    {"F13", SDLK_F13, SDL_SCANCODE_F13, 124},
    {"digit 1", SDLK_1, SDL_SCANCODE_1, 49},
    {"digit 9", SDLK_9, SDL_SCANCODE_9, 57},
    {"digit 0", SDLK_0, SDL_SCANCODE_0, 48},
    {"letter A", SDLK_a, SDL_SCANCODE_A, 65},
    {"letter W", SDLK_w, SDL_SCANCODE_W, 87},
    {"letter X", SDLK_x, SDL_SCANCODE_X, 88},
    {"letter Z", SDLK_z, SDL_SCANCODE_Z, 90},
    // The keypad digits are not the symbol keys.
    {"keypad 0", SDLK_KP_0, SDL_SCANCODE_KP_0, 96},
    {"keypad 5", SDLK_KP_5, SDL_SCANCODE_KP_5, 101},
    {"keypad 9", SDLK_KP_9, SDL_SCANCODE_KP_9, 105},
    {"keypad enter", SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, 13},
    {"keypad plus", SDLK_KP_PLUS, SDL_SCANCODE_KP_PLUS, 107},
    // Editing, navigation and the modifiers, left and right alike.
    {"enter", SDLK_RETURN, SDL_SCANCODE_RETURN, 13},
    {"escape", SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, 27},
    {"tab", SDLK_TAB, SDL_SCANCODE_TAB, 9},
    {"backspace", SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, 8},
    {"left shift", SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, 16},
    {"right shift", SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, 16},
    {"left ctrl", SDLK_LCTRL, SDL_SCANCODE_LCTRL, 17},
    {"right ctrl", SDLK_RCTRL, SDL_SCANCODE_RCTRL, 17},
    {"left alt", SDLK_LALT, SDL_SCANCODE_LALT, 18},
    {"alt gr", SDLK_MODE, SDL_SCANCODE_RALT, 18},
    {"insert", SDLK_INSERT, SDL_SCANCODE_INSERT, 45},
    {"delete", SDLK_DELETE, SDL_SCANCODE_DELETE, 46},
    {"home", SDLK_HOME, SDL_SCANCODE_HOME, 36},
    {"end", SDLK_END, SDL_SCANCODE_END, 35},
    {"page up", SDLK_PAGEUP, SDL_SCANCODE_PAGEUP, 33},
    {"page down", SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN, 34},
    {"caps lock", SDLK_CAPSLOCK, SDL_SCANCODE_CAPSLOCK, 20},
    // US punctuation.
    {"semicolon", SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON, 186},
    {"equals", SDLK_EQUALS, SDL_SCANCODE_EQUALS, 187},
    {"comma", SDLK_COMMA, SDL_SCANCODE_COMMA, 188},
    {"minus", SDLK_MINUS, SDL_SCANCODE_MINUS, 189},
    {"period", SDLK_PERIOD, SDL_SCANCODE_PERIOD, 190},
    {"slash", SDLK_SLASH, SDL_SCANCODE_SLASH, 191},
    {"grave", SDLK_BACKQUOTE, SDL_SCANCODE_GRAVE, 192},
    {"left bracket", SDLK_LEFTBRACKET, SDL_SCANCODE_LEFTBRACKET, 219},
    {"backslash", SDLK_BACKSLASH, SDL_SCANCODE_BACKSLASH, 220},
    {"right bracket", SDLK_RIGHTBRACKET, SDL_SCANCODE_RIGHTBRACKET, 221},
    {"apostrophe", SDLK_QUOTE, SDL_SCANCODE_APOSTROPHE, 222},
    // German QWERTZ: Y and Z swapped by their letters; + and - by their character.
    {"QWERTZ z", SDLK_z, SDL_SCANCODE_Y, 90},
    {"QWERTZ y", SDLK_y, SDL_SCANCODE_Z, 89},
    {"QWERTZ plus", '+', SDL_SCANCODE_RIGHTBRACKET, 187},
    {"QWERTZ minus", '-', SDL_SCANCODE_SLASH, 189},
    {"QWERTZ u umlaut", 0xFC, SDL_SCANCODE_LEFTBRACKET, 219},
    {"QWERTZ sharp s", 0xDF, SDL_SCANCODE_MINUS, 189},
    {"QWERTZ less-than", '<', SDL_SCANCODE_NONUSBACKSLASH, 226},
    // French AZERTY: letters by their letter, the digit row by position, the
    // comma on the M position is a comma.
    {"AZERTY a", SDLK_a, SDL_SCANCODE_Q, 65},
    {"AZERTY q", SDLK_q, SDL_SCANCODE_A, 81},
    {"AZERTY w", SDLK_w, SDL_SCANCODE_Z, 87},
    {"AZERTY m", SDLK_m, SDL_SCANCODE_SEMICOLON, 77},
    {"AZERTY comma", ',', SDL_SCANCODE_M, 188},
    {"AZERTY ampersand is 1", '&', SDL_SCANCODE_1, 49},
    {"AZERTY e acute is 2", 0xE9, SDL_SCANCODE_2, 50},
    {"AZERTY a grave is 0", 0xE0, SDL_SCANCODE_0, 48},
    // Russian: the letter of the key's position.
    {"Cyrillic ef on A", 0x0444, SDL_SCANCODE_A, 65},
    {"Cyrillic tse on W", 0x0446, SDL_SCANCODE_W, 87},
    {"Cyrillic ha on left bracket", 0x0445, SDL_SCANCODE_LEFTBRACKET, 219},
    // Keys without a code still send one, so that they count.
    {"no key", SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN, kUnmappedKey},
};

TEST(KeymapTest, EveryPressGetsTheWindowsCodeOfItsKey) {
    for (const Press& p : kPresses) {
        EXPECT_EQ(virtualKey(p.keycode, p.scancode), p.vk) << p.what;
    }
}

TEST(KeymapTest, OnlyTheDigitAndLetterKeysAreSymbolKeys) {
    // The game's symbol keys are the codes 49 to 87; no other key of any
    // position may land there, whatever the layout puts on it (nothing SDL
    // knows, a Cyrillic letter, a comma, nothing at all).
    for (int s = SDL_SCANCODE_UNKNOWN; s < SDL_NUM_SCANCODES; ++s) {
        const auto scancode = static_cast<SDL_Scancode>(s);
        for (const SDL_Keycode keycode :
             {static_cast<SDL_Keycode>(SDL_SCANCODE_TO_KEYCODE(scancode)),
              static_cast<SDL_Keycode>(0x0436), static_cast<SDL_Keycode>(','),
              static_cast<SDL_Keycode>(SDLK_UNKNOWN)}) {
            const std::uint16_t vk = virtualKey(keycode, scancode);
            const bool letterKey = (keycode >= SDLK_a && keycode <= SDLK_z) ||
                                   (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z);
            const bool digitKey = scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_0;
            if (vk >= 49 && vk <= 87) {
                EXPECT_TRUE(letterKey || digitKey) << "scancode " << s << " gives " << vk;
            }
            EXPECT_FALSE(vk >= 58 && vk <= 64) << "scancode " << s << " gives " << vk;
            EXPECT_NE(vk, 0) << "scancode " << s << " gives no code";
        }
    }
}

}  // namespace
}  // namespace scene
