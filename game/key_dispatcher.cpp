// Every key press: the flight keys, then the two-key entry of the pairs.
#include "game/game.h"
#include "game/texts.h"
#include "game/wrap.h"

namespace game {
namespace {

constexpr std::int32_t kSpace = 32;
constexpr std::int32_t kLeft = 37;
constexpr std::int32_t kUp = 38;
constexpr std::int32_t kRight = 39;
constexpr std::int32_t kDown = 40;
constexpr std::int32_t kF2 = 113;
constexpr std::int32_t kF3 = 114;
constexpr std::int32_t kF9 = 120;

bool isSymbolKey(std::int32_t code) {
    return code > 48 && code < 88;
}

}  // namespace

void Game::FormKeyDown(std::uint16_t key) {
    scene::Form& form = Form1;
    state.keyCode = std::stoi(std::to_string(key));

    // The flight keys: the climb, and the drift headings with a one-pixel nudge.
    if (state.keyCode == kSpace) {
        scene::setEnabled(form.Timer1(), true);
        form.ImageS().visible = false;
    } else if (state.keyCode == kLeft || state.keyCode == kRight || state.keyCode == kUp ||
               state.keyCode == kDown) {
        switch (state.keyCode) {
            case kLeft:
                state.steerLeft = true;
                state.planeX = wrapSub(state.planeX, 1);
                break;
            case kRight:
                state.steerLeft = false;
                state.planeX = wrapAdd(state.planeX, 1);
                break;
            case kUp:
                state.steerUp = true;
                state.altitude = wrapAdd(state.altitude, 1);
                break;
            default:
                state.steerUp = false;
                state.altitude = wrapSub(state.altitude, 1);
                break;
        }
        form.ImageS().visible = false;
        scene::setEnabled(form.Timer2(), true);
        scene::setEnabled(form.Timer3(), true);
    }

    // Every press counts in the two-key entry: a first key, or a second key.
    state.keyCount = wrapAdd(state.keyCount, 1);
    if (state.keyCount == 1) {
        state.firstKey = key;
        if (isSymbolKey(key)) PickFirst(key);
        if (state.firstKey == kF2) HelpSequence();
        if (state.firstKey == kF3) SaveSymbolList();
    }
    if (state.keyCount == 2) {
        state.keyCount = 0;
        if (isSymbolKey(key)) PickSecond(key);
    }
    if (state.firstKey == kF9) NewDealSequence();
}

void Game::HelpSequence() {
    state.helpReveal = true;
    ShowHelp();
    state.helpReveal = false;
    ShowHelp();
    state.keyCount = 0;
    state.helpCount = wrapAdd(state.helpCount, 1);
    Form1.Label4().caption = std::to_string(state.helpCount) + std::string(texts::kHelpPressed);
}

void Game::NewDealSequence() {
    DealBaubles();
    state.helpReveal = true;
    ShowHelp();
    state.helpReveal = false;
    ShowHelp();
    state.keyCount = 0;
    state.helpCount = wrapAdd(state.helpCount, 1);
}

}  // namespace game
