// Frame list text each way, in memory and through a file, on 5,000 frames of 1,000 points.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>

#include "formats/drawing_file.h"

namespace daved {
namespace {

constexpr int kFrames = 5000;
constexpr int kPointsPerFrame = 1000;
constexpr double kPoints = double(kFrames) * kPointsPerFrame;

// Objects of 1 to 120 points in all colours, kinds and blank flags, coordinates over the whole
// laser range: the text of a point runs from 12 to 20 characters.
const FrameList& Frames() {
  static const FrameList frames = [] {
    std::mt19937 random(42);
    const auto pick = [&](int low, int high) {
      return std::uniform_int_distribution<int>(low, high)(random);
    };
    FrameList list(kFrames);
    for (Drawing& frame : list) {
      int left = kPointsPerFrame;
      while (left > 0) {
        Object& object = frame.emplace_back(std::min(left, pick(1, 120)));
        left -= int(object.size());
        for (Point& p : object) {
          p = {.x = pick(0, 255),
               .y = pick(0, 255),
               .kind = pick(0, 3),
               .colour = uint8_t(pick(0, 255)),
               .state = 0,
               .blank = uint8_t(pick(0, 3) == 0 ? 1 : 0)};
        }
        object.front().blank = 1;
      }
    }
    return list;
  }();
  return frames;
}

const std::string& Text() {
  static const std::string text = EncodeFrameList(Frames());
  return text;
}

std::filesystem::path BenchFile() {
  return std::filesystem::temp_directory_path() /
         ("daved-bench-frame-list-" + std::to_string(getpid()) + ".ilf");
}

void Count(benchmark::State& state) {
  state.counters["points/s"] =
      benchmark::Counter(kPoints, benchmark::Counter::kIsIterationInvariantRate);
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(Text().size()));
}

void BM_EncodeFrameList(benchmark::State& state) {
  const FrameList& frames = Frames();
  for (auto _ : state) {
    std::string text = EncodeFrameList(frames);
    benchmark::DoNotOptimize(text.data());
  }
  Count(state);
}

// Each pass reads into a fresh frame list and frees it, as a player refilling its list does.
void BM_ParseFrameList(benchmark::State& state) {
  const std::string& text = Text();
  for (auto _ : state) {
    FrameList frames;
    if (!ParseFrameList(text, frames).ok()) state.SkipWithError("parse failed");
    benchmark::DoNotOptimize(frames.data());
  }
  Count(state);
}

// Includes the sync to disk that makes the rename safe.
void BM_SaveFrameList(benchmark::State& state) {
  const FrameList& frames = Frames();
  for (auto _ : state) {
    if (!SaveFrameList(BenchFile(), frames).ok()) state.SkipWithError("save failed");
  }
  Count(state);
}

// The file is in the page cache after the first pass.
void BM_LoadFrameList(benchmark::State& state) {
  if (!SaveFrameList(BenchFile(), Frames()).ok()) state.SkipWithError("save failed");
  for (auto _ : state) {
    FrameList frames;
    if (!LoadFrameList(BenchFile(), frames).ok()) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(frames.data());
  }
  Count(state);
  std::filesystem::remove(BenchFile());
}

BENCHMARK(BM_EncodeFrameList)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ParseFrameList)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveFrameList)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadFrameList)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace daved
