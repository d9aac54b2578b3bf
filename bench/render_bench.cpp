// What drawing costs: one plane step as the window redraws it (the damage of
// a one-pixel move, drawn and ready to present), a new caption, and the whole
// client area. Flat pictures of the real sizes stand in for the built-in ones:
// the renderer copies pixels without looking at them.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "scene/damage.h"
#include "scene/renderer.h"

namespace {

class FlatPictures final : public scene::PictureSource {
  public:
    FlatPictures() {
        const std::array<std::array<int, 2>, 6> sizes{
            {{600, 500}, {126, 53}, {137, 155}, {124, 48}, {124, 48}, {412, 461}}};
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            images_[i] = scene::PixelBuffer(sizes[i][0], sizes[i][1],
                                            0x00102030u + static_cast<std::uint32_t>(i));
        }
    }
    scene::ImageView picture(assets::Picture id) const override {
        return scene::viewOf(images_.at(static_cast<std::size_t>(id)));
    }

  private:
    std::array<scene::PixelBuffer, 6> images_;
};

scene::Form climbing() {
    scene::Form form;
    form.ImageS().visible = false;
    form.ImageL().visible = true;
    form.Label1().caption = " Fehler: 0";
    return form;
}

void drawDamage(scene::Renderer& renderer, const scene::Form& before, const scene::Form& after,
                scene::PixelBuffer& screen) {
    for (const scene::Rect& r : scene::damage(before.components, after.components)) {
        renderer.draw(after.components, screen, r);
    }
}

// A climb tick at the runway: the plane over the background and the star's place.
void BM_PlaneStep(benchmark::State& state) {
    FlatPictures pictures;
    scene::Renderer renderer(pictures);
    scene::PixelBuffer screen(scene::Form::kClientWidth, scene::Form::kClientHeight);
    scene::Form a = climbing();
    scene::Form b = a;
    b.ImageL().top -= 1;
    renderer.draw(a.components, screen, screen.bounds());
    for (auto _ : state) {
        drawDamage(renderer, a, b, screen);
        std::swap(a, b);
        benchmark::DoNotOptimize(screen.pixels.data());
    }
}
BENCHMARK(BM_PlaneStep);

// A drift tick over Label1 and its caption (drawn from the cache).
void BM_PlaneStepOverCaption(benchmark::State& state) {
    FlatPictures pictures;
    scene::Renderer renderer(pictures);
    scene::PixelBuffer screen(scene::Form::kClientWidth, scene::Form::kClientHeight);
    scene::Form a = climbing();
    a.ImageL().left = 250;
    a.ImageL().top = 470;
    scene::Form b = a;
    b.ImageL().left += 1;
    renderer.draw(a.components, screen, screen.bounds());
    for (auto _ : state) {
        drawDamage(renderer, a, b, screen);
        std::swap(a, b);
        benchmark::DoNotOptimize(screen.pixels.data());
    }
}
BENCHMARK(BM_PlaneStepOverCaption);

// A caption never drawn before: wrap, glyphs and blend (the error count, a typed symbol).
void BM_NewCaption(benchmark::State& state) {
    FlatPictures pictures;
    scene::Renderer renderer(pictures);
    scene::PixelBuffer screen(scene::Form::kClientWidth, scene::Form::kClientHeight);
    scene::Form form = climbing();
    int n = 0;
    for (auto _ : state) {
        form.Label1().caption = " Fehler: " + std::to_string(1000000 + n++);
        renderer.draw(form.components, screen, scene::Rect{184, 480, 209, 25});
        benchmark::DoNotOptimize(screen.pixels.data());
    }
}
BENCHMARK(BM_NewCaption);

// The whole client area of the pairs scene: exposure, resize, the landing.
void BM_WholePairsScene(benchmark::State& state) {
    FlatPictures pictures;
    scene::Renderer renderer(pictures);
    scene::PixelBuffer screen(scene::Form::kClientWidth, scene::Form::kClientHeight);
    scene::Form form;
    form.Image1().visible = false;
    form.ImageS().visible = false;
    form.Image3().visible = false;
    form.Image2().visible = true;
    for (int n = 1; n <= 32; ++n) {
        form.Shape(n).visible = true;
        form.Shape(n).brushColour = scene::clRed;
        form.Shape(n).brushStyle = n % 2 ? scene::BrushStyle::DiagCross : scene::BrushStyle::Solid;
    }
    form.Label2().visible = true;
    form.Label3().visible = true;
    form.Label4().visible = true;
    for (auto _ : state) {
        renderer.draw(form.components, screen, screen.bounds());
        benchmark::DoNotOptimize(screen.pixels.data());
    }
}
BENCHMARK(BM_WholePairsScene);

}  // namespace

BENCHMARK_MAIN();
