#pragma once
// The real world of the game: SDL events on the real clock feed the event
// loop, and the game's effects (repaint at once, pause, message box) act on
// the real window. Key presses and close requests wait in our own queue, in
// the order they came, whenever the game cannot take them (during a pause, a
// help replay or a message box); meanwhile SDL's events are still pumped, so
// the window is redrawn when exposed and answers the window manager.
#include <SDL.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "game/platform.h"
#include "scene/event_loop.h"
#include "scene/sdl/main_window.h"
#include "scene/sdl/message_box.h"

namespace scene {

class SdlPlatform final : public game::Platform,
                          public EventSource,
                          public ErrorBox,
                          private BoxBystander {
  public:
    // `programName` is the error box's caption; `pausing`, if set, is told
    // when each pause begins.
    SdlPlatform(MainWindow& window, std::string_view programName,
                std::function<void(int)> pausing = {});

    // game::Platform
    void repaintPicture(const Component& picture) override;
    void repaintWindow() override;
    void pause(int milliseconds) override;
    void messageBox(std::string_view text, std::string_view caption) override;
    std::int64_t calendarSeconds() override;

    // EventSource: the monotonic clock; what the last handler changed goes on
    // the screen before the next event is taken.
    Time now() override;
    std::optional<InputEvent> poll() override;
    bool wait(std::optional<Time> deadline) override;

    // ErrorBox: the message with a full stop, an error icon, the program's name.
    void showError(std::string_view message) override;

  private:
    // While a message box is open: the main window's events but its keys.
    void onOtherEvent(const SDL_Event& event) override { handle(event); }
    // Takes one SDL event: queues keys and close requests, redraws on exposure.
    void handle(const SDL_Event& event);
    // Has SDL read the window system's events and hands us every one.
    void drain();
    // Sleeps until the window system has something for us or `until` has
    // come (no limit if none), then drains. Returns at once if SDL may hold
    // events read ahead since the last drain.
    void sleepForEvents(std::optional<Time> until);

    MainWindow& window_;
    std::string programName_;
    std::function<void(int)> pausing_;
    int connection_ = -1;               // the X server's descriptor; -1: let SDL wait
    std::uint64_t drainedAt_ = kStale;  // the window's updates() at the last drain
    std::deque<InputEvent> queue_;

    static constexpr std::uint64_t kStale = ~std::uint64_t{0};
};

}  // namespace scene
