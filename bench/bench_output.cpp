// The output pipeline: one drawing player pass (working coordinates, TransformPoint,
// ScaleColour, output records, the packet written) on a simulated controller without pacing.

#include <benchmark/benchmark.h>

#include "output/devices/simulated_controller_bus.h"
#include "output/drawing_player.h"

namespace daved {
namespace {

// A drawing of `points` points in objects of 100, every colour and kind in turn.
Drawing MakeDrawing(int64_t points) {
  Drawing drawing;
  for (int64_t i = 0; i < points; ++i) {
    if (i % 100 == 0) drawing.emplace_back();
    drawing.back().push_back({int32_t(i * 7 % 256), int32_t(i * 13 % 256), int32_t(i % 4),
                              uint8_t(i % 256), 0, uint8_t(i % 5 == 0)});
  }
  return drawing;
}

void BM_DrawingPlayerPass(benchmark::State& state) {
  SimulatedControllerBus bus({.controllers = 1, .paced = false});
  OutputSettings settings;
  OutputFlags flags;
  OutputTargets targets;
  targets.SetCurrentController("ezusb-0");
  settings.rotation_angle = 30;
  settings.horizontal_size = 30;
  settings.red_depth = 150;
  DrawingPlayer player({settings, flags, targets, bus}, MakeDrawing(state.range(0)));
  player.start();
  for (auto _ : state) player.runPass();
  player.finish();
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["points/s"] = benchmark::Counter(double(state.iterations() * state.range(0)),
                                                  benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DrawingPlayerPass)->Arg(1000)->Arg(16384);

}  // namespace
}  // namespace daved
