#include "assets/pictures.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>

namespace embedded {
extern const unsigned char background_bmp[];
extern const std::size_t background_bmp_size;
extern const unsigned char star_bmp[];
extern const std::size_t star_bmp_size;
extern const unsigned char emblem_bmp[];
extern const std::size_t emblem_bmp_size;
extern const unsigned char plane_left_bmp[];
extern const std::size_t plane_left_bmp_size;
extern const unsigned char plane_right_bmp[];
extern const std::size_t plane_right_bmp_size;
extern const unsigned char tree_bmp[];
extern const std::size_t tree_bmp_size;
extern const unsigned char icon_ico[];
extern const std::size_t icon_ico_size;
}  // namespace embedded

namespace assets {
namespace {

std::span<const std::uint8_t> bytesOf(Picture which) {
    using namespace embedded;
    switch (which) {
        case Picture::Background:
            return {background_bmp, background_bmp_size};
        case Picture::Star:
            return {star_bmp, star_bmp_size};
        case Picture::Emblem:
            return {emblem_bmp, emblem_bmp_size};
        case Picture::PlaneLeft:
            return {plane_left_bmp, plane_left_bmp_size};
        case Picture::PlaneRight:
            return {plane_right_bmp, plane_right_bmp_size};
        case Picture::Tree:
            return {tree_bmp, tree_bmp_size};
    }
    return {};
}

}  // namespace

const Image& picture(Picture which) {
    static std::array<std::optional<Image>, 6> decoded;
    auto& slot = decoded.at(static_cast<std::size_t>(which));
    if (!slot) slot = decodeBmp(bytesOf(which));
    return *slot;
}

const Image& icon() {
    static const Image decoded = decodeIco({embedded::icon_ico, embedded::icon_ico_size});
    return decoded;
}

}  // namespace assets
