// The window model: components, creation order and start properties.
#include "scene/form.h"

#include <gtest/gtest.h>

#include <set>

#include "game/texts.h"

namespace {

using scene::Kind;

TEST(Form, CreationOrderIsThePaintingOrder) {
    const scene::Form form;
    const char* order[] = {
        "Image1",  "ImageS",  "Label1",  "Image3",  "ImageL",  "ImageR",  "Image2",  "Shape8",
        "Shape24", "Shape6",  "Shape16", "Shape32", "Shape2",  "Shape30", "Shape22", "Shape28",
        "Shape14", "Shape4",  "Shape26", "Shape10", "Shape20", "Shape31", "Shape27", "Shape12",
        "Shape25", "Shape23", "Shape21", "Shape29", "Shape19", "Shape18", "Shape17", "Shape15",
        "Shape13", "Shape7",  "Shape9",  "Shape5",  "Shape11", "Shape3",  "Shape1",  "Label2",
        "Label3",  "Label4",  "Timer1",  "Timer2",  "Timer3"};
    ASSERT_EQ(std::size(order), form.components.size());
    for (std::size_t i = 0; i < form.components.size(); ++i) {
        EXPECT_EQ(form.components[i].name, order[i]) << i;
    }
}

TEST(Form, PlacesSizesAndStartVisibility) {
    struct Case {
        const char* name;
        Kind kind;
        int left, top, width, height;
        bool visible;
    };
    const Case cases[] = {
        {"Image1", Kind::Picture, 3, 3, 593, 473, true},
        {"ImageS", Kind::Picture, 76, 412, 133, 53, true},
        {"Label1", Kind::Label, 184, 480, 209, 25, true},
        {"Image3", Kind::Picture, 440, 24, 145, 161, true},
        {"ImageL", Kind::Picture, 80, 416, 125, 49, false},
        {"ImageR", Kind::Picture, 280, 248, 125, 49, false},
        {"Image2", Kind::Picture, 8, 40, 425, 465, false},
        {"Shape1", Kind::Shape, 184, 56, 30, 30, false},
        {"Shape17", Kind::Shape, 224, 200, 30, 30, false},
        {"Shape32", Kind::Shape, 112, 416, 30, 30, false},
        {"Label2", Kind::Label, 456, 20, 64, 20, false},
        {"Label3", Kind::Label, 512, 20, 64, 20, false},
        {"Label4", Kind::Label, 456, 408, 137, 81, false},
    };
    scene::Form form;
    for (const Case& c : cases) {
        const scene::Component& comp = form.byName(c.name);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(comp.kind, c.kind);
        EXPECT_EQ(comp.left, c.left);
        EXPECT_EQ(comp.top, c.top);
        EXPECT_EQ(comp.width, c.width);
        EXPECT_EQ(comp.height, c.height);
        EXPECT_EQ(comp.visible, c.visible);
    }
    EXPECT_TRUE(form.ImageS().stretch);
    EXPECT_FALSE(form.Image1().stretch || form.Image2().stretch || form.ImageL().stretch);
    EXPECT_EQ(form.Timer1().interval, 36);
    EXPECT_EQ(form.Timer2().interval, 90);
    EXPECT_EQ(form.Timer3().interval, 91);
    EXPECT_FALSE(form.Timer1().enabled || form.Timer2().enabled || form.Timer3().enabled);
}

TEST(Form, LabelsAndBaubles) {
    scene::Form form;
    const scene::Component& l1 = form.Label1();
    EXPECT_EQ(l1.font.face, scene::Face::TimesNewRoman);
    EXPECT_TRUE(l1.font.italic && !l1.font.bold);
    EXPECT_EQ(l1.alignment, scene::Alignment::Center);
    EXPECT_TRUE(l1.wordWrap);
    EXPECT_EQ(form.Label2().alignment, scene::Alignment::Left);
    EXPECT_TRUE(form.Label2().font.bold && form.Label2().font.italic);
    const scene::Component& l4 = form.Label4();
    EXPECT_EQ(l4.caption, game::texts::kHelpHint);
    EXPECT_EQ(l4.colour, scene::clSilver);
    EXPECT_EQ(l4.font.colour, scene::clGreen);
    EXPECT_EQ(l4.font.height, 16);

    // Every bauble a white-pen circle with a clear brush, no two squares overlapping.
    std::set<std::pair<int, int>> cells;
    for (int n = 1; n <= 32; ++n) {
        const scene::Component& s = form.Shape(n);
        EXPECT_EQ(s.name, "Shape" + std::to_string(n));
        EXPECT_EQ(s.penColour, scene::clWhite);
        EXPECT_EQ(s.brushStyle, scene::BrushStyle::Clear);
        for (int m = n + 1; m <= 32; ++m) {
            const scene::Component& o = form.Shape(m);
            const bool overlap = s.left < o.left + 30 && o.left < s.left + 30 &&
                                 s.top < o.top + 30 && o.top < s.top + 30;
            EXPECT_FALSE(overlap) << n << " and " << m;
        }
    }
}

TEST(Form, TimerStartsCountOnlyFreshStarts) {
    scene::Form form;
    scene::Component& t = form.Timer2();
    scene::setEnabled(t, true);
    scene::setEnabled(t, true);
    EXPECT_EQ(t.starts, 1u);
    scene::setEnabled(t, false);
    scene::setEnabled(t, false);
    scene::setEnabled(t, true);
    EXPECT_EQ(t.starts, 2u);
}

}  // namespace
