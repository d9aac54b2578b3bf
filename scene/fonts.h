#pragma once
// The typefaces of the game, built into the executable and opened through
// SDL_ttf. The labels ask for the font of a component; the message boxes of
// the SDL window ask for the plain sans faces. One Fonts object holds one
// SDL_ttf initialisation (SDL_ttf counts them, so several may live at once)
// and the fonts it opened; it closes them before it lets go of SDL_ttf.
#include <SDL_ttf.h>

#include <map>
#include <utility>

#include "scene/form.h"

namespace scene {

// The four embedded faces. The labels' Times New Roman and MS Sans Serif are
// stood in for by the metric-compatible Liberation Serif and Liberation Sans.
enum class Typeface {
    SerifItalic,     // Label1: Times New Roman italic
    SansBoldItalic,  // Label2 to Label4: MS Sans Serif bold italic
    Sans,            // message box text
    SansBold,        // message box emphasis
};

// The embedded face that stands in for a label's font. Only the combinations
// the window uses have their own face; the others take the closest one.
Typeface typefaceFor(const Font& font);

class Fonts {
  public:
    // Initialises SDL_ttf; throws std::runtime_error if it cannot.
    Fonts();
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    // The face at `pixels` pixels to the em (a font height of -16 is 16 here),
    // opened on first use and kept until this object goes. Throws
    // std::runtime_error if SDL_ttf cannot open it.
    TTF_Font* get(Typeface face, int pixels);

    // The font a label draws its caption in.
    TTF_Font* forLabel(const Font& font) { return get(typefaceFor(font), font.height); }

  private:
    std::map<std::pair<Typeface, int>, TTF_Font*> open_;
};

}  // namespace scene
