// The help replay: every unsolved pair for 1.5 seconds, then the cover.
#include "game/game.h"

namespace game {

void Game::ShowHelp() {
    scene::Form& form = Form1;
    if (state.helpReveal) {
        for (std::int32_t k = 0; k < 32; k += 2) {
            if (state.found[static_cast<std::size_t>(k)]) continue;
            form.Label2().caption = (*state.dealSymbolList)[static_cast<std::size_t>(k)];
            state.firstPos = k;
            PaintFirstBauble();
            form.Label3().caption = (*state.dealSymbolList)[static_cast<std::size_t>(k + 1)];
            state.secondPos = k + 1;
            PaintSecondBauble();
            platform_.repaintWindow();
            platform_.pause(1500);
        }
        form.Label2().caption.clear();
        form.Label3().caption.clear();
        return;
    }
    for (std::int32_t k = 0; k < 32; ++k) {
        if (state.found[static_cast<std::size_t>(k)]) continue;
        state.coverPos = k;
        CoverBauble();
    }
}

}  // namespace game
