// The plotter import: a file of pen moves parsed, placed and thinned, from text in memory and
// from disk, as "Anteprima" and "OK" do. The target is 100,000 moves in well under a second.

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "editor/plotter_import.h"

namespace daved {
namespace {

// `moves` pen moves in plotter units, a new "LT" section every 500, drawn along circles so the
// thinning has work to do; half the lines written "x y", half "x,y".
std::string MakePlotterFile(int64_t moves) {
  std::string text = "IN;\nSP1;\n";
  for (int64_t i = 0; i < moves; ++i) {
    text += i % 500 == 0 ? "LT;\nPU" : "PD";
    const double t = double(i % 500) / 500 * 2 * 3.14159265;
    const double r = 1000 + double(i / 500 % 40) * 200;
    text += std::to_string(int64_t(10000 + r * std::cos(t)));
    text += i % 2 == 0 ? " " : ",";
    text += std::to_string(int64_t(10000 + r * std::sin(t)));
    text += ";\n";
  }
  return text + "SP0;\n";
}

void BM_ImportPlotterText(benchmark::State& state) {
  const std::string text = MakePlotterFile(state.range(0));
  const PlotterSettings settings;
  for (auto _ : state) {
    Drawing objects;
    benchmark::DoNotOptimize(ImportPlotter(text, settings, objects));
    benchmark::DoNotOptimize(objects.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ImportPlotterText)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_ImportPlotterFile(benchmark::State& state) {
  const auto path = std::filesystem::temp_directory_path() / "daved-bench-plotter.plt";
  std::ofstream(path, std::ios::binary) << MakePlotterFile(state.range(0));
  const PlotterSettings settings;
  for (auto _ : state) {
    Drawing objects;
    benchmark::DoNotOptimize(ImportPlotterFile(path, settings, objects));
    benchmark::DoNotOptimize(objects.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  std::filesystem::remove(path);
}
BENCHMARK(BM_ImportPlotterFile)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace daved
