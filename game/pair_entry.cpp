// Two symbol keys solve a pair; sixteen pairs win. F3 exports the deal.
#include <string>

#include "game/game.h"
#include "game/texts.h"

namespace game {
namespace {

// The symbol at `pos` for a label; the caption stays as it was for a key
// that names no symbol (codes 58 to 64).
void showSymbol(scene::Component& label, const StringList& symbols, std::int32_t pos) {
    if (pos >= 0) label.caption = symbols[static_cast<std::size_t>(pos)];
}

}  // namespace

void Game::PickFirst(std::uint16_t keyCode) {
    state.firstKeyText = std::to_string(keyCode);
    state.firstPos = state.dealKeyList->find(state.firstKeyText);
    showSymbol(Form1.Label2(), *state.dealSymbolList, state.firstPos);
}

void Game::PickSecond(std::uint16_t keyCode) {
    state.secondKeyText = std::to_string(keyCode);
    state.secondPos = state.dealKeyList->find(state.secondKeyText);
    showSymbol(Form1.Label3(), *state.dealSymbolList, state.secondPos);

    const bool accepted =
        state.firstPos >= 0 && state.firstPos % 2 == 0 && state.secondPos == state.firstPos + 1;
    if (!accepted) return;
    PaintSecondBauble();
    state.found[static_cast<std::size_t>(state.secondPos)] = true;
    PaintFirstBauble();
    state.found[static_cast<std::size_t>(state.firstPos)] = true;
    WinScan();
}

void Game::WinScan() {
    scene::Form& form = Form1;
    bool all = true;
    for (bool f : state.found) all = all && f;
    if (all) {
        form.Label4().caption = std::string(texts::kGreeting);
        form.ImageS().top = -5;
        form.ImageS().left = 135;
        form.ImageS().visible = true;
    } else {
        form.Label4().caption = std::to_string(state.helpCount) + std::string(texts::kHelpPressed);
        form.ImageS().visible = false;
    }
}

void Game::SaveSymbolList() {
    std::string message(texts::kCannotCreate);
    const std::string file(texts::kSymbolFile);
    message.replace(message.find("%s"), 2, file);
    state.dealSymbolList->saveToFile(file, message);
}

}  // namespace game
