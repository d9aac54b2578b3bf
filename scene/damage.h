#pragma once
// Which parts of the window must be drawn again after the game changed the
// window model. The SDL window keeps a copy of the components as last drawn,
// asks for the damage when a handler has run or a picture is repainted at
// once, draws those rectangles and presents only them, so that a plane step
// costs a blit of about its own size.
#include <vector>

#include "scene/form.h"
#include "scene/pixel_buffer.h"

namespace scene {

// Whether the component draws the same pixels in both states (timers draw none).
bool sameLook(const Component& a, const Component& b);

// The client rectangles to redraw when the model goes from `before` to
// `after`: for each component that looks different, its old rectangle if it
// was visible and its new one if it is. Rectangles that overlap are merged
// where their union covers no more than the two did together (a plane moved by
// a pixel gives one rectangle). They may reach past the client area (the star
// on the tree starts above it); intersect them with the client area before use.
std::vector<Rect> damage(const Components& before, const Components& after);

}  // namespace scene
