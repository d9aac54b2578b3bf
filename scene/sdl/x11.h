#pragma once
// What the SDL window needs to know of X11 beyond SDL.
#include <SDL.h>

namespace scene {

// A guard against a race in SDL 2.26 on X11. While SDL waits for events it
// wakes itself with a message sent, over a second connection to the X server,
// to one of our windows; when that window has just been destroyed (a message
// box closed with a key, the main window at the end) the server answers the
// late message with BadWindow, and Xlib's default handler ends the process
// with exit code 1 (the error surfaces when SDL closes that connection at
// SDL_Quit, after it has put back the handler it found). The message is of no
// use by then, so that one error is ignored; every other X error goes on to
// the handler that was there before. Called once, before SDL_Init, so that
// SDL keeps it as the handler it chains to and puts back. Harmless where X is
// not used.
void tolerateLateWakeups();

// The descriptor of the connection to the X server that `window` lives on,
// or -1 if it is not an X11 window. The event source sleeps on it.
int x11Connection(SDL_Window* window);

}  // namespace scene
