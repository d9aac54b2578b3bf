#pragma once
// The game's window on the screen: the SDL window, the renderer, and a copy
// of the window model as it was last put on the screen. Presenting draws only
// what changed since then (the damage) into the window surface and updates
// only those rectangles, so a plane step costs a blit of about its own size.
#include <SDL.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "scene/asset_pictures.h"
#include "scene/event_loop.h"
#include "scene/form.h"
#include "scene/pixel_buffer.h"
#include "scene/renderer.h"

namespace scene {

class MainWindow {
  public:
    // Told the cost of each present() that put something on the screen.
    using PresentObserver = std::function<void(Time took, int rects)>;

    // Creates the window hidden, centred, resizable, with the game's caption
    // and icon. Throws SdlError.
    explicit MainWindow(const Form& form, PresentObserver observer = {});
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Shows the window with the model as it is now, at an outer size of
    // 622 x 541 where the window manager reports its frame. Called once, after
    // the start-up handler.
    void show();

    // Puts the model's changes since the last present on the screen. Called
    // before the event loop takes its next event (a handler has returned) and
    // by the handlers' "repaint at once". Throws SdlError.
    void present();

    // Draws the whole client area again as last presented. Called when the
    // window was exposed, resized or restored, also during a pause.
    void redrawAll();

    // How many times the window has sent pixels to the screen so far. Each
    // time, waiting for the window system may read its events ahead.
    std::uint64_t updates() const { return updates_; }

    SDL_Window* window() const { return window_; }
    Uint32 id() const { return id_; }
    Fonts& fonts() { return renderer_.fonts(); }

  private:
    void fitBuffer();
    void blit(const std::vector<Rect>& rects);

    const Form& form_;
    PresentObserver observer_;
    SDL_Window* window_ = nullptr;
    Uint32 id_ = 0;
    AssetPictures pictures_;
    Renderer renderer_;
    PixelBuffer buffer_;
    Components presented_;
    std::vector<Rect> rects_;
    std::vector<SDL_Rect> sdlRects_;
    SDL_Surface* source_ = nullptr;  // over buffer_'s pixels
    std::uint64_t updates_ = 0;
    bool shown_ = false;
};

}  // namespace scene
