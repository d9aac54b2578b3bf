#include "scene/sdl/program.h"

#include <SDL.h>

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "scene/form.h"
#include "scene/sdl/main_window.h"
#include "scene/sdl/message_box.h"
#include "scene/sdl/sdl_platform.h"
#include "scene/sdl/x11.h"

namespace scene {
namespace {

constexpr std::string_view kProgramName = "Weihnachtsflug";

void say(std::string_view what) {
    std::fprintf(stderr, "weihnachtsflug: %.*s\n", static_cast<int>(what.size()), what.data());
}

// SDL settles for an invisible stand-in when it finds no screen; the game is
// no use there, so that counts as no window. Returns why, or nothing.
std::string noScreen() {
    const char* driver = SDL_GetCurrentVideoDriver();
    const std::string_view current = driver != nullptr ? driver : "";
    if (current != "offscreen" && current != "dummy" && current != "evdev") return {};
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    if (asked != nullptr && *asked != '\0') return {};  // chosen on purpose
    const char* display = SDL_getenv("DISPLAY");
    if (display != nullptr && *display != '\0') {
        return std::string("cannot open a window: cannot connect to the X display \"") + display +
               "\"";
    }
    return "cannot open a window: no display (DISPLAY is not set)";
}

class Nobody final : public BoxBystander {
  public:
    void onOtherEvent(const SDL_Event&) override {}
};

// The standard error box for an error that escaped start-up or the loop,
// when the game's window is gone.
void showFatal(std::string_view message) {
    const std::string text = std::string(message) + ".";
    try {
        Fonts fonts;
        Nobody nobody;
        runMessageBox(fonts, nullptr, text, kProgramName, BoxStyle{true}, nobody);
    } catch (const std::exception& error) {
        say(text);
        say(error.what());
    }
}

void run(const ProgramHooks& hooks) {
    Form form;
    MainWindow window(form, hooks.presented);
    SdlPlatform platform(window, kProgramName, hooks.pausing);
    game::Game game(form, platform);
    FormHandlers& handlers = hooks.handlers ? hooks.handlers(game) : game;
    EventLoop loop(form, handlers, platform, platform);
    // The introduction box shows before the window does.
    loop.dispatch([&] { game.FormCreate(); });
    window.show();
    loop.run();
}

}  // namespace

int runProgram(const ProgramHooks& hooks) {
    // Window updates go to a plain window surface, rectangle by rectangle,
    // not through a GL texture; the same software path on every machine.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    // SDL 2.26 can miss events queued just before a timed wait without this.
    SDL_SetHint(SDL_HINT_POLL_SENTINEL, "0");
    // Closing a message box is not closing the game.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    tolerateLateWakeups();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        say(std::string("cannot open a window: ") + SDL_GetError());
        return 0;
    }
    if (const std::string why = noScreen(); !why.empty()) {
        say(why);
        SDL_Quit();
        return 0;
    }
    // Keys are read as key presses; no text input, no input method.
    SDL_StopTextInput();
    try {
        run(hooks);
    } catch (const std::exception& error) {
        showFatal(error.what());
    } catch (...) {
        showFatal("Unbekannter Fehler");
    }
    SDL_Quit();
    return 0;
}

}  // namespace scene
