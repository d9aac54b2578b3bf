#pragma once
// A virtual clock and a recorded script of input: the world the game sees in
// headless runs (tests, benchmarks, the fuzzer). Pauses and message boxes cost
// no real time; every repaint records what the screen showed at that moment.
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "game/platform.h"
#include "scene/event_loop.h"
#include "scene/form.h"

namespace scene {

class VirtualPlatform : public game::Platform, public EventSource, public ErrorBox {
  public:
    explicit VirtualPlatform(const Form& form, std::int64_t calendarSeconds = 0);

    // The script: a key press or a close request at a virtual time. Entries
    // must be added in time order.
    void press(Time at, std::uint16_t key);
    void requestClose(Time at);
    // The loop ends when it would wait past this time; without it, once no
    // input is left and no timer runs.
    void stopAt(Time end) { stopAt_ = end; }
    // How long the player takes to close a message box (default: at once).
    void setBoxTime(Time t) { boxTime_ = t; }
    // Whether repaints keep a copy of the screen (off for benchmarks).
    void setRecordScreens(bool on) { recordScreens_ = on; }
    // Makes the clock jump, as a handler that takes time would.
    void advance(Time t) { now_ += t; }

    struct Repaint {
        Time at;
        std::string what;  // the picture's name, or "Form1" for the whole window
        std::shared_ptr<const Components> screen;  // the model as put on the screen, if recorded
    };
    struct Pause {
        Time at;
        int milliseconds;
    };
    struct Box {
        Time at;
        std::string text;
        std::string caption;
    };

    const std::vector<Repaint>& repaints() const { return repaints_; }
    const std::vector<Pause>& pauses() const { return pauses_; }
    const std::vector<Box>& boxes() const { return boxes_; }
    const std::vector<std::string>& errors() const { return errors_; }
    void clearRecords();

    // game::Platform
    void repaintPicture(const Component& picture) override;
    void repaintWindow() override;
    void pause(int milliseconds) override;
    void messageBox(std::string_view text, std::string_view caption) override;
    std::int64_t calendarSeconds() override { return calendarSeconds_; }

    // EventSource
    Time now() override { return now_; }
    std::optional<InputEvent> poll() override;
    bool wait(std::optional<Time> deadline) override;
    bool goesOn() override { return !stopAt_ || now_ <= *stopAt_; }

    // ErrorBox
    void showError(std::string_view message) override;

  private:
    struct Scripted {
        Time at;
        InputEvent event;
    };
    void record(std::string what);

    const Form& form_;
    std::int64_t calendarSeconds_;
    Time now_{};
    Time boxTime_{};
    std::optional<Time> stopAt_;
    bool recordScreens_ = true;
    std::deque<Scripted> script_;
    std::vector<Repaint> repaints_;
    std::vector<Pause> pauses_;
    std::vector<Box> boxes_;
    std::vector<std::string> errors_;
};

}  // namespace scene
