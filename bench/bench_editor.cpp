// The drawing editor's canvas: a whole composition (background, grid, cross, every object with
// its markers) as each preview does at every mouse move.

#include <benchmark/benchmark.h>

#include <cmath>

#include "editor/canvas.h"
#include "editor/drawing_tools.h"

namespace daved {
namespace {

// A drawing as the tools make it: `points` points in closed rings of 100, each ring in one
// colour with a blank first point and vertices every tenth point, spread over the canvas.
Drawing MakeDrawing(int64_t points) {
  Drawing drawing;
  for (int64_t i = 0; i < points; ++i) {
    const int64_t ring = i / 100;
    const int64_t k = i % 100;
    if (k == 0) drawing.emplace_back();
    const double cx = 40 + double(ring * 37 % 432);
    const double cy = 40 + double(ring * 59 % 432);
    const double r = 10 + double(ring % 30);
    const double t = 2 * 3.14159265 * double(k) / 99;
    drawing.back().push_back({int32_t(cx + r * std::cos(t)), int32_t(cy + r * std::sin(t)),
                              k % 10 == 0 ? kVertex : kLinePoint, uint8_t(8 + ring % 198),
                              kStateNormal, uint8_t(k == 0)});
  }
  return drawing;
}

// The worst case: every segment crosses much of the canvas and changes colour.
Drawing MakeScatteredDrawing(int64_t points) {
  Drawing drawing;
  for (int64_t i = 0; i < points; ++i) {
    if (i % 100 == 0) drawing.emplace_back();
    drawing.back().push_back({int32_t(i * 7 % 512), int32_t(i * 13 % 512), int32_t(i % 4),
                              uint8_t(i % 256), kStateNormal, uint8_t(i % 5 == 0)});
  }
  return drawing;
}

void ComposeCanvas(benchmark::State& state, const Drawing& drawing) {
  CanvasLook look;
  look.background = 0;
  look.neutral = 8;
  look.gridX = look.gridY = 16;
  look.showPoints = state.range(1) != 0;
  CanvasComposer composer;
  for (auto _ : state) benchmark::DoNotOptimize(composer.Compose(drawing, look).constBits());
  state.counters["points/s"] = benchmark::Counter(double(state.iterations() * state.range(0)),
                                                  benchmark::Counter::kIsRate);
}

void BM_ComposeCanvas(benchmark::State& state) {
  ComposeCanvas(state, MakeDrawing(state.range(0)));
}
BENCHMARK(BM_ComposeCanvas)
    ->ArgsProduct({{1000, 20000}, {0, 1}})
    ->ArgNames({"points", "show_points"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_ComposeScatteredCanvas(benchmark::State& state) {
  ComposeCanvas(state, MakeScatteredDrawing(state.range(0)));
}
BENCHMARK(BM_ComposeScatteredCanvas)
    ->ArgsProduct({{20000}, {1}})
    ->ArgNames({"points", "show_points"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A preview at one mouse move: the canvas and a polygon of many sides over it.
void BM_PolygonPreview(benchmark::State& state) {
  EditorDocument doc;
  doc.drawing = MakeDrawing(20000);
  doc.config.polygonSides = 100;
  DrawingTools tools(doc);
  tools.Choose(Tool::Polygon);
  tools.Press(Button::Left, {256, 256}, false);
  CanvasComposer composer;
  int x = 0;
  for (auto _ : state) {
    Redraw(doc, composer);
    composer.DrawPreview(tools.PreviewAt({300 + (x++ % 100), 400}, false));
    benchmark::DoNotOptimize(composer.image().constBits());
  }
}
BENCHMARK(BM_PolygonPreview)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace daved
