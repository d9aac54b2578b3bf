// The two looks of a bauble: painted in its pair's colour, or covered.
#include "game/game.h"

namespace game {
namespace {

bool isPosition(std::int32_t pos) {
    return pos >= 0 && pos <= 31;
}

void paint(scene::Form& form, std::int32_t pos) {
    if (!isPosition(pos)) return;
    scene::Component& shape = form.Shape(pos + 1);
    shape.brushColour = pairColors[static_cast<std::size_t>(pos / 2)];
    shape.brushStyle = scene::BrushStyle::Solid;
}

}  // namespace

void Game::PaintFirstBauble() {
    paint(Form1, state.firstPos);
}

void Game::PaintSecondBauble() {
    paint(Form1, state.secondPos);
}

void Game::CoverBauble() {
    if (!isPosition(state.coverPos)) return;
    scene::Component& shape = Form1.Shape(state.coverPos + 1);
    shape.brushColour = scene::clRed;
    shape.brushStyle = scene::BrushStyle::DiagCross;
}

}  // namespace game
