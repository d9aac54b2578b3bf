#pragma once
// The six pictures of the scene, one for each picture component of the window.

namespace assets {

enum class Picture {
    Background,  // the runway and the approach line (Image1)
    Star,        // the four-pointed star (ImageS)
    Emblem,      // the small zig-zag tree (Image3)
    PlaneLeft,   // the airliner facing left (ImageL)
    PlaneRight,  // the same, mirrored (ImageR)
    Tree,        // the Christmas tree of the pairs phase (Image2)
};

}  // namespace assets
