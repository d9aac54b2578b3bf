#include "scene/event_loop.h"

namespace scene {

EventLoop::EventLoop(Form& form, FormHandlers& handlers, EventSource& source, ErrorBox& errors)
    : form_(form), handlers_(handlers), source_(source), errors_(errors) {
    syncTimers();
}

Component& EventLoop::timer(std::size_t i) {
    switch (i) {
        case 0:
            return form_.Timer1();
        case 1:
            return form_.Timer2();
        default:
            return form_.Timer3();
    }
}

void EventLoop::syncTimers() {
    const Time now = source_.now();
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        const Component& t = timer(i);
        TimerState& state = timers_[i];
        if (!t.enabled) {
            state.running = false;
        } else if (!state.running || state.starts != t.starts) {
            // Switched on: the first tick comes one interval from now.
            state.running = true;
            state.due = now + std::chrono::milliseconds(t.interval);
        }
        state.starts = t.starts;
    }
}

std::optional<Time> EventLoop::nextDue() const {
    std::optional<Time> next;
    for (const TimerState& state : timers_) {
        if (state.running && (!next || state.due < *next)) next = state.due;
    }
    return next;
}

void EventLoop::reportError(std::string_view message) {
    errors_.showError(message);
}

void EventLoop::handleInput(const InputEvent& event) {
    if (event.type == InputEvent::Type::Close) {
        dispatch([&] { handlers_.FormClose(); });
        closed_ = true;
        return;
    }
    dispatch([&] { handlers_.FormKeyDown(event.key); });
}

void EventLoop::tick(std::size_t i, Time now) {
    // The next regular slot after this moment; slots missed meanwhile are dropped.
    TimerState& state = timers_[i];
    const Time interval = std::chrono::milliseconds(timer(i).interval);
    state.due += interval * ((now - state.due) / interval + 1);
    dispatch([&] {
        switch (i) {
            case 0:
                handlers_.Timer1Timer();
                break;
            case 1:
                handlers_.Timer2Timer();
                break;
            default:
                handlers_.Timer3Timer();
                break;
        }
    });
}

bool EventLoop::step() {
    if (closed_) return false;
    if (std::optional<InputEvent> event = source_.poll()) {
        handleInput(*event);
        return !closed_;
    }
    const Time now = source_.now();
    std::optional<std::size_t> due;
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        const TimerState& state = timers_[i];
        if (state.running && state.due <= now && (!due || state.due < timers_[*due].due)) due = i;
    }
    if (due) {
        if (!source_.goesOn()) return false;
        tick(*due, now);
        return !closed_;
    }
    return source_.wait(nextDue());
}

void EventLoop::run() {
    while (step()) {
    }
}

}  // namespace scene
