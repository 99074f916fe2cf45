#include "evaluation/pattern_runs.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

#include "evaluation/memory_pipeline.h"

namespace foresta {
namespace {

// The runs that share a precision and a trend: one pipeline keeps their
// trained stores from code to code at each origin.
struct Unit {
  int precision = 0;
  int trend = 0;
  std::vector<std::size_t> runs;
};

std::vector<Unit> GroupUnits(const std::vector<PatternRun>& runs) {
  std::map<std::pair<int, int>, std::size_t> index;
  std::vector<Unit> units;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    auto key = std::make_pair(runs[i].precision, runs[i].trend);
    auto [it, added] = index.try_emplace(key, units.size());
    if (added) units.push_back({runs[i].precision, runs[i].trend, {}});
    units[it->second].runs.push_back(i);
  }
  // The largest vectors first, so the last unit to start is a short one.
  std::stable_sort(units.begin(), units.end(), [](const Unit& a, const Unit& b) {
    return static_cast<long>(a.precision) * a.trend > static_cast<long>(b.precision) * b.trend;
  });
  return units;
}

std::optional<float> Finite(float x) {
  if (!std::isfinite(x)) return std::nullopt;
  return x;
}

bool Refused(int code) {
  return code == kMemoryInputRefused || code == kMemoryTooManyCombinations;
}

}  // namespace

bool RunPatternGrid(const Series& series, int variable, int first, int end,
                    std::vector<PatternRun>& runs, int threads,
                    const std::function<bool(double)>& progress) {
  const std::size_t origins = static_cast<std::size_t>(end - first);
  for (PatternRun& run : runs) {
    run.weightedAverage.assign(origins, std::nullopt);
    run.highestProbability.assign(origins, std::nullopt);
    run.applicable = false;
  }
  const std::vector<Unit> units = GroupUnits(runs);
  // A task is one unit at one origin: every code of the unit there.
  const std::size_t tasks = units.size() * origins;
  if (tasks == 0) return true;
  std::vector<std::atomic<bool>> applicable(runs.size());
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> done{0};
  std::atomic<bool> stop{false};
  std::mutex mutex;
  std::condition_variable finished;
  int running = 0;

  auto work = [&] {
    MemoryPipeline pipeline;
    MemoryPrediction p;
    for (;;) {
      const std::size_t task = next.fetch_add(1);
      if (task >= tasks || stop.load()) break;
      const Unit& unit = units[task / origins];
      const std::size_t o = task % origins;
      const int t = first + static_cast<int>(o);
      for (std::size_t r : unit.runs) {
        PatternRun& run = runs[r];
        const int code = pipeline.Predict(series, t, run.code, unit.precision, unit.trend, &p,
                                          /*listCandidates=*/false);
        // Each run's slots are written by the one task of that origin.
        if (!Refused(code)) applicable[r].store(true, std::memory_order_relaxed);
        if (code != kMemoryPredicted) continue;
        run.weightedAverage[o] = Finite(p.weightedAverage[static_cast<std::size_t>(variable)]);
        run.highestProbability[o] =
            Finite(p.highestProbability[static_cast<std::size_t>(variable)]);
      }
      done.fetch_add(1);
    }
    std::lock_guard<std::mutex> lock(mutex);
    --running;
    finished.notify_all();
  };

  unsigned count = threads > 0 ? static_cast<unsigned>(threads) : std::thread::hardware_concurrency();
  count = std::clamp<unsigned>(count, 1, static_cast<unsigned>(std::min<std::size_t>(tasks, 256)));
  std::vector<std::thread> workers;
  running = static_cast<int>(count);
  for (unsigned i = 0; i < count; ++i) workers.emplace_back(work);
  {
    std::unique_lock<std::mutex> lock(mutex);
    while (running > 0) {
      finished.wait_for(lock, std::chrono::milliseconds(100));
      if (progress && !stop.load()) {
        const double fraction = static_cast<double>(done.load()) / static_cast<double>(tasks);
        lock.unlock();
        if (!progress(fraction)) stop.store(true);
        lock.lock();
      }
    }
  }
  for (std::thread& w : workers) w.join();
  for (std::size_t r = 0; r < runs.size(); ++r) runs[r].applicable = applicable[r].load();
  return !stop.load();
}

}  // namespace foresta
