#include "scene/sdl/message_box.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "scene/cp1252.h"
#include "scene/pixel_buffer.h"
#include "scene/sdl/sdl_error.h"
#include "scene/text_layout.h"

namespace scene {
namespace {

constexpr int kTextPixels = 15;
constexpr int kMargin = 20;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 28;
constexpr int kMinWidth = 260;
constexpr std::uint32_t kFace = 0xF0F0F0;
constexpr std::uint32_t kText = 0x000000;
constexpr std::uint32_t kButtonFace = 0xE1E1E1;
constexpr std::uint32_t kButtonBorder = 0x0078D7;
constexpr std::uint32_t kFooter = 0xE4E4E4;

void fill(PixelBuffer& b, Rect r, std::uint32_t rgb) {
    const Rect c = intersect(r, b.bounds());
    for (int y = c.y; y < c.bottom(); ++y) {
        std::fill_n(b.pixels.begin() + y * b.width + c.x, c.w, rgb);
    }
}

void frame(PixelBuffer& b, Rect r, std::uint32_t rgb) {
    fill(b, {r.x, r.y, r.w, 1}, rgb);
    fill(b, {r.x, r.bottom() - 1, r.w, 1}, rgb);
    fill(b, {r.x, r.y, 1, r.h}, rgb);
    fill(b, {r.right() - 1, r.y, 1, r.h}, rgb);
}

// A red disc with a white cross, the sign of an error.
void drawErrorIcon(PixelBuffer& b, int x0, int y0) {
    const double c = (kIconSize - 1) / 2.0;
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            const double dx = x - c, dy = y - c;
            if (dx * dx + dy * dy > c * c + 0.5) continue;
            const bool cross = std::abs(std::abs(dx) - std::abs(dy)) < 2.2 && std::abs(dx) < 8.5;
            b.pixels[static_cast<std::size_t>((y0 + y) * b.width + x0 + x)] =
                cross ? 0xFFFFFF : 0xE81123;
        }
    }
}

