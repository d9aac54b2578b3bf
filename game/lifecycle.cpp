// Start-up and shut-down of the window.
#include "game/game.h"
#include "game/texts.h"
#include "game/track_cells.h"

namespace game {

const std::array<std::string, 32>& symbolTexts() {
    static const std::array<std::string, 32> texts = [] {
        std::array<std::string, 32> t;
        for (std::size_t i = 0; i < t.size(); ++i) {
            t[i] = std::string(1, static_cast<char>(symbolKeyCodes[i]));
        }
        return t;
    }();
    return texts;
}

void Game::FormCreate() {
    platform_.messageBox(texts::kIntroduction, texts::kBoxCaption);

    state.keyCode = 0;
    state.errorCount = 0;
    state.altitude = 0;
    state.planeX = 0;
    state.steerLeft = true;
    state.steerUp = true;

    state.trackList = std::make_unique<StringList>();
    for (const std::string& key : trackCellKeys()) state.trackList->append(key);

    state.keyCount = 0;
    state.helpReveal = false;

    state.dealIndexList = std::make_unique<StringList>();
    state.dealKeyList = std::make_unique<StringList>();
    state.dealSymbolList = std::make_unique<StringList>();

    SeedRandom();
    DealBaubles();
    ShowHelp();
    state.helpCount = 0;
}

void Game::FormClose() {
    state.trackList.reset();
    state.dealIndexList.reset();
    state.dealKeyList.reset();
    state.dealSymbolList.reset();
}

}  // namespace game
