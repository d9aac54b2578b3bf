#pragma once
// The window model in the states a player sees, changed as the game changes it.
#include <string>

#include "game/game_state.h"
#include "game/texts.h"
#include "scene/form.h"

namespace render_test {

// The approach after the space bar: the star hidden, the plane climbing at altitude `altitude`.
inline scene::Form climbingScene(int altitude) {
    scene::Form form;
    form.ImageS().visible = false;
    form.ImageL().top = 400 - altitude;
    form.ImageL().visible = true;
    form.Label1().caption = std::string(game::texts::kErrors) + "0";
    return form;
}

// The landing: the approach pictures go, the tree, the baubles and the pair labels come.
inline void land(scene::Form& form) {
    for (scene::Component* c :
         {&form.ImageS(), &form.ImageR(), &form.ImageL(), &form.Image1(), &form.Image3()}) {
        c->visible = false;
    }
    form.Image2().visible = true;
    for (int n = 1; n <= 32; ++n) form.Shape(n).visible = true;
    form.Label2().visible = true;
    form.Label3().visible = true;
    form.Label4().visible = true;
}

inline void paint(scene::Form& form, int position) {
    scene::Component& shape = form.Shape(position + 1);
    shape.brushColour = game::pairColors[static_cast<std::size_t>(position / 2)];
    shape.brushStyle = scene::BrushStyle::Solid;
}

inline void cover(scene::Form& form, int position) {
    scene::Component& shape = form.Shape(position + 1);
    shape.brushColour = scene::clRed;
    shape.brushStyle = scene::BrushStyle::DiagCross;
}

// The pairs phase with the even pairs solved and the odd ones covered, after
// one help and a first key "7" typed.
inline scene::Form pairsScene() {
    scene::Form form;
    form.Label1().caption = std::string(game::texts::kErrors) + "3";
    land(form);
    for (int position = 0; position < 32; ++position) {
        if ((position / 2) % 2 == 0) {
            paint(form, position);
        } else {
            cover(form, position);
        }
    }
    form.Label2().caption = "7";
    form.Label4().caption = "1" + std::string(game::texts::kHelpPressed);
    return form;
}

// After the sixteenth pair: every bauble painted, the star on the tree, the greeting.
inline scene::Form winScene() {
    scene::Form form = pairsScene();
    for (int position = 0; position < 32; ++position) paint(form, position);
    form.Label2().caption.clear();
    form.Label4().caption = std::string(game::texts::kGreeting);
    form.ImageS().left = 135;
    form.ImageS().top = -5;
    form.ImageS().visible = true;
    return form;
}

}  // namespace render_test
