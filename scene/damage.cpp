#include "scene/damage.h"

#include <cassert>
#include <cstddef>

namespace scene {
namespace {

Rect rectOf(const Component& c) {
    return Rect{c.left, c.top, c.width, c.height};
}

void add(std::vector<Rect>& rects, Rect r) {
    if (r.empty()) return;
    // Merge with every rectangle it overlaps, as long as merging adds no area,
    // and go on with the grown one: it may now overlap others.
    for (std::size_t i = 0; i < rects.size();) {
        const Rect joined = unite(rects[i], r);
        if (!intersect(rects[i], r).empty() && joined.area() <= rects[i].area() + r.area()) {
            r = joined;
            rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(i));
            i = 0;
        } else {
            ++i;
        }
    }
    rects.push_back(r);
}

}  // namespace

bool sameLook(const Component& a, const Component& b) {
    assert(a.kind == b.kind && "a component keeps its kind");
    if (a.kind == Kind::Timer) return true;
    if (a.visible != b.visible) return false;
    if (!a.visible) return true;
    if (rectOf(a) != rectOf(b)) return false;
    switch (a.kind) {
        case Kind::Picture:
            return a.picture == b.picture && a.stretch == b.stretch;
        case Kind::Label:
            return a.caption == b.caption && a.alignment == b.alignment &&
                   a.wordWrap == b.wordWrap && a.colour == b.colour && a.font == b.font;
        case Kind::Shape:
            return a.penColour == b.penColour && a.brushColour == b.brushColour &&
                   a.brushStyle == b.brushStyle;
        case Kind::Timer:
            break;
    }
    return true;
}

std::vector<Rect> damage(const Components& before, const Components& after) {
    std::vector<Rect> rects;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const Component& a = before[i];
        const Component& b = after[i];
        if (sameLook(a, b)) continue;
        if (a.visible) add(rects, rectOf(a));
        if (b.visible) add(rects, rectOf(b));
    }
    return rects;
}

}  // namespace scene
