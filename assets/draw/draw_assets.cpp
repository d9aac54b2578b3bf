// Draws the six scene pictures and the window's icon and writes them into a
// directory; run at build time, the files are committed under assets/:
//   draw_assets assets
#include <cstdio>
#include <exception>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "assets/draw/drawings.h"
#include "assets/draw/raster.h"

namespace {

void save(const std::string& directory, const char* name, const std::vector<std::uint8_t>& bytes) {
    const std::string path = directory + "/" + name;
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) throw std::runtime_error("cannot write " + path);
    std::printf("wrote %s (%zu bytes)\n", path.c_str(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <directory>\n", argv[0]);
        return 2;
    }
    const std::string directory = argv[1];
    try {
        using namespace assets;
        draw::BackgroundNotes notes;
        save(directory, "background.bmp", encodeBmp4(draw::drawBackground(&notes)));
        const Image plane = draw::drawPlaneLeft();
        save(directory, "star.bmp", encodeBmp24(draw::drawStar()));
        save(directory, "emblem.bmp", encodeBmp24(draw::drawEmblem()));
        save(directory, "plane_left.bmp", encodeBmp24(plane));
        save(directory, "plane_right.bmp", encodeBmp24(draw::mirrored(plane)));
        save(directory, "tree.bmp", encodeBmp4(draw::drawTree()));
        save(directory, "icon.ico", encodeIco4(draw::drawIcon()));

        std::printf("approach line: %d of %d points narrowed to keep to the track\n",
                    notes.narrowedSamples, notes.samples);
        for (const std::string& place : notes.places)
            std::printf("  narrowest at %s\n", place.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "draw_assets: %s\n", e.what());
        return 1;
    }
    return 0;
}
