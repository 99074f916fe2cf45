// Speed and memory of training and of recognition with a user distribution,
// against the plain rendering of the algorithm (RecognizeWithDistributionReference).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "engine/engine.h"
#include "support/recognition_reference.h"

namespace foresta {
namespace {

constexpr int kNeurons = 50;
constexpr int kVectors = 100000;
constexpr int kRows = 100000;
constexpr int kSectionStart = 30;
constexpr int kSection = 20;

std::filesystem::path Dir() {
  static const std::filesystem::path dir = [] {
    auto d = std::filesystem::temp_directory_path() / "foresta-engine-bench";
    std::filesystem::create_directories(d);
    return d;
  }();
  return dir;
}

std::string PathOf(const std::string& name) { return (Dir() / name).string(); }

void WriteText(const std::string& name, const std::string& text) {
  std::ofstream(PathOf(name), std::ios::binary | std::ios::trunc) << text;
}

// One scenario: a training file of 100,000 vectors, a distribution of
// 100,000 rows and one recognition vector.
//  votes = true:  most patterns fit the vector and vote (row lookups dominate);
//  votes = false: random patterns, of which few fit (the store walk dominates).
void WriteScenario(bool votes) {
  std::mt19937 rng(votes ? 7 : 11);
  auto coin = [&](double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; };
  std::vector<std::string> rows(kRows, std::string(kSection, '0'));
  std::string usd = "* rows *\n" + std::to_string(kSection) + " " + std::to_string(kRows) + "\n";
  for (auto& row : rows) {
    for (char& c : row) c = coin(0.5) ? '1' : '0';
    usd += row + "\n";
  }
  WriteText("bench.usd", usd);

  std::string base(kNeurons, '0');
  for (int i = 0; i < kSectionStart; ++i) base[i] = coin(0.8) ? '1' : '0';
  std::string trn = "* patterns *\n" + std::to_string(kNeurons) + "\n";
  trn.reserve(trn.size() + static_cast<size_t>(kVectors) * (kNeurons + 1));
  for (int v = 0; v < kVectors; ++v) {
    std::string p(kNeurons, '0');
    for (int i = 0; i < kSectionStart; ++i) {
      p[i] = votes ? (base[i] == '1' && coin(0.9) ? '1' : '0') : (coin(0.5) ? '1' : '0');
    }
    if (votes && coin(0.3)) p[rng() % kSectionStart] = '1';
    const std::string& row = rows[rng() % kRows];
    for (int j = 0; j < kSection; ++j) {
      p[kSectionStart + j] = coin(0.5) ? row[j] : (coin(0.5) ? '1' : '0');
    }
    trn += p + "\n";
  }
  WriteText("bench.trn", trn);

  std::string rec = base.substr(0, kSectionStart) + std::string(kSection, 'x');
  if (!votes) {
    for (int i = 0; i < kSectionStart; ++i) rec[i] = coin(0.5) ? '1' : '0';
  }
  WriteText("bench.rec", "* vector *\n" + rec + "\n");
}

RecognitionSettings Settings() {
  RecognitionSettings s;
  s.recognitionFile = PathOf("bench.rec");
  s.recognitionOutputFile = PathOf("bench.dat");
  s.userDistributionFile = PathOf("bench.usd");
  return s;
}

Engine& TrainedEngine(bool votes) {
  static bool written = false;
  static bool writtenFor = false;
  static Engine engine;
  if (!written || writtenFor != votes) {
    WriteScenario(votes);
    engine.TrainNetwork(PathOf("bench.trn"), {});
    written = true;
    writtenFor = votes;
  }
  return engine;
}

void BM_TrainNetwork(benchmark::State& state) {
  WriteScenario(false);
  Engine engine;
  for (auto _ : state) {
    if (engine.TrainNetwork(PathOf("bench.trn"), {}) != kTrainOk) state.SkipWithError("training");
  }
  const PatternStore& store = engine.store();
  const double positionBytes = static_cast<double>(store.PatternPositions().size()) * 4;
  state.counters["patterns"] = static_cast<double>(store.patternCount());
  state.counters["positions_MB"] = positionBytes / 1e6;
  state.counters["store_MB"] = static_cast<double>(store.MemoryBytes()) / 1e6;
  state.counters["store_per_position_byte"] = static_cast<double>(store.MemoryBytes()) / positionBytes;
}
BENCHMARK(BM_TrainNetwork)->Unit(benchmark::kMillisecond);

void BM_Recognize(benchmark::State& state) {
  const bool votes = state.range(0) != 0;
  Engine& engine = TrainedEngine(votes);
  for (auto _ : state) {
    if (engine.RecognizeWithDistribution(Settings()) != kRecognitionOk) {
      state.SkipWithError("recognition");
    }
  }
}
BENCHMARK(BM_Recognize)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_RecognizeReference(benchmark::State& state) {
  const bool votes = state.range(0) != 0;
  Engine& engine = TrainedEngine(votes);
  for (auto _ : state) {
    if (RecognizeWithDistributionReference(engine.store(), engine.NeuronCount(), Settings(),
                                           true) != kRecognitionOk) {
      state.SkipWithError("reference");
    }
  }
}
BENCHMARK(BM_RecognizeReference)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace foresta

BENCHMARK_MAIN();
