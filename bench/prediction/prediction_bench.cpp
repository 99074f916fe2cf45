// End-to-end prediction on a 100,000-row series (one variable, P = 10,
// T = 5, code 1) and its stages, with the whole-file transcription of the
// encoder as the baseline.
#include <benchmark/benchmark.h>

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "../../tests/workbench/prediction_reference.h"
#include "engine/engine.h"
#include "prediction/encoders.h"
#include "prediction/input_check.h"
#include "prediction/prediction_report.h"
#include "state/recording_shell.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

constexpr int kRows = 100000;

// Works in a fresh directory holding the series as "example2a.txt".
class BenchDir {
 public:
  BenchDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "foresta-bench-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
    std::filesystem::current_path(path_);
    std::FILE* f = std::fopen("example2a.txt", "wb");
    std::fprintf(f, "*100,000 rows of a random walk*\n1\n");
    std::mt19937 rng(7);
    std::normal_distribution<double> step(0.0, 1.0);
    double x = 100.0;
    for (int r = 0; r < kRows; ++r) {
      x += step(rng);
      if (x < 1.0) x = 1.0;
      std::fprintf(f, "%.2f\n", x);
    }
    std::fclose(f);
  }
  ~BenchDir() { std::filesystem::remove_all(path_); }

 private:
  std::filesystem::path path_;
};

BenchDir& Dir() {
  static BenchDir dir;
  return dir;
}

void BM_EndToEnd(benchmark::State& state) {
  Dir();
  for (auto _ : state) {
    RecordingShell shell;
    Workbench wb(shell);
    wb.Execute(555);
    if (wb.state().statusCode != 553) state.SkipWithError("run failed");
  }
}
BENCHMARK(BM_EndToEnd)->Unit(benchmark::kMillisecond);

void BM_InputTest(benchmark::State& state) {
  Dir();
  PredictionState prediction;
  for (auto _ : state) {
    int rows = -1;
    benchmark::DoNotOptimize(TestInputFile({"example2a.txt", 10, 5}, prediction, rows));
  }
}
BENCHMARK(BM_InputTest)->Unit(benchmark::kMillisecond);

void BM_EncodeLinear(benchmark::State& state) {
  Dir();
  PredictionState prediction;
  for (auto _ : state) {
    benchmark::DoNotOptimize(EncodeLinear(EncodeRequest(), 1, prediction));
  }
}
BENCHMARK(BM_EncodeLinear)->Unit(benchmark::kMillisecond);

// Baseline: every row in memory, each window re-quantised, strings built
// whole and written at the end.
void BM_EncodeBaseline(benchmark::State& state) {
  Dir();
  for (auto _ : state) {
    reference::Input in;
    in.comment = "*100,000 rows of a random walk*";
    std::FILE* f = std::fopen("example2a.txt", "rb");
    char line[256];
    std::fgets(line, sizeof line, f);
    std::fgets(line, sizeof line, f);
    while (std::fgets(line, sizeof line, f)) in.rows.push_back({std::strtof(line, nullptr)});
    std::fclose(f);
    reference::Encoded e = reference::Encode(in, 0, 1, 10, 5);
    for (const auto& [name, text] : {std::pair{"b.trn", &e.trn}, {"b.rtn", &e.rtn},
                                     {"b.rec", &e.rec}, {"b.usd", &e.usd}}) {
      std::FILE* out = std::fopen(name, "wb");
      std::fwrite(text->data(), 1, text->size(), out);
      std::fclose(out);
    }
  }
}
BENCHMARK(BM_EncodeBaseline)->Unit(benchmark::kMillisecond);

void BM_Train(benchmark::State& state) {
  Dir();
  PredictionState prediction;
  EncodeLinear(EncodeRequest(), 1, prediction);
  Engine engine;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine.TrainNetwork("example1.trn", SymmetrySettings()));
  }
}
BENCHMARK(BM_Train)->Unit(benchmark::kMillisecond);

void BM_Recognise(benchmark::State& state) {
  Dir();
  PredictionState prediction;
  EncodeLinear(EncodeRequest(), 1, prediction);
  Engine engine;
  engine.TrainNetwork("example1.trn", SymmetrySettings());
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine.RecognizeWithDistribution(RecognitionSettings()));
  }
}
BENCHMARK(BM_Recognise)->Unit(benchmark::kMillisecond);

void BM_Report(benchmark::State& state) {
  Dir();
  PredictionState prediction;
  EncodeLinear(EncodeRequest(), 1, prediction);
  Engine engine;
  engine.TrainNetwork("example1.trn", SymmetrySettings());
  engine.RecognizeWithDistribution(RecognitionSettings());
  for (auto _ : state) {
    benchmark::DoNotOptimize(WritePredictionReport(
        ReportKind::kValue, ReportRequest(), ReportTarget::kFile, prediction));
  }
}
BENCHMARK(BM_Report)->Unit(benchmark::kMillisecond);

// A Directory run over 2,000 small files (60 rows each): one collective
// output, each file read by its test and its encoder only.
void BM_Directory2000(benchmark::State& state) {
  Dir();
  std::filesystem::create_directory("many");
  std::vector<std::string> names;
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> value(100, 200);
  for (int i = 0; i < 2000; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "many/s%04d.txt", i);
    std::FILE* f = std::fopen(name, "wb");
    std::fprintf(f, "*series %d*\n1\n", i);
    for (int r = 0; r < 60; ++r) std::fprintf(f, "%d\n", value(rng));
    std::fclose(f);
    names.push_back(name);
  }
  for (auto _ : state) {
    RecordingShell shell;
    Workbench wb(shell);
    wb.state().inputMode = InputMode::kDirectory;
    wb.state().directoryList = names;
    wb.state().directoryCount = 2000;
    wb.Execute(555);
    if (wb.state().statusCode != 553) state.SkipWithError("run failed");
  }
  std::filesystem::remove_all("many");
}
BENCHMARK(BM_Directory2000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace foresta

BENCHMARK_MAIN();
