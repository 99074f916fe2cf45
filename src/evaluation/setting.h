#ifndef FORESTA_EVALUATION_SETTING_H_
#define FORESTA_EVALUATION_SETTING_H_

#include <string>
#include <vector>

namespace foresta {

// How a candidate forecasts the next value of the scored variable.
enum class Method { kPattern, kNaive, kSeasonalNaive, kDrift, kCombination };

// Which number of a pattern prediction is the point forecast.
enum class PointForecast { kWeightedAverage, kHighestProbability };

// One candidate setting of a backtest.
struct Setting {
  Method method = Method::kNaive;
  // Pattern settings.
  int code = 0;
  int precision = 0;
  int trend = 0;
  PointForecast point = PointForecast::kWeightedAverage;
  // Seasonal naive.
  int season = 0;
  // Combination: the settings whose forecasts it averages.
  std::vector<Setting> members;

  bool operator==(const Setting&) const = default;
};

// The pattern settings a backtest tries.
enum class GridKind { kDefault, kWide };

// Every pattern setting of the grid in grid order: code, then precision,
// then trend, then point (weighted average first).
std::vector<Setting> PatternGrid(GridKind grid);

// The setting as a JSON object:
// {"method":"pattern","code":C,"precision":P,"trend":T,"point":"..."},
// {"method":"naive"}, {"method":"seasonalNaive","season":S},
// {"method":"drift"} or {"method":"combination","of":[...]}.
std::string SettingJson(const Setting& setting);

// A short readable name ("code 4, precision 20, trend 3, weighted average",
// "naive", "seasonal naive (12)", "drift", "mean of ... and ...").
std::string SettingName(const Setting& setting);

// The name of a point forecast in JSON ("weightedAverage",
// "highestProbability").
const char* PointName(PointForecast point);

}  // namespace foresta

#endif  // FORESTA_EVALUATION_SETTING_H_
