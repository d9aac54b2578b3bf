#pragma once
// The six scene pictures and the window's icon, built into the executable.
// The renderer asks for a picture whenever it paints one; each is decoded from
// its embedded bytes on first use and kept for the rest of the run. Not
// thread-safe: the game calls these from the window's thread only.
#include "assets/bitmap.h"
#include "assets/picture_id.h"

namespace assets {

const Image& picture(Picture which);
const Image& icon();

}  // namespace assets
