#pragma once
// Our own modal message box: a small window with a caption, a word-wrapped
// text, an optional error icon and an OK button. Enter, Space, Esc, the OK
// button and the window's close button all close it alike.
#include <SDL.h>

#include <string_view>

#include "scene/fonts.h"

namespace scene {

// Events that are not for the box while it is open: the main window's
// exposes and close requests still need handling, and a quit request (which
// also closes the box). Keys never get here: they all go to the box.
class BoxBystander {
  public:
    virtual ~BoxBystander() = default;
    virtual void onOtherEvent(const SDL_Event& event) = 0;
};

struct BoxStyle {
    bool errorIcon = false;
};

// Shows the box and returns when the player has closed it. `text` and
// `caption` are Windows-1252. `owner` may be null (the box then sits in the
// middle of the screen) or a shown window (the box sits over it). Throws SdlError.
void runMessageBox(Fonts& fonts, SDL_Window* owner, std::string_view text, std::string_view caption,
                   BoxStyle style, BoxBystander& bystander);

}  // namespace scene
