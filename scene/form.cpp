#include "scene/form.h"

#include <cassert>
#include <utility>

#include "game/texts.h"

namespace scene {
namespace {

struct ShapePlace {
    std::string_view name;
    int number;
    int left;
    int top;
};

// The 32 baubles in creation order, which is not their numbering.
constexpr std::array<ShapePlace, 32> kShapes{{
    {"Shape8", 8, 160, 328},   {"Shape24", 24, 352, 424}, {"Shape6", 6, 264, 416},
    {"Shape16", 16, 192, 416}, {"Shape32", 32, 112, 416}, {"Shape2", 2, 48, 424},
    {"Shape30", 30, 304, 392}, {"Shape22", 22, 224, 384}, {"Shape28", 28, 152, 384},
    {"Shape14", 14, 88, 384},  {"Shape4", 4, 264, 360},   {"Shape26", 26, 184, 360},
    {"Shape10", 10, 128, 352}, {"Shape20", 20, 224, 328}, {"Shape31", 31, 232, 120},
    {"Shape27", 27, 184, 288}, {"Shape12", 12, 304, 256}, {"Shape25", 25, 216, 248},
    {"Shape23", 23, 144, 248}, {"Shape21", 21, 72, 264},  {"Shape29", 29, 264, 224},
    {"Shape19", 19, 184, 224}, {"Shape18", 18, 112, 232}, {"Shape17", 17, 224, 200},
    {"Shape15", 15, 152, 192}, {"Shape13", 13, 184, 160}, {"Shape7", 7, 280, 128},
    {"Shape9", 9, 224, 80},    {"Shape5", 5, 176, 120},   {"Shape11", 11, 112, 128},
    {"Shape3", 3, 144, 88},    {"Shape1", 1, 184, 56},
}};

Component picture(std::string_view name, int left, int top, int width, int height, bool visible,
                  assets::Picture pic) {
    Component c;
    c.name = name;
    c.kind = Kind::Picture;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.visible = visible;
    c.picture = pic;
    return c;
}

Component label(std::string_view name, int left, int top, int width, int height, Font font) {
    Component c;
    c.name = name;
    c.kind = Kind::Label;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.colour = clBlack;
    c.font = font;
    return c;
}

Component timer(std::string_view name, int interval) {
    Component c;
    c.name = name;
    c.kind = Kind::Timer;
    c.interval = interval;
    return c;
}

}  // namespace

void setEnabled(Component& timer, bool enabled) {
    assert(timer.kind == Kind::Timer && "only timers are enabled");
    if (enabled && !timer.enabled) ++timer.starts;
    timer.enabled = enabled;
}

Form::Form() {
    using assets::Picture;
    std::size_t i = 0;
    components[i++] = picture("Image1", 3, 3, 593, 473, true, Picture::Background);

    Component star = picture("ImageS", 76, 412, 133, 53, true, Picture::Star);
    star.stretch = true;
    components[i++] = star;

    const Font timesItalic{Face::TimesNewRoman, 16, clWhite, false, true};
    Component label1 = label("Label1", 184, 480, 209, 25, timesItalic);
    label1.visible = true;
    label1.alignment = Alignment::Center;
    label1.wordWrap = true;
    components[i++] = label1;

    components[i++] = picture("Image3", 440, 24, 145, 161, true, Picture::Emblem);
    components[i++] = picture("ImageL", 80, 416, 125, 49, false, Picture::PlaneLeft);
    components[i++] = picture("ImageR", 280, 248, 125, 49, false, Picture::PlaneRight);
    components[i++] = picture("Image2", 8, 40, 425, 465, false, Picture::Tree);

    for (const ShapePlace& place : kShapes) {
        Component shape;
        shape.name = place.name;
        shape.kind = Kind::Shape;
        shape.left = place.left;
        shape.top = place.top;
        shape.width = 30;
        shape.height = 30;
        shape.penColour = clWhite;
        shape.brushColour = clWhite;
        shape.brushStyle = BrushStyle::Clear;
        shapeIndex_[static_cast<std::size_t>(place.number)] = static_cast<int>(i);
        components[i++] = shape;
    }

    const Font sansBoldItalic{Face::MsSansSerif, 16, clWhite, true, true};
    components[i++] = label("Label2", 456, 20, 64, 20, sansBoldItalic);
    components[i++] = label("Label3", 512, 20, 64, 20, sansBoldItalic);

    Component label4 =
        label("Label4", 456, 408, 137, 81, Font{Face::MsSansSerif, 16, clGreen, true, true});
    label4.caption = std::string(game::texts::kHelpHint);
    label4.alignment = Alignment::Center;
    label4.wordWrap = true;
    label4.colour = clSilver;
    components[i++] = label4;

    components[i++] = timer("Timer1", 36);
    components[i++] = timer("Timer2", 90);
    components[i++] = timer("Timer3", 91);
    assert(i == components.size());
}

Component& Form::Shape(int n) {
    assert(n >= 1 && n <= 32 && "shapes are numbered 1 to 32");
    return components[static_cast<std::size_t>(shapeIndex_[static_cast<std::size_t>(n)])];
}

const Component& Form::Shape(int n) const {
    assert(n >= 1 && n <= 32 && "shapes are numbered 1 to 32");
    return components[static_cast<std::size_t>(shapeIndex_[static_cast<std::size_t>(n)])];
}

Component& Form::byName(std::string_view name) {
    return const_cast<Component&>(std::as_const(*this).byName(name));
}

const Component& Form::byName(std::string_view name) const {
    for (const Component& c : components) {
        if (c.name == name) return c;
    }
    assert(false && "no component of that name");
    return components[0];
}

}  // namespace scene
