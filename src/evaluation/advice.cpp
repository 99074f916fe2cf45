#include "evaluation/advice.h"

#include <algorithm>
#include <utility>
#include <cmath>

#include "evaluation/conformal.h"

namespace foresta {
namespace {

// Pattern settings averaged by the advice: one best setting chosen on a
// few dozen origins over-fits them; the mean of the best few does not, and
// measured on real series it forecasts better than either.
constexpr std::size_t kAveragedPatterns = 5;

bool Eligible(const Candidate& c) { return c.validation.missing == 0 && c.validation.mae.has_value(); }

bool IsBaseline(const Setting& s) {
  return s.method == Method::kNaive || s.method == Method::kSeasonalNaive ||
         s.method == Method::kDrift;
}

// Eligible candidates of a kind, best validation MAE first (grid order on
// ties).
std::vector<int> Ranked(const BacktestResult& r, bool baselines) {
  std::vector<int> ranked;
  for (int i = 0; i < static_cast<int>(r.candidates.size()); ++i) {
    const Candidate& c = r.candidates[static_cast<std::size_t>(i)];
    if (!Eligible(c)) continue;
    if (baselines ? IsBaseline(c.setting) : c.setting.method == Method::kPattern) ranked.push_back(i);
  }
  std::stable_sort(ranked.begin(), ranked.end(), [&r](int a, int b) {
    return *r.candidates[static_cast<std::size_t>(a)].validation.mae <
           *r.candidates[static_cast<std::size_t>(b)].validation.mae;
  });
  return ranked;
}

// Appends the mean of `members` (candidate indexes) and returns its index.
int AddCombination(BacktestResult& r, const std::vector<int>& members) {
  Candidate c;
  c.setting.method = Method::kCombination;
  for (int m : members) c.setting.members.push_back(r.candidates[static_cast<std::size_t>(m)].setting);
  std::vector<std::optional<float>> at(members.size());
  for (std::size_t o = 0; o < r.actuals.size(); ++o) {
    for (std::size_t k = 0; k < members.size(); ++k) {
      at[k] = r.candidates[static_cast<std::size_t>(members[k])].forecasts[o];
    }
    c.forecasts.push_back(MeanForecast(at));
  }
  const long v = r.validation;
  c.validation = ScoreWindow({c.forecasts.begin(), c.forecasts.begin() + v},
                             {r.actuals.begin(), r.actuals.begin() + v}, r.scale);
  c.scored = ScoreWindow({c.forecasts.begin() + v, c.forecasts.end()},
                         {r.actuals.begin() + v, r.actuals.end()}, r.scale);
  r.candidates.push_back(std::move(c));
  return static_cast<int>(r.candidates.size()) - 1;
}

}  // namespace

std::optional<float> MeanForecast(const std::vector<std::optional<float>>& members) {
  double sum = 0;
  int count = 0;
  for (const std::optional<float>& f : members) {
    if (!f) continue;
    sum += *f;
    ++count;
  }
  if (count == 0) return std::nullopt;
  const float mean = static_cast<float>(sum / count);
  if (!std::isfinite(mean)) return std::nullopt;
  return mean;
}

void ChooseRecommendation(BacktestResult& r) {
  const std::vector<int> patterns = Ranked(r, false);
  const std::vector<int> baselines = Ranked(r, true);
  std::vector<int> choices = baselines;
  // The best pattern settings that forecast differently.
  std::vector<int> top;
  for (int i : patterns) {
    const auto& f = r.candidates[static_cast<std::size_t>(i)].forecasts;
    bool same = false;
    for (int t : top) same = same || r.candidates[static_cast<std::size_t>(t)].forecasts == f;
    if (!same) top.push_back(i);
    if (top.size() == kAveragedPatterns) break;
  }
  if (!top.empty()) {
    const int averaged = top.size() == 1 ? top[0] : AddCombination(r, top);
    choices.push_back(averaged);
    if (!baselines.empty()) choices.push_back(AddCombination(r, {averaged, baselines[0]}));
  }
  int best = -1;
  for (int i : choices) {
    const Candidate& c = r.candidates[static_cast<std::size_t>(i)];
    // A tie goes to the simpler candidate, listed first.
    if (best < 0 || *c.validation.mae < *r.candidates[static_cast<std::size_t>(best)].validation.mae) {
      best = i;
    }
  }
  r.recommendation.candidate = best;
}

void FillIntervals(BacktestResult& r, std::optional<float> next) {
  Recommendation& rec = r.recommendation;
  rec.next = next;
  if (rec.candidate < 0) return;
  const Candidate& c = r.candidates[static_cast<std::size_t>(rec.candidate)];
  std::vector<float> errors;
  int counted80 = 0, covered80 = 0, counted95 = 0, covered95 = 0;
  for (std::size_t o = 0; o < r.actuals.size(); ++o) {
    const std::optional<float>& f = c.forecasts[o];
    if (o >= static_cast<std::size_t>(r.validation) && f) {
      const float a = r.actuals[o];
      if (std::optional<float> h = ConformalHalfWidth(errors, 80)) {
        ++counted80;
        covered80 += *f - *h <= a && a <= *f + *h;
      }
      if (std::optional<float> h = ConformalHalfWidth(errors, 95)) {
        ++counted95;
        covered95 += *f - *h <= a && a <= *f + *h;
      }
    }
    if (f) errors.push_back(static_cast<float>(std::fabs(static_cast<double>(*f) - r.actuals[o])));
  }
  if (counted80 > 0) rec.coverage80 = static_cast<double>(covered80) / counted80;
  if (counted95 > 0) rec.coverage95 = static_cast<double>(covered95) / counted95;
  rec.errors = static_cast<int>(errors.size());
  if (!next) return;
  if (std::optional<float> h = ConformalHalfWidth(errors, 80)) {
    rec.lower80 = *next - *h;
    rec.upper80 = *next + *h;
  }
  if (std::optional<float> h = ConformalHalfWidth(errors, 95)) {
    rec.lower95 = *next - *h;
    rec.upper95 = *next + *h;
  }
}

}  // namespace foresta
