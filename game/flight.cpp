// The plane's motion under the three timers: one pixel per tick.
#include "game/game.h"
#include "game/wrap.h"

namespace game {

void Game::PlacePlane() {
    scene::Form& form = Form1;
    scene::Component& shown = state.steerLeft ? form.ImageL() : form.ImageR();
    scene::Component& hidden = state.steerLeft ? form.ImageR() : form.ImageL();
    shown.left = wrapAdd(state.planeX, 80);
    shown.top = wrapSub(400, state.altitude);
    hidden.visible = false;
    shown.visible = true;
    platform_.repaintPicture(shown);
    CheckTrack();
}

void Game::Timer1Timer() {
    scene::Form& form = Form1;
    state.altitude = wrapAdd(state.altitude, 1);
    form.ImageR().top = wrapSub(400, state.altitude);
    form.ImageL().top = wrapSub(400, state.altitude);
    // The climb always shows the left-facing plane, wherever it last stood.
    form.ImageL().visible = true;
    platform_.repaintPicture(form.ImageL());
    CheckTrack();
    if (state.altitude == 166) scene::setEnabled(form.Timer2(), true);
    if (state.altitude == 368 || state.altitude == 369) scene::setEnabled(form.Timer1(), false);
}

void Game::Timer2Timer() {
    state.planeX = state.steerLeft ? wrapSub(state.planeX, 1) : wrapAdd(state.planeX, 1);
    PlacePlane();
}

void Game::Timer3Timer() {
    state.altitude = state.steerUp ? wrapAdd(state.altitude, 1) : wrapSub(state.altitude, 1);
    PlacePlane();
}

}  // namespace game
