// Times are wall-clock; "CPU" of the backtests is the whole process's
// (every thread), which on a busy machine is the better guide.
//
// Walk-forward backtest of the default grid (about 150 pattern runs per
// origin) over 48 origins of a 300-row series, its scaling with rows, grid
// and threads, and one origin of the grid run through the in-memory
// pipeline against the same runs through the pattern files (the file
// pipeline is the straightforward version: encode, train, recognise and
// report through files, as a prediction command does).
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "evaluation/backtest.h"
#include "evaluation/memory_pipeline.h"
#include "state/recording_shell.h"
#include "workbench/prediction_run.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

// A sunspot-like cycle with noise, `rows` rows of one variable.
Series CycleSeries(int rows) {
  std::mt19937 random(11);
  std::normal_distribution<float> noise(0.0f, 8.0f);
  Series s;
  s.variables = 1;
  for (int i = 0; i < rows; ++i) {
    const float cycle = 60.0f + 50.0f * std::sin(static_cast<float>(i) * 0.57f);
    s.values.push_back(std::round(std::fabs(cycle + noise(random)) * 10.0f) / 10.0f);
  }
  return s;
}

// The distinct (code, precision, trend) runs of the default grid.
std::vector<std::tuple<int, int, int>> GridRuns() {
  std::vector<std::tuple<int, int, int>> runs;
  for (int code = 1; code <= 9; ++code) {
    for (int p : {5, 10, 20, 40}) {
      for (int t : {2, 3, 5, 8}) runs.emplace_back(code, p, t);
    }
  }
  return runs;
}

void BM_Backtest(benchmark::State& state) {
  const Series series = CycleSeries(static_cast<int>(state.range(0)));
  BacktestOptions options;
  options.grid = state.range(1) == 0 ? GridKind::kDefault : GridKind::kWide;
  options.threads = static_cast<int>(state.range(2));
  for (auto _ : state) {
    BacktestResult r = RunBacktest(series, options);
    benchmark::DoNotOptimize(r.recommendation.candidate);
  }
  state.SetLabel(std::string(state.range(1) == 0 ? "default grid" : "wide grid") + ", " +
                 std::to_string(options.threads) + " threads, 48 origins");
}
// rows, grid (0 default, 1 wide), threads.
BENCHMARK(BM_Backtest)
    ->Args({300, 0, 2})
    ->Args({300, 0, 1})
    ->Args({150, 0, 2})
    ->Args({600, 0, 2})
    ->Args({1200, 0, 2})
    ->Args({300, 1, 2})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// Every run of the default grid at one origin (row 276 of 300 predicted
// from the rows before it), in memory.
void BM_GridOriginInMemory(benchmark::State& state) {
  const Series series = CycleSeries(300);
  const auto runs = GridRuns();
  MemoryPipeline pipeline;
  MemoryPrediction p;
  for (auto _ : state) {
    pipeline.Forget();
    for (const auto& [code, precision, trend] : runs) {
      benchmark::DoNotOptimize(pipeline.Predict(series, 276, code, precision, trend, &p, false));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(runs.size()));
}
BENCHMARK(BM_GridOriginInMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same runs through the pattern files, as the prediction commands run.
void BM_GridOriginThroughFiles(benchmark::State& state) {
  const Series series = CycleSeries(300);
  const auto runs = GridRuns();
  const std::filesystem::path previous = std::filesystem::current_path();
  std::string pattern = (std::filesystem::temp_directory_path() / "foresta-bench-XXXXXX").string();
  const std::filesystem::path dir = mkdtemp(pattern.data());
  std::filesystem::current_path(dir);
  {
    std::FILE* f = std::fopen("example2a.txt", "wb");
    std::fprintf(f, "*cycle*\n1\n");
    for (int r = 0; r < 276; ++r) {
      char text[32];
      auto [end, ec] = std::to_chars(text, text + sizeof text, series.values[static_cast<std::size_t>(r)],
                                     std::chars_format::fixed);
      *end = '\0';
      std::fprintf(f, "%s\n", text);
    }
    std::fclose(f);
  }
  RecordingShell shell;
  Workbench wb(shell);
  for (auto _ : state) {
    for (const auto& [code, precision, trend] : runs) {
      wb.state().precision = precision;
      wb.state().trend = trend;
      RunPredictionCommand(wb, code);
      shell.ClearEvents();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(runs.size()));
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_GridOriginThroughFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace foresta

BENCHMARK_MAIN();
