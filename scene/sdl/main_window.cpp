#include "scene/sdl/main_window.h"

#include <algorithm>
#include <chrono>
#include <string>

#include "assets/pictures.h"
#include "scene/cp1252.h"
#include "scene/damage.h"
#include "scene/sdl/sdl_error.h"

namespace scene {
namespace {

// An SDL surface over pixels in 0x00RRGGBB, without copying them.
SDL_Surface* surfaceOver(const std::uint32_t* pixels, int width, int height) {
    return SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(pixels), width, height, 32,
                                              width * 4, SDL_PIXELFORMAT_RGB888);
}

Time monotonicNow() {
    return std::chrono::duration_cast<Time>(std::chrono::steady_clock::now().time_since_epoch());
}

}  // namespace

MainWindow::MainWindow(const Form& form, PresentObserver observer)
    : form_(form),
      observer_(std::move(observer)),
      renderer_(pictures_),
      presented_(form.components) {
    const std::string caption = cp1252ToUtf8(Form::kCaption);
    window_ =
        SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                         Form::kWidth, Form::kHeight, SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (window_ == nullptr) throw SdlError("cannot create the window");
    id_ = SDL_GetWindowID(window_);
    SDL_SetWindowMinimumSize(window_, Form::kClientWidth, Form::kClientHeight);
    // The icon's pixels carry no alpha: SDL makes every pixel opaque.
    const assets::Image& icon = assets::icon();
    if (SDL_Surface* s = surfaceOver(icon.pixels.data(), icon.width, icon.height)) {
        SDL_SetWindowIcon(window_, s);
        SDL_FreeSurface(s);
    }
}

MainWindow::~MainWindow() {
    if (source_ != nullptr) SDL_FreeSurface(source_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
}

void MainWindow::show() {
    SDL_ShowWindow(window_);
    // The frame is known once the window is mapped. The outer size is 622 x 541
    // with it; without a window manager there is none and the client gets it all.
    int top = 0, left = 0, bottom = 0, right = 0;
    if (SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) == 0 &&
        (top | left | bottom | right) != 0) {
        const int w = std::max(Form::kClientWidth, Form::kWidth - left - right);
        const int h = std::max(Form::kClientHeight, Form::kHeight - top - bottom);
        SDL_SetWindowSize(window_, w, h);
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    // The player types into the game at once, with or without a window manager.
    SDL_RaiseWindow(window_);
    SDL_SetWindowInputFocus(window_);
    shown_ = true;
    presented_ = form_.components;
    redrawAll();
}

void MainWindow::fitBuffer() {
    int w = 0, h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    if (w == buffer_.width && h == buffer_.height && source_ != nullptr) return;
    buffer_ = PixelBuffer(w, h);
    if (source_ != nullptr) SDL_FreeSurface(source_);
    source_ = surfaceOver(buffer_.pixels.data(), buffer_.width, buffer_.height);
    if (source_ == nullptr) throw SdlError("cannot draw the window");
}

void MainWindow::redrawAll() {
    if (!shown_) return;
    fitBuffer();
    const Rect all = buffer_.bounds();
    renderer_.draw(presented_, buffer_, all);
    rects_.assign(1, all);
    blit(rects_);
}

void MainWindow::present() {
    if (!shown_) return;
    const Time start = observer_ ? monotonicNow() : Time{};
    const std::vector<Rect> damaged = damage(presented_, form_.components);
    if (damaged.empty()) return;
    presented_ = form_.components;
    fitBuffer();
    rects_.clear();
    for (const Rect& d : damaged) {
        const Rect r = intersect(d, buffer_.bounds());
        if (r.empty()) continue;
        renderer_.draw(presented_, buffer_, r);
        rects_.push_back(r);
    }
    blit(rects_);
    if (observer_) observer_(monotonicNow() - start, static_cast<int>(rects_.size()));
}

void MainWindow::blit(const std::vector<Rect>& rects) {
    if (rects.empty()) return;
    ++updates_;
    // Fetched every time: a resize replaces the window surface.
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    if (target == nullptr) throw SdlError("cannot draw the window");
    const SDL_Rect surfaceRect{0, 0, target->w, target->h};
    sdlRects_.clear();
    for (const Rect& r : rects) {
        const SDL_Rect wanted{r.x, r.y, r.w, r.h};
        SDL_Rect clipped;
        if (!SDL_IntersectRect(&wanted, &surfaceRect, &clipped)) continue;
        SDL_Rect destination = clipped;
        SDL_BlitSurface(source_, &clipped, target, &destination);
        sdlRects_.push_back(clipped);
    }
    if (sdlRects_.empty()) return;
    if (SDL_UpdateWindowSurfaceRects(window_, sdlRects_.data(),
                                     static_cast<int>(sdlRects_.size())) != 0) {
        throw SdlError("cannot update the window");
    }
}

}  // namespace scene
