// render_snapshots <directory>: draws the start, climbing, pairs and win scenes
// and writes them there as PNG files, to look at the renderer's work.
#include <cstdio>
#include <string>

#include "png.h"
#include "scene/renderer.h"
#include "scenes.h"

#ifdef WF_REAL_PICTURES
#include "scene/asset_pictures.h"
using Pictures = scene::AssetPictures;
#else
#include "synthetic_pictures.h"
using Pictures = render_test::SyntheticPictures;
#endif

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <directory>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const Pictures pictures;
    scene::Renderer renderer(pictures);
    const struct {
        const char* name;
        scene::Form form;
    } scenes[] = {
        {"start", scene::Form{}},
        {"climbing", render_test::climbingScene(60)},
        {"pairs", render_test::pairsScene()},
        {"win", render_test::winScene()},
    };
    for (const auto& s : scenes) {
        scene::PixelBuffer buffer(scene::Form::kClientWidth, scene::Form::kClientHeight);
        renderer.draw(s.form.components, buffer, buffer.bounds());
        const std::string path = dir + "/" + s.name + ".png";
        if (!render_test::writePng(buffer, path)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
