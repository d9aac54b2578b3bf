#pragma once
// Every variable of the game, in one record, with its start value.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "game/string_list.h"
#include "scene/form.h"

namespace game {

struct GameState {
    std::int32_t errorCount = 0;                 // off-track ticks of the approach
    std::int32_t keyCode = 0;                    // code of the key being handled
    std::int32_t altitude = 0;                   // plane height above its start, grows upward
    std::int32_t planeX = 0;                     // plane offset from its start, grows rightward
    std::int32_t cellRow = 0;                    // grid row of the plane's reference point
    std::int32_t cellCol = 0;                    // grid column of the plane's reference point
    std::string rowText;                         // two-digit text of cellRow
    std::string colText;                         // two-digit text of cellCol
    bool steerLeft = false;                      // horizontal drift: true left, false right
    bool steerUp = false;                        // vertical drift: true up, false down
    std::unique_ptr<StringList> trackList;       // the on-track cell keys
    std::int32_t keyCount = 0;                   // two-key entry: 0 or 1 between key presses
    std::int32_t firstKey = 0;                   // code of the latest first key
    std::int32_t drawnIndex = 0;                 // symbol index of the deal's latest draw
    std::int32_t dealCounter = 0;                // bounds the first draw of a deal
    std::int32_t helpCount = 0;                  // help replays run by F2 and F9
    std::int32_t firstPos = 0;                   // position of the first picked symbol
    std::int32_t secondPos = 0;                  // position of the second picked symbol
    std::int32_t coverPos = 0;                   // position handed to CoverBauble
    bool helpReveal = false;                     // ShowHelp: true reveal pass, false cover pass
    std::string drawnText;                       // decimal text of drawnIndex
    std::string firstKeyText;                    // decimal text of the first symbol key's code
    std::string secondKeyText;                   // decimal text of the second symbol key's code
    std::unique_ptr<StringList> dealIndexList;   // per position: symbol index
    std::unique_ptr<StringList> dealKeyList;     // per position: its key code
    std::unique_ptr<StringList> dealSymbolList;  // per position: its text

    std::array<bool, 32> found{};  // position k belongs to a solved pair
};

// Colour of pair m: the sixteen standard colours in the alphabetical order of their names.
inline constexpr std::array<scene::Colour, 16> pairColors{
    0x00FFFF00,  // aqua
    0x00000000,  // black
    0x00FF0000,  // blue
    0x00FF00FF,  // fuchsia
    0x00808080,  // grey
    0x00008000,  // green
    0x0000FF00,  // lime
    0x00000080,  // maroon
    0x00800000,  // navy
    0x00008080,  // olive
    0x00800080,  // purple
    0x000000FF,  // red
    0x00C0C0C0,  // silver
    0x00808000,  // teal
    0x00FFFFFF,  // white
    0x0000FFFF,  // yellow
};

// The key code of symbol i: the digits 1-9, then the letters A-W.
inline constexpr std::array<std::int32_t, 32> symbolKeyCodes{
    49, 50, 51, 52, 53, 54, 55, 56, 57, 65, 66, 67, 68, 69, 70, 71,
    72, 73, 74, 75, 76, 77, 78, 79, 80, 81, 82, 83, 84, 85, 86, 87,
};

// The text of symbol i, built once for the whole run.
const std::array<std::string, 32>& symbolTexts();

}  // namespace game
