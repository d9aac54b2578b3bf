#include "scene/sdl/keymap.h"

namespace scene {
namespace {

struct ScancodeKey {
    SDL_Scancode scancode;
    std::uint16_t vk;
};

// Keys that mean the same wherever they are: editing, navigation, modifiers
// (left and right alike), the keypad and the digit row.
constexpr ScancodeKey kFixed[] = {
    {SDL_SCANCODE_BACKSPACE, 8},    {SDL_SCANCODE_TAB, 9},
    {SDL_SCANCODE_KP_CLEAR, 12},    {SDL_SCANCODE_CLEAR, 12},
    {SDL_SCANCODE_RETURN, 13},      {SDL_SCANCODE_RETURN2, 13},
    {SDL_SCANCODE_KP_ENTER, 13},    {SDL_SCANCODE_LSHIFT, 16},
    {SDL_SCANCODE_RSHIFT, 16},      {SDL_SCANCODE_LCTRL, 17},
    {SDL_SCANCODE_RCTRL, 17},       {SDL_SCANCODE_LALT, 18},
    {SDL_SCANCODE_RALT, 18},        {SDL_SCANCODE_PAUSE, 19},
    {SDL_SCANCODE_CAPSLOCK, 20},    {SDL_SCANCODE_ESCAPE, 27},
    {SDL_SCANCODE_SPACE, 32},       {SDL_SCANCODE_PAGEUP, 33},
    {SDL_SCANCODE_PAGEDOWN, 34},    {SDL_SCANCODE_END, 35},
    {SDL_SCANCODE_HOME, 36},        {SDL_SCANCODE_LEFT, 37},
    {SDL_SCANCODE_UP, 38},          {SDL_SCANCODE_RIGHT, 39},
    {SDL_SCANCODE_DOWN, 40},        {SDL_SCANCODE_SELECT, 41},
    {SDL_SCANCODE_EXECUTE, 43},     {SDL_SCANCODE_PRINTSCREEN, 44},
    {SDL_SCANCODE_INSERT, 45},      {SDL_SCANCODE_DELETE, 46},
    {SDL_SCANCODE_HELP, 47},        {SDL_SCANCODE_0, 48},
    {SDL_SCANCODE_1, 49},           {SDL_SCANCODE_2, 50},
    {SDL_SCANCODE_3, 51},           {SDL_SCANCODE_4, 52},
    {SDL_SCANCODE_5, 53},           {SDL_SCANCODE_6, 54},
    {SDL_SCANCODE_7, 55},           {SDL_SCANCODE_8, 56},
    {SDL_SCANCODE_9, 57},           {SDL_SCANCODE_LGUI, 91},
    {SDL_SCANCODE_RGUI, 92},        {SDL_SCANCODE_APPLICATION, 93},
    {SDL_SCANCODE_SLEEP, 95},       {SDL_SCANCODE_KP_0, 96},
    {SDL_SCANCODE_KP_1, 97},        {SDL_SCANCODE_KP_2, 98},
    {SDL_SCANCODE_KP_3, 99},        {SDL_SCANCODE_KP_4, 100},
    {SDL_SCANCODE_KP_5, 101},       {SDL_SCANCODE_KP_6, 102},
    {SDL_SCANCODE_KP_7, 103},       {SDL_SCANCODE_KP_8, 104},
    {SDL_SCANCODE_KP_9, 105},       {SDL_SCANCODE_KP_MULTIPLY, 106},
    {SDL_SCANCODE_KP_PLUS, 107},    {SDL_SCANCODE_KP_MINUS, 109},
    {SDL_SCANCODE_KP_PERIOD, 110},  {SDL_SCANCODE_KP_DECIMAL, 110},
    {SDL_SCANCODE_KP_DIVIDE, 111},  {SDL_SCANCODE_NUMLOCKCLEAR, 144},
    {SDL_SCANCODE_SCROLLLOCK, 145}, {SDL_SCANCODE_AUDIOMUTE, 173},
    {SDL_SCANCODE_VOLUMEDOWN, 174}, {SDL_SCANCODE_VOLUMEUP, 175},
    {SDL_SCANCODE_AUDIONEXT, 176},  {SDL_SCANCODE_AUDIOPREV, 177},
    {SDL_SCANCODE_AUDIOSTOP, 178},  {SDL_SCANCODE_AUDIOPLAY, 179},
};

// The punctuation keys by their position on the US layout.
constexpr ScancodeKey kPunctuation[] = {
    {SDL_SCANCODE_SEMICOLON, 186},      {SDL_SCANCODE_EQUALS, 187},
    {SDL_SCANCODE_COMMA, 188},          {SDL_SCANCODE_MINUS, 189},
    {SDL_SCANCODE_PERIOD, 190},         {SDL_SCANCODE_SLASH, 191},
    {SDL_SCANCODE_GRAVE, 192},          {SDL_SCANCODE_LEFTBRACKET, 219},
    {SDL_SCANCODE_BACKSLASH, 220},      {SDL_SCANCODE_NONUSHASH, 220},
    {SDL_SCANCODE_RIGHTBRACKET, 221},   {SDL_SCANCODE_APOSTROPHE, 222},
    {SDL_SCANCODE_NONUSBACKSLASH, 226},
};

template <std::size_t N>
std::uint16_t find(const ScancodeKey (&table)[N], SDL_Scancode scancode) {
    for (const ScancodeKey& k : table) {
        if (k.scancode == scancode) return k.vk;
    }
    return 0;
}

// The four marks whose virtual key Windows fixes on every layout.
std::uint16_t markOnAnyLayout(SDL_Keycode keycode) {
    switch (keycode) {
        case '+':
            return 187;
        case ',':
            return 188;
        case '-':
            return 189;
        case '.':
            return 190;
        default:
            return 0;
    }
}

bool isLetterPosition(SDL_Scancode s) {
    return s >= SDL_SCANCODE_A && s <= SDL_SCANCODE_Z;
}

}  // namespace

std::uint16_t virtualKey(SDL_Keycode keycode, SDL_Scancode scancode) {
    if (keycode >= SDLK_a && keycode <= SDLK_z) {
        return static_cast<std::uint16_t>('A' + (keycode - SDLK_a));
    }
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) {
        return static_cast<std::uint16_t>(112 + (scancode - SDL_SCANCODE_F1));
    }
    if (scancode >= SDL_SCANCODE_F13 && scancode <= SDL_SCANCODE_F24) {
        return static_cast<std::uint16_t>(124 + (scancode - SDL_SCANCODE_F13));
    }
    if (const std::uint16_t vk = find(kFixed, scancode)) return vk;
    if (const std::uint16_t vk = markOnAnyLayout(keycode)) return vk;
    if (const std::uint16_t vk = find(kPunctuation, scancode)) return vk;
    // A letter position whose key is not a Latin letter on this layout (a
    // Cyrillic or Greek letter, a mark): the letter of the position, as the
    // key sends on Windows.
    if (isLetterPosition(scancode)) {
        return static_cast<std::uint16_t>('A' + (scancode - SDL_SCANCODE_A));
    }
    return kUnmappedKey;
}

}  // namespace scene
