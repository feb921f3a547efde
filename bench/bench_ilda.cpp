// ILDA reading and writing on a 40 MB file: 5,000 frames of 1,000 points. Times are wall
// clock: page faults and the disk are part of what a user waits for.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "formats/file_io.h"
#include "formats/ilda_file.h"

namespace daved {
namespace {

constexpr int kFrames = 5000;
constexpr int kPointsPerFrame = 1000;
constexpr int64_t kPoints = int64_t(kFrames) * kPointsPerFrame;

TILDAimage MakeImage() {
  TILDAimage image;
  image.frames.resize(kFrames);
  for (int f = 0; f < kFrames; ++f) {
    auto& points = image.frames[f].points;
    points.reserve(kPointsPerFrame);
    for (int i = 0; i < kPointsPerFrame; ++i) {
      points.push_back({(i * 7 + f) % 256 - 128, (i * 13 + f * 3) % 256 - 128, 0, uint8_t(i + f),
                        kStateNormal, uint8_t(i % 10 == 0)});
    }
  }
  return image;
}

const TILDAimage& Image() {
  static const TILDAimage image = MakeImage();
  return image;
}

// The file every reading benchmark loads, written once and removed at exit.
struct BenchFile {
  std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("daved-bench-" + std::to_string(getpid()) + ".ild");
  std::string bytes = EncodeIlda(Image());
  BenchFile() { WriteFileAtomically(path, bytes); }
  ~BenchFile() { std::filesystem::remove(path); }
};

const BenchFile& File() {
  static const BenchFile file;
  return file;
}

std::span<const uint8_t> Bytes() {
  const std::string& bytes = File().bytes;
  return {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
}

std::size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

void Count(benchmark::State& state, int64_t bytes) {
  state.counters["points_per_s"] =
      benchmark::Counter(double(kPoints), benchmark::Counter::kIsIterationInvariantRate);
  state.SetBytesProcessed(state.iterations() * bytes);
}

bool Check(benchmark::State& state, const Status& status) {
  if (status.ok()) return true;
  state.SkipWithError(status.error.c_str());
  return false;
}

// The whole load as a window does it: read the file (from the page cache) into a new image.
void BM_LoadIlda(benchmark::State& state) {
  const auto& file = File();
  for (auto _ : state) {
    TILDAimage image;
    if (!Check(state, LoadIlda(file.path, image))) break;
    benchmark::DoNotOptimize(image.frames.data());
  }
  Count(state, int64_t(file.bytes.size()));
}
BENCHMARK(BM_LoadIlda)->Unit(benchmark::kMillisecond)->UseRealTime();

// Only the parsing, from bytes already in memory into a new image.
void BM_ParseIlda(benchmark::State& state) {
  const auto bytes = Bytes();
  std::size_t heap = 0;
  for (auto _ : state) {
    const std::size_t before = HeapInUse();
    TILDAimage image;
    if (!Check(state, ParseIlda(bytes, image))) break;
    heap = HeapInUse() - before;
    benchmark::DoNotOptimize(image.frames.data());
  }
  Count(state, int64_t(bytes.size()));
  state.counters["heap_bytes_per_point"] = double(heap) / double(kPoints);
}
BENCHMARK(BM_ParseIlda)->Unit(benchmark::kMillisecond)->UseRealTime();

// Parsing again into the same image: the memory it frees is mostly handed out again, so this
// is the loop itself with little first-touch cost.
void BM_ParseIldaIntoSameImage(benchmark::State& state) {
  const auto bytes = Bytes();
  TILDAimage image;
  for (auto _ : state) {
    if (!Check(state, ParseIlda(bytes, image))) break;
    benchmark::DoNotOptimize(image.frames.data());
  }
  Count(state, int64_t(bytes.size()));
}
BENCHMARK(BM_ParseIldaIntoSameImage)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EncodeIlda(benchmark::State& state) {
  const TILDAimage& image = Image();
  std::size_t size = 0;
  for (auto _ : state) {
    const std::string bytes = EncodeIlda(image);
    size = bytes.size();
    benchmark::DoNotOptimize(bytes.data());
  }
  Count(state, int64_t(size));
}
BENCHMARK(BM_EncodeIlda)->Unit(benchmark::kMillisecond)->UseRealTime();

// Encoding plus the safe write (temporary file, sync, rename) to the disk.
void BM_SaveIlda(benchmark::State& state) {
  const TILDAimage& image = Image();
  const auto path = File().path.string() + ".saved";
  for (auto _ : state) {
    if (!Check(state, SaveIlda(path, image))) break;
  }
  Count(state, int64_t(std::filesystem::file_size(path)));
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveIlda)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace daved
