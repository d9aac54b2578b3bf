#include "scene/sdl/x11_errors.h"

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

}  // namespace scene
