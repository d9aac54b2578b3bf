#include "scene/asset_pictures.h"

#include "assets/pictures.h"

namespace scene {

ImageView AssetPictures::picture(assets::Picture id) const {
    const assets::Image& image = assets::picture(id);
    return ImageView{image.width, image.height, image.pixels.data()};
}

}  // namespace scene
