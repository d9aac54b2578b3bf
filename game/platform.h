#pragma once
// The effects the game needs of the world outside its window model. The SDL
// window implements them for real; the tests implement them with a virtual
// clock that records what was on the screen at every repaint.
#include <cstdint>
#include <string_view>

#include "scene/form.h"

namespace game {

class Platform {
  public:
    virtual ~Platform() = default;

    // Puts every pending change of the window model on the screen before the
    // handler goes on. Called by the timer ticks for the plane and the star.
    virtual void repaintPicture(const scene::Component& picture) = 0;

    // The same, for the whole window. Called by the landing and the help replay.
    virtual void repaintWindow() = 0;

    // Blocks the game for `milliseconds`: no key and no tick is handled
    // meanwhile. Called after a departure from the track and for each pair of
    // the help replay.
    virtual void pause(int milliseconds) = 0;

    // A modal box with an OK button and no icon; returns when the player has
    // closed it, however. Called at start-up and at the landing. Both texts are Windows-1252.
    virtual void messageBox(std::string_view text, std::string_view caption) = 0;

    // The current calendar time in whole seconds, to seed the deal.
    virtual std::int64_t calendarSeconds() = 0;
};

}  // namespace game
