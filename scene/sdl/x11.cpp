#include "scene/sdl/x11.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace scene {
namespace {

XErrorHandler previous = nullptr;

int onXError(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
    return previous != nullptr ? previous(display, error) : 0;
}

}  // namespace

void tolerateLateWakeups() {
    previous = XSetErrorHandler(onXError);
}

int x11Connection(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return -1;
    return ConnectionNumber(info.info.x11.display);
}

}  // namespace scene
