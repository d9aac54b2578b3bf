#include "scene/virtual_platform.h"

#include <cassert>

namespace scene {

VirtualPlatform::VirtualPlatform(const Form& form, std::int64_t calendarSeconds)
    : form_(form), calendarSeconds_(calendarSeconds) {}

void VirtualPlatform::press(Time at, std::uint16_t key) {
    assert((script_.empty() || script_.back().at <= at) && "script entries in time order");
    script_.push_back({at, {InputEvent::Type::Key, key}});
}

void VirtualPlatform::requestClose(Time at) {
    assert((script_.empty() || script_.back().at <= at) && "script entries in time order");
    script_.push_back({at, {InputEvent::Type::Close, 0}});
}

void VirtualPlatform::clearRecords() {
    repaints_.clear();
    pauses_.clear();
    boxes_.clear();
    errors_.clear();
}

void VirtualPlatform::record(std::string what) {
    Repaint r{now_, std::move(what), {}};
    if (recordScreens_) r.screen = std::make_shared<const Components>(form_.components);
    repaints_.push_back(std::move(r));
}

void VirtualPlatform::repaintPicture(const Component& picture) {
    record(std::string(picture.name));
}

void VirtualPlatform::repaintWindow() {
    record("Form1");
}

void VirtualPlatform::pause(int milliseconds) {
    pauses_.push_back({now_, milliseconds});
    now_ += std::chrono::milliseconds(milliseconds);
}

void VirtualPlatform::messageBox(std::string_view text, std::string_view caption) {
    const Time opened = now_;
    boxes_.push_back({now_, std::string(text), std::string(caption)});
    // Keys typed while the box is open go to the box, not to the game; keys
    // typed before it opened (during a pause) stay queued, as in the window.
    now_ += boxTime_;
    std::deque<Scripted> kept;
    for (Scripted& s : script_) {
        const bool toTheBox =
            s.event.type == InputEvent::Type::Key && s.at >= opened && s.at < now_;
        if (!toTheBox) kept.push_back(s);
    }
    script_ = std::move(kept);
}

std::optional<InputEvent> VirtualPlatform::poll() {
    if (script_.empty() || script_.front().at > now_) return std::nullopt;
    InputEvent event = script_.front().event;
    script_.pop_front();
    return event;
}

bool VirtualPlatform::wait(std::optional<Time> deadline) {
    std::optional<Time> next;
    if (!script_.empty()) next = script_.front().at;
    if (deadline && (!next || *deadline < *next)) next = deadline;
    if (!next || (stopAt_ && *next > *stopAt_)) {
        if (stopAt_ && *stopAt_ > now_) now_ = *stopAt_;
        return false;
    }
    if (*next > now_) now_ = *next;
    return true;
}

void VirtualPlatform::showError(std::string_view message) {
    errors_.push_back(std::string(message) + ".");
}

}  // namespace scene
