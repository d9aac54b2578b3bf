// The referee of the approach: track, errors, pause, landing.
#include "game/game.h"
#include "game/texts.h"
#include "game/track_cells.h"
#include "game/wrap.h"

namespace game {
namespace {

constexpr std::int32_t kLandingCol = 54;
constexpr std::int32_t kLandingRow = 43;
constexpr std::int32_t kErrorLimit = 15;
constexpr int kPauseMs = 1500;

}  // namespace

void Game::CheckTrack() {
    scene::Form& form = Form1;
    // Integer division truncates toward zero, as the cell grid expects.
    state.cellRow = wrapSub(425, state.altitude) / 10;
    state.cellCol = wrapAdd(state.planeX, 142) / 10;
    state.rowText = cellNumberText(state.cellRow);
    state.colText = cellNumberText(state.cellCol);

    if (state.trackList->find(state.colText + "--" + state.rowText) == -1) {
        form.ImageR().visible = false;
        form.ImageL().visible = false;
        form.ImageS().left = wrapAdd(state.planeX, 70);
        form.ImageS().top = wrapSub(400, state.altitude);
        form.ImageS().visible = true;
        platform_.repaintPicture(form.ImageS());
        state.errorCount = wrapAdd(state.errorCount, 1);
        platform_.pause(kPauseMs);
    }

    form.Label1().caption = std::string(texts::kErrors) + std::to_string(state.errorCount);

    if (state.errorCount == kErrorLimit) {
        state.cellCol = kLandingCol;
        state.cellRow = kLandingRow;
    }
    if (state.cellCol == kLandingCol && state.cellRow == kLandingRow) LandingTransition();
}

void Game::LandingTransition() {
    scene::Form& form = Form1;
    scene::setEnabled(form.Timer1(), false);
    scene::setEnabled(form.Timer2(), false);
    scene::setEnabled(form.Timer3(), false);

    form.ImageS().visible = false;
    form.ImageR().visible = false;
    form.ImageL().visible = false;
    form.Image1().visible = false;
    form.Image3().visible = false;

    platform_.messageBox(texts::kLanding, texts::kBoxCaption);
    state.keyCount = 0;

    form.Image2().visible = true;
    for (int n = 1; n <= 32; ++n) form.Shape(n).visible = true;
    form.Label2().visible = true;
    form.Label3().visible = true;
    form.Label4().visible = true;
    platform_.repaintWindow();
}

}  // namespace game
