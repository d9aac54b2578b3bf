#include "scene/sdl/sdl_platform.h"

#include <poll.h>
#include <time.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <string>

#include "scene/sdl/keymap.h"
#include "scene/sdl/x11.h"

namespace scene {
namespace {

// Where SDL does the waiting (not on X11) it counts in whole milliseconds
// and may wake a little late; the last stretch before a timer's tick is
// slept precisely instead. On X11 we sleep on the connection ourselves, to
// the nanosecond, and SDL only reads what came.
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

SdlPlatform::SdlPlatform(MainWindow& window, std::string_view programName,
                         std::function<void(int)> pausing)
    : window_(window),
      programName_(programName),
      pausing_(std::move(pausing)),
      connection_(x11Connection(window.window())) {}

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
    SDL_PumpEvents();
    drainedAt_ = window_.updates();
    SDL_Event e;
    while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) handle(e);
}

void SdlPlatform::sleepForEvents(std::optional<Time> until) {
    // Drawing waits for the X server's replies, and Xlib keeps the events it
    // reads meanwhile: SDL must take those before we sleep on the connection.
    if (drainedAt_ != window_.updates()) {
        drain();
        return;
    }
    if (connection_ < 0) {
        // Not X11: SDL waits, in whole milliseconds.
        SDL_Event e;
        const int timeout = until ? sdlTimeout(*until - now()) : -1;
        if (SDL_WaitEventTimeout(&e, timeout) == 1) handle(e);
        drain();
        return;
    }
    pollfd fd{connection_, POLLIN, 0};
    timespec left{};
    if (until) {
        const Time span = std::max(*until - now(), Time{});
        left.tv_sec = static_cast<time_t>(span.count() / 1000000000);
        left.tv_nsec = static_cast<long>(span.count() % 1000000000);
    }
    // Woken by the X server, by the time, or by a signal (SDL turns SIGTERM into a quit).
    if (ppoll(&fd, 1, until ? &left : nullptr, nullptr) != 0) drain();
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
    while (queue_.empty()) {
        if (deadline && *deadline <= now()) break;
        if (deadline && connection_ < 0 && *deadline - now() <= kPreciseStretch) {
            sleepUntil(*deadline);
            break;
        }
        // Without X11, SDL's own wait ends a little before the deadline.
        sleepForEvents(deadline && connection_ < 0
                           ? std::optional<Time>(*deadline - kPreciseStretch)
                           : deadline);
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
    while (now() < end) {
        if (connection_ < 0 && end - now() <= kPreciseStretch) {
            sleepUntil(end);
            break;
        }
        sleepForEvents(connection_ < 0 ? end - kPreciseStretch : end);
    }
}

void SdlPlatform::messageBox(std::string_view text, std::string_view caption) {
    // A modal box's loop paints the windows behind it: what the handler has
    // changed so far shows while the box is open (the landing hides the approach).
    window_.present();
    runMessageBox(window_.fonts(), window_.window(), text, caption, BoxStyle{}, *this);
    drainedAt_ = kStale;  // the box's windows came and went
}

void SdlPlatform::showError(std::string_view message) {
    const std::string text = std::string(message) + ".";
    window_.present();
    runMessageBox(window_.fonts(), window_.window(), text, programName_, BoxStyle{true}, *this);
    drainedAt_ = kStale;
}

}  // namespace scene
