#pragma once
// The window's event loop, free of SDL and of any real clock: the event
// source supplies both the input and the time. The SDL window feeds it real
// events on the real clock; the tests feed it a script on a virtual clock.
//
// Its rules: input is handled in the order it came, and queued input before
// due timer ticks; a timer ticks every interval and keeps its phase; a timer
// that fell due during a long handler (a pause) ticks once afterwards, then
// at its next regular slot, and missed ticks are not made up; after the close
// handler no handler runs.
#include <array>
#include <chrono>
#include <cstdint>
#include <exception>
#include <optional>
#include <string_view>

#include "scene/form.h"

namespace scene {

// Time since an arbitrary start, as the event source counts it.
using Time = std::chrono::nanoseconds;

struct InputEvent {
    enum class Type { Key, Close };
    Type type = Type::Key;
    std::uint16_t key = 0;  // virtual-key code, for Type::Key
};

// The handlers of the window, called by the loop one at a time.
class FormHandlers {
  public:
    virtual ~FormHandlers() = default;
    virtual void FormKeyDown(std::uint16_t key) = 0;
    virtual void Timer1Timer() = 0;
    virtual void Timer2Timer() = 0;
    virtual void Timer3Timer() = 0;
    virtual void FormClose() = 0;
};

class EventSource {
  public:
    virtual ~EventSource() = default;
    virtual Time now() = 0;
    // The oldest queued input, if any; does not wait.
    virtual std::optional<InputEvent> poll() = 0;
    // Waits until input is queued or `deadline` has come (no deadline: until
    // input). Returns false when no input will ever come again and the loop
    // should end (the end of a recorded script).
    virtual bool wait(std::optional<Time> deadline) = 0;
    // False once the source wants the loop to end even though timers are
    // overdue (a recorded run past its end, whose ticks pause for ever).
    virtual bool goesOn() { return true; }
};

// The standard error box: shows `message` with a full stop appended.
class ErrorBox {
  public:
    virtual ~ErrorBox() = default;
    virtual void showError(std::string_view message) = 0;
};

class EventLoop {
  public:
    EventLoop(Form& form, FormHandlers& handlers, EventSource& source, ErrorBox& errors);

    // Dispatches until the window is closed or the source has no more input.
    void run();

    // One dispatch: the oldest queued input, else the most overdue timer
    // tick, else a wait for either. Returns false once the loop has ended.
    bool step();

    bool closed() const { return closed_; }

    // When the next timer tick is due, if any timer runs.
    std::optional<Time> nextDue() const;

    // Runs `handler` as the loop runs every handler: an error that escapes it
    // goes to the error box, and the timers it switched are noted. Public for
    // the start-up, which runs FormCreate the same way.
    template <typename Handler>
    void dispatch(Handler&& handler);

  private:
    struct TimerState {
        bool running = false;
        std::uint32_t starts = 0;
        Time due{};
    };

    Component& timer(std::size_t i);
    void syncTimers();
    void handleInput(const InputEvent& event);
    void tick(std::size_t i, Time now);
    void reportError(std::string_view message);

    Form& form_;
    FormHandlers& handlers_;
    EventSource& source_;
    ErrorBox& errors_;
    std::array<TimerState, 3> timers_{};
    bool closed_ = false;
};

template <typename Handler>
void EventLoop::dispatch(Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        reportError(error.what());
    }
    syncTimers();
}

}  // namespace scene
