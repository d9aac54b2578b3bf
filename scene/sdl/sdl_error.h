#pragma once
// SDL failures as exceptions, so that they reach the standard error box.
#include <SDL.h>

#include <stdexcept>
#include <string>

namespace scene {

class SdlError : public std::runtime_error {
  public:
    explicit SdlError(const std::string& what) : std::runtime_error(what + ": " + SDL_GetError()) {}
};

}  // namespace scene
