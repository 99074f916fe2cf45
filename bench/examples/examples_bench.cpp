// The two largest generated files (the 4095-class characters, about 20 MB,
// and the Markov chain, about 4 MB) are written in one pass through a fixed
// buffer. The baseline builds the whole 4095-class file in a string first,
// the straightforward way; the reported peak_bytes counter shows what the
// streaming writer saves.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "examples/sequence_generators.h"
#include "examples/stroke_generator.h"
#include "state/random_stream.h"
#include "state/workbench_state.h"

namespace foresta {
namespace {

std::string PathOf(const std::string& name) {
  static const std::filesystem::path dir = [] {
    auto d = std::filesystem::temp_directory_path() / "foresta-examples-bench";
    std::filesystem::create_directories(d);
    return d;
  }();
  return (dir / name).string();
}

WorkbenchState BenchState() {
  WorkbenchState s;
  s.trainingFile = PathOf("bench.trn");
  s.userDistributionFile = PathOf("bench.usd");
  s.recognitionFile = PathOf("bench.rec");
  return s;
}

void BM_Strokes4095Streamed(benchmark::State& state) {
  WorkbenchState s = BenchState();
  RandomStream random;
  for (auto _ : state)
    benchmark::DoNotOptimize(
        WriteStrokeTraining(s, random, StrokeSet::k19x19Classes4095));
  const auto bytes = std::filesystem::file_size(s.trainingFile);
  state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
  state.counters["peak_bytes"] = 1 << 16;  // the writer's buffer
}
BENCHMARK(BM_Strokes4095Streamed)->Unit(benchmark::kMillisecond);

// Baseline: the same vectors, the file assembled in memory and written once.
void BM_Strokes4095InMemory(benchmark::State& state) {
  const std::string file = PathOf("baseline.trn");
  const int side = 19, classes = 4104;
  std::size_t peak = 0;
  for (auto _ : state) {
    std::string text = " * 19 by 19, 4095 classes *\n 4465\n\n";
    for (int code = 1; code < 4096; ++code) {
      std::string v(classes, '0');
      v[static_cast<std::size_t>(code)] = '1';
      v += StrokeImage(StrokeSet::k19x19Classes4095, code);
      for (std::size_t i = 0; i < v.size(); i += side) {
        text.append(v, i, side);
        text += '\n';
      }
      text += '\n';
    }
    peak = text.capacity();
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
  }
  state.SetBytesProcessed(
      static_cast<int64_t>(std::filesystem::file_size(file)) * state.iterations());
  state.counters["peak_bytes"] = static_cast<double>(peak);
}
BENCHMARK(BM_Strokes4095InMemory)->Unit(benchmark::kMillisecond);

void BM_MarkovTraining(benchmark::State& state) {
  WorkbenchState s = BenchState();
  RandomStream random;
  for (auto _ : state) benchmark::DoNotOptimize(WriteMarkovTraining(s, random));
  state.SetBytesProcessed(
      static_cast<int64_t>(std::filesystem::file_size(s.trainingFile)) *
      state.iterations());
}
BENCHMARK(BM_MarkovTraining)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace foresta

BENCHMARK_MAIN();