class Box {
  public:
    Box(Fonts& fonts, SDL_Window* owner, std::string_view text, std::string_view caption,
        BoxStyle style)
        : font_(fonts.get(Typeface::Sans, kTextPixels)), style_(style) {
        SDL_Rect screen{0, 0, 1024, 768};
        const int display = owner ? SDL_GetWindowDisplayIndex(owner) : 0;
        SDL_GetDisplayUsableBounds(display < 0 ? 0 : display, &screen);
        const int textLeft = kMargin + (style.errorIcon ? kIconSize + 14 : 0);
        const int maxText = std::max(200, screen.w * 6 / 10 - textLeft - kMargin);
        layout_ = layoutText(font_, cp1252ToUtf8(text), maxText, Alignment::Left, true);
        textLeft_ = textLeft;
        const int textHeight = std::max(layout_.height, style.errorIcon ? kIconSize : 0);
        width_ = std::max(kMinWidth, textLeft + layout_.width + kMargin);
        footerTop_ = kMargin + textHeight + kMargin;
        height_ = footerTop_ + kButtonHeight + 2 * 12;
        button_ =
            Rect{width_ - kMargin - kButtonWidth, footerTop_ + 12, kButtonWidth, kButtonHeight};

        const std::string title = cp1252ToUtf8(caption);
        window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   width_, height_, SDL_WINDOW_HIDDEN);
        if (window_ == nullptr) throw SdlError("cannot open a message box");
        if (owner != nullptr && (SDL_GetWindowFlags(owner) & SDL_WINDOW_SHOWN)) {
            int ox = 0, oy = 0, ow = 0, oh = 0;
            SDL_GetWindowPosition(owner, &ox, &oy);
            SDL_GetWindowSize(owner, &ow, &oh);
            SDL_SetWindowPosition(window_, ox + (ow - width_) / 2, oy + (oh - height_) / 2);
            SDL_SetWindowModalFor(window_, owner);
        }
        buffer_.width = width_;
        buffer_.height = height_;
        buffer_.pixels.assign(static_cast<std::size_t>(width_ * height_), kFace);
        paint();
        SDL_ShowWindow(window_);
        SDL_RaiseWindow(window_);
    }
    ~Box() { SDL_DestroyWindow(window_); }
    Box(const Box&) = delete;
    Box& operator=(const Box&) = delete;

    Uint32 id() const { return SDL_GetWindowID(window_); }

    // Handles one of the box's own events; returns true when the box closes.
    bool handle(const SDL_Event& e) {
        switch (e.type) {
            case SDL_KEYDOWN: {
                const SDL_Keycode k = e.key.keysym.sym;
                return k == SDLK_RETURN || k == SDLK_KP_ENTER || k == SDLK_SPACE ||
                       k == SDLK_ESCAPE;
            }
            case SDL_MOUSEBUTTONDOWN:
                pressed_ =
                    e.button.button == SDL_BUTTON_LEFT && button_.contains(e.button.x, e.button.y);
                show();
                return false;
            case SDL_MOUSEBUTTONUP: {
                const bool click = pressed_ && button_.contains(e.button.x, e.button.y);
                pressed_ = false;
                show();
                return click;
            }
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_CLOSE) return true;
                if (e.window.event == SDL_WINDOWEVENT_EXPOSED) {
                    if (!focused_) {
                        focused_ = true;
                        SDL_SetWindowInputFocus(window_);
                    }
                    show();
                }
                return false;
            default:
                return false;
        }
    }

  private:
    void paint() {
        fill(buffer_, buffer_.bounds(), kFace);
        fill(buffer_, {0, footerTop_, width_, height_ - footerTop_}, kFooter);
        if (style_.errorIcon) drawErrorIcon(buffer_, kMargin, kMargin);
        const int textTop =
            kMargin +
            (style_.errorIcon && layout_.height < kIconSize ? (kIconSize - layout_.height) / 2 : 0);
        drawText(buffer_, font_, layout_, textLeft_, textTop, kText, buffer_.bounds());
        fill(buffer_, button_, pressed_ ? 0xCCE4F7 : kButtonFace);
        frame(buffer_, button_, kButtonBorder);
        const TextLayout ok = layoutText(font_, "OK", button_.w, Alignment::Center, false);
        drawText(buffer_, font_, ok, button_.x, button_.y + (button_.h - ok.height) / 2, kText,
                 button_);
    }

    void show() {
        paint();
        SDL_Surface* target = SDL_GetWindowSurface(window_);
        if (target == nullptr) return;
        SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
            buffer_.pixels.data(), width_, height_, 32, width_ * 4, SDL_PIXELFORMAT_RGB888);
        if (source == nullptr) return;
        SDL_BlitSurface(source, nullptr, target, nullptr);
        SDL_FreeSurface(source);
        SDL_UpdateWindowSurface(window_);
    }

    TTF_Font* font_;
    BoxStyle style_;
    TextLayout layout_;
    int textLeft_ = 0;
    int width_ = 0;
    int height_ = 0;
    int footerTop_ = 0;
    Rect button_;
    SDL_Window* window_ = nullptr;
    PixelBuffer buffer_;
    bool pressed_ = false;
    bool focused_ = false;
};

Uint32 windowOf(const SDL_Event& e) {
    switch (e.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            return e.key.windowID;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            return e.button.windowID;
        case SDL_WINDOWEVENT:
            return e.window.windowID;
        default:
            return 0;
    }
}

}  // namespace

void runMessageBox(Fonts& fonts, SDL_Window* owner, std::string_view text, std::string_view caption,
                   BoxStyle style, BoxBystander& bystander) {
    {
        Box box(fonts, owner, text, caption, style);
        SDL_Event e;
        while (SDL_WaitEvent(&e) == 1) {
            // SIGINT or SIGTERM: the box goes, and the game ends after the handler.
            if (e.type == SDL_QUIT) {
                bystander.onOtherEvent(e);
                break;
            }
            if (windowOf(e) == box.id()) {
                if (box.handle(e)) break;
                continue;
            }
            // Keys typed while the box is open belong to the box, wherever the pointer is.
            if (e.type == SDL_KEYDOWN) {
                if (box.handle(e)) break;
                continue;
            }
            bystander.onOtherEvent(e);
        }
        // The box's key-ups and any other keys typed into it must not reach the game.
        SDL_FlushEvents(SDL_KEYDOWN, SDL_TEXTINPUT);
    }
    // The keyboard goes back to the window the box was over; without a window
    // manager nobody else would give it back.
    if (owner != nullptr && (SDL_GetWindowFlags(owner) & SDL_WINDOW_SHOWN)) {
        SDL_SetWindowInputFocus(owner);
    }
}

}  // namespace scene
