// The general recognition mode on a 16-position section (65,535 candidates)
// against 1,000 stored patterns of 200 neurons: bit-parallel scoring against
// the plain walk of the stored positions for every candidate.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "engine/engine.h"
#include "engine/recognition_modes.h"

namespace foresta {
namespace {

constexpr int kNeurons = 200;
constexpr int kPatterns = 1000;
constexpr int kSectionStart = 90;
constexpr int kSection = 16;

std::string PathOf(const std::string& name) {
  static const std::filesystem::path dir = [] {
    auto d = std::filesystem::temp_directory_path() / "foresta-modes-bench";
    std::filesystem::create_directories(d);
    return d;
  }();
  return (dir / name).string();
}

// One recognition vector with 40 % of its bits set; half the patterns are
// large subsets of a completion of it (they fit some candidates and vote),
// the other half random (most are rejected outside the section).
struct Scenario {
  Scenario() {
    std::mt19937 rng(5);
    std::bernoulli_distribution dense(0.4), keep(0.9), noise(0.3), coin(0.5);
    std::string vector(kNeurons, '0');
    for (char& c : vector) c = dense(rng) ? '1' : '0';
    std::string training = "* bench *\n" + std::to_string(kNeurons) + "\n";
    for (int p = 0; p < kPatterns; ++p) {
      for (int i = 0; i < kNeurons; ++i) {
        bool one;
        if (p % 2 == 0) {
          const bool inSection = i >= kSectionStart && i < kSectionStart + kSection;
          one = (inSection ? coin(rng) : vector[static_cast<size_t>(i)] == '1') && keep(rng);
        } else {
          one = noise(rng);
        }
        training.push_back(one ? '1' : '0');
      }
      training.push_back('\n');
    }
    std::ofstream(PathOf("b.trn"), std::ios::binary | std::ios::trunc) << training;
    vector.replace(kSectionStart, kSection, kSection, 'x');
    std::ofstream(PathOf("b.rec"), std::ios::binary | std::ios::trunc) << "* bench *\n" << vector << "\n";
    if (engine.TrainNetwork(PathOf("b.trn"), {}) != kTrainOk) std::abort();
    settings.recognitionFile = PathOf("b.rec");
  }
  Engine engine;
  RecognitionSettings settings;
};

Scenario& Shared() {
  static Scenario scenario;
  return scenario;
}

void GeneralMode(benchmark::State& state, ScoringMethod method) {
  Scenario& sc = Shared();
  for (auto _ : state) {
    sc.engine.OpenReportFile(PathOf("b.dat"));
    RecognitionModes modes(sc.engine.store(), sc.engine.NeuronCount(), sc.engine.reportFile(),
                           method);
    if (modes.RecognizeGeneral(sc.settings, 1, false) != kRecognitionOk) {
      state.SkipWithError("recognition failed");
    }
    sc.engine.reportFile()->Close();
  }
  state.counters["candidates/s"] =
      benchmark::Counter(65535.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_GeneralMode16_BitParallel(benchmark::State& state) {
  GeneralMode(state, ScoringMethod::kBitParallel);
}
void BM_GeneralMode16_DirectBaseline(benchmark::State& state) {
  GeneralMode(state, ScoringMethod::kDirect);
}
BENCHMARK(BM_GeneralMode16_BitParallel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeneralMode16_DirectBaseline)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace foresta

BENCHMARK_MAIN();
