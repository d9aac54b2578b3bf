#include "scene/damage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <tuple>

#include "scene/renderer.h"
#include "scenes.h"
#include "synthetic_pictures.h"

namespace {

using scene::Form;
using scene::Rect;

struct Change {
    std::string what;
    std::function<Form()> before;
    std::function<void(Form&)> change;
    std::optional<std::vector<Rect>> expected;  // nullopt: only the redraw is checked
};

std::vector<Change> changes() {
    using render_test::climbingScene;
    return {
        {"nothing", [] { return Form{}; }, [](Form&) {}, std::vector<Rect>{}},
        {"plane climbs a pixel", [] { return climbingScene(60); },
         [](Form& f) { f.ImageL().top -= 1; }, std::vector<Rect>{{80, 339, 125, 50}}},
        {"plane drifts a pixel left", [] { return climbingScene(200); },
         [](Form& f) { f.ImageL().left -= 1; }, std::vector<Rect>{{79, 200, 126, 49}}},
        {"plane turns right", [] { return climbingScene(200); },
         [](Form& f) {
             f.ImageL().visible = false;
             f.ImageR().left = f.ImageL().left + 1;
             f.ImageR().top = f.ImageL().top;
             f.ImageR().visible = true;
         },
         std::vector<Rect>{{80, 200, 126, 49}}},
        {"plane far away", [] { return climbingScene(60); }, [](Form& f) { f.ImageL().top -= 200; },
         std::vector<Rect>{{80, 340, 125, 49}, {80, 140, 125, 49}}},
        {"off the track: the star covers the plane", [] { return climbingScene(60); },
         [](Form& f) {
             f.ImageL().visible = false;
             f.ImageS().left = f.ImageL().left;
             f.ImageS().top = f.ImageL().top;
             f.ImageS().visible = true;
             f.Label1().caption = " Fehler: 1";
         },
         std::vector<Rect>{{80, 340, 133, 53}, {184, 480, 209, 25}}},
        {"error count", [] { return climbingScene(60); },
         [](Form& f) { f.Label1().caption = " Fehler: 1"; },
         std::vector<Rect>{{184, 480, 209, 25}}},
        {"caption of a hidden label", [] { return Form{}; },
         [](Form& f) { f.Label2().caption = "7"; }, std::vector<Rect>{}},
        {"timers", [] { return climbingScene(60); },
         [](Form& f) {
             scene::setEnabled(f.Timer1(), true);
             scene::setEnabled(f.Timer3(), true);
         },
         std::vector<Rect>{}},
        {"covering hidden baubles", [] { return Form{}; },
         [](Form& f) {
             for (int k = 0; k < 32; ++k) render_test::cover(f, k);
         },
         std::vector<Rect>{}},
        {"moving a hidden picture", [] { return Form{}; }, [](Form& f) { f.ImageR().left = 10; },
         std::vector<Rect>{}},
        {"a pair painted", [] { return render_test::pairsScene(); },
         [](Form& f) {
             render_test::paint(f, 2);
             render_test::paint(f, 3);
         },
         std::vector<Rect>{{144, 88, 30, 30}, {264, 360, 30, 30}}},
        {"a symbol typed", [] { return render_test::pairsScene(); },
         [](Form& f) { f.Label3().caption = "K"; }, std::vector<Rect>{{512, 20, 64, 20}}},
        // Background and tree overlap enough to go as one, and take in everything else.
        {"the landing", [] { return climbingScene(300); }, [](Form& f) { render_test::land(f); },
         std::vector<Rect>{{3, 3, 593, 502}}},
        {"two labels that overlap", [] { return render_test::pairsScene(); },
         [](Form& f) {
             f.Label2().caption = "A";
             f.Label3().caption = "B";
         },
         std::vector<Rect>{{456, 20, 120, 20}}},
        {"the win", [] { return render_test::pairsScene(); },
         [](Form& f) {
             const Form win = render_test::winScene();
             f.components = win.components;
         },
         std::nullopt},
    };
}

TEST(Damage, RectanglesOfWhatChanged) {
    for (const Change& c : changes()) {
        if (!c.expected) continue;
        const Form before = c.before();
        Form after = before;
        c.change(after);
        std::vector<Rect> got = scene::damage(before.components, after.components);
        std::vector<Rect> want = *c.expected;
        const auto order = [](const Rect& a, const Rect& b) {
            return std::tie(a.y, a.x, a.w, a.h) < std::tie(b.y, b.x, b.w, b.h);
        };
        std::sort(got.begin(), got.end(), order);
        std::sort(want.begin(), want.end(), order);
        EXPECT_EQ(got, want) << c.what;
    }
}

TEST(Damage, RedrawingTheDamageGivesTheNewScene) {
    // What the window does: keep the old picture, redraw only the damage.
    render_test::SyntheticPictures pictures;
    scene::Renderer renderer(pictures);
    for (const Change& c : changes()) {
        const Form before = c.before();
        Form after = before;
        c.change(after);
        scene::PixelBuffer screen(Form::kClientWidth, Form::kClientHeight);
        renderer.draw(before.components, screen, screen.bounds());
        for (const Rect& r : scene::damage(before.components, after.components)) {
            renderer.draw(after.components, screen, r);
        }
        scene::PixelBuffer fresh(Form::kClientWidth, Form::kClientHeight);
        renderer.draw(after.components, fresh, fresh.bounds());
        EXPECT_TRUE(screen.pixels == fresh.pixels) << c.what;
    }
}

TEST(Damage, OnlyTheLookCounts) {
    Form form;
    scene::Component& label = form.Label2();  // hidden
    scene::Component before = label;
    label.caption = "X";
    EXPECT_TRUE(scene::sameLook(before, label)) << "hidden either way";
    label.visible = true;
    before = label;
    label.font.colour = scene::clRed;
    EXPECT_FALSE(scene::sameLook(before, label));
    scene::Component& timer = form.Timer2();
    before = timer;
    scene::setEnabled(timer, true);
    EXPECT_TRUE(scene::sameLook(before, timer));
}

}  // namespace
