#include "scene/sdl/sdl_platform.h"

#include <time.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <string>

#include "scene/sdl/keymap.h"

namespace scene {
namespace {

// SDL waits in whole milliseconds and may wake a little late; the last
// stretch before a timer's tick is slept precisely instead.
constexpr Time kPreciseStretch = std::chrono::microseconds(1500);

void sleepUntil(Time deadline) {
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(deadline.count() / 1000000000);
    ts.tv_nsec = static_cast<long>(deadline.count() % 1000000000);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
    }
}

// Whole milliseconds in `span`, rounded down, at least 1.
int sdlTimeout(Time span) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(span).count();
    return static_cast<int>(std::clamp<long long>(ms, 1, 1 << 30));
}

}  // namespace

Time SdlPlatform::now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec);
}

std::int64_t SdlPlatform::calendarSeconds() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

void SdlPlatform::handle(const SDL_Event& e) {
    switch (e.type) {
        case SDL_KEYDOWN:
            // Repeats of a held key are presses too.
            if (e.key.windowID == window_.id()) {
                queue_.push_back(
                    {InputEvent::Type::Key, virtualKey(e.key.keysym.sym, e.key.keysym.scancode)});
            }
            break;
        case SDL_QUIT:  // SIGINT or SIGTERM: ends the game like the close button
            queue_.push_back({InputEvent::Type::Close, 0});
            break;
        case SDL_WINDOWEVENT:
            if (e.window.windowID != window_.id()) break;
            switch (e.window.event) {
                case SDL_WINDOWEVENT_CLOSE:
                    queue_.push_back({InputEvent::Type::Close, 0});
                    break;
                case SDL_WINDOWEVENT_EXPOSED:
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                case SDL_WINDOWEVENT_RESTORED:
                case SDL_WINDOWEVENT_MAXIMIZED:
                    window_.redrawAll();
                    break;
                default:
                    break;
            }
            break;
        default:
            break;
    }
}

void SdlPlatform::drain() {
    SDL_Event e;
    while (SDL_PollEvent(&e) == 1) handle(e);
}

std::optional<InputEvent> SdlPlatform::poll() {
    window_.present();
    drain();
    if (queue_.empty()) return std::nullopt;
    const InputEvent event = queue_.front();
    queue_.pop_front();
    return event;
}

bool SdlPlatform::wait(std::optional<Time> deadline) {
    window_.present();
    SDL_Event e;
    while (queue_.empty()) {
        if (!deadline) {
            // Nothing is due: sleep in the kernel until an event comes.
            if (SDL_WaitEvent(&e) == 1) handle(e);
            continue;
        }
        const Time left = *deadline - now();
        if (left <= Time{}) break;
        if (left <= kPreciseStretch) {
            sleepUntil(*deadline);
            break;
        }
        if (SDL_WaitEventTimeout(&e, sdlTimeout(left - kPreciseStretch)) == 1) handle(e);
    }
    return true;
}

void SdlPlatform::repaintPicture(const Component&) {
    window_.present();
}

void SdlPlatform::repaintWindow() {
    window_.present();
}

void SdlPlatform::pause(int milliseconds) {
    if (pausing_) pausing_(milliseconds);
    // Nothing of the game runs meanwhile, but the window is still redrawn
    // and answers the window manager; keys wait in the queue.
    const Time end = now() + std::chrono::milliseconds(milliseconds);
    SDL_Event e;
    for (Time left = end - now(); left > Time{}; left = end - now()) {
        if (left <= kPreciseStretch) {
            sleepUntil(end);
            break;
        }
        if (SDL_WaitEventTimeout(&e, sdlTimeout(left - kPreciseStretch)) == 1) handle(e);
    }
}

void SdlPlatform::messageBox(std::string_view text, std::string_view caption) {
    // A modal box's loop paints the windows behind it: what the handler has
    // changed so far shows while the box is open (the landing hides the approach).
    window_.present();
    runMessageBox(window_.fonts(), window_.window(), text, caption, BoxStyle{}, *this);
}

void SdlPlatform::showError(std::string_view message) {
    const std::string text = std::string(message) + ".";
    window_.present();
    runMessageBox(window_.fonts(), window_.window(), text, programName_, BoxStyle{true}, *this);
}

}  // namespace scene
