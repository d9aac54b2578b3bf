// The random deal of the 32 symbols over the 32 baubles.
#include "game/game.h"

namespace game {

void Game::SeedRandom() {
    random_.seed(static_cast<std::uint64_t>(platform_.calendarSeconds()));
}

std::int32_t Game::RandomBelow(std::int32_t n) {
    if (n == 0) return 0;
    return random_.next() % n;
}

void Game::DealBaubles() {
    StringList& indices = *state.dealIndexList;
    StringList& keys = *state.dealKeyList;
    StringList& symbols = *state.dealSymbolList;
    indices.clear();
    keys.clear();
    symbols.clear();

    const auto append = [&] {
        const auto i = static_cast<std::size_t>(state.drawnIndex);
        indices.append(state.drawnText);
        keys.append(std::to_string(symbolKeyCodes[i]));
        symbols.append(symbolTexts()[i]);
    };

    // Position 0 draws below the deal counter, not below 32, and takes no duplicate test.
    state.dealCounter += 1;
    if (state.dealCounter == 32) state.dealCounter = 0;
    state.drawnIndex = RandomBelow(state.dealCounter);
    state.drawnText = std::to_string(state.drawnIndex);
    append();

    for (int position = 1; position < 32; ++position) {
        do {
            state.drawnIndex = RandomBelow(32);
            state.drawnText = std::to_string(state.drawnIndex);
        } while (indices.find(state.drawnText) != -1);
        append();
    }
    state.found.fill(false);
}

}  // namespace game
