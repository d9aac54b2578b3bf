#pragma once
// The pictures built into the game, for the renderer of the real window.
#include "scene/renderer.h"

namespace scene {

class AssetPictures final : public PictureSource {
  public:
    ImageView picture(assets::Picture id) const override;
};

}  // namespace scene
