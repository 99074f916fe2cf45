#include "evaluation/setting.h"

namespace foresta {
namespace {

constexpr int kDefaultCodes = 9;
constexpr int kWideCodes = 27;
constexpr int kDefaultPrecisions[] = {5, 10, 20, 40};
constexpr int kDefaultTrends[] = {2, 3, 5, 8};
constexpr int kWidePrecisions[] = {5, 10, 15, 20, 30, 40, 60, 80};
constexpr int kWideTrends[] = {2, 3, 4, 5, 6, 8, 10, 12};

template <typename P, typename T>
std::vector<Setting> Grid(int codes, const P& precisions, const T& trends) {
  std::vector<Setting> grid;
  for (int code = 1; code <= codes; ++code) {
    for (int precision : precisions) {
      for (int trend : trends) {
        for (PointForecast point :
             {PointForecast::kWeightedAverage, PointForecast::kHighestProbability}) {
          Setting s;
          s.method = Method::kPattern;
          s.code = code;
          s.precision = precision;
          s.trend = trend;
          s.point = point;
          grid.push_back(s);
        }
      }
    }
  }
  return grid;
}

}  // namespace

std::vector<Setting> PatternGrid(GridKind grid) {
  if (grid == GridKind::kWide) return Grid(kWideCodes, kWidePrecisions, kWideTrends);
  return Grid(kDefaultCodes, kDefaultPrecisions, kDefaultTrends);
}

const char* PointName(PointForecast point) {
  return point == PointForecast::kWeightedAverage ? "weightedAverage" : "highestProbability";
}

std::string SettingJson(const Setting& s) {
  switch (s.method) {
    case Method::kPattern:
      return "{\"method\":\"pattern\",\"code\":" + std::to_string(s.code) +
             ",\"precision\":" + std::to_string(s.precision) +
             ",\"trend\":" + std::to_string(s.trend) + ",\"point\":\"" + PointName(s.point) +
             "\"}";
    case Method::kNaive: return "{\"method\":\"naive\"}";
    case Method::kSeasonalNaive:
      return "{\"method\":\"seasonalNaive\",\"season\":" + std::to_string(s.season) + "}";
    case Method::kDrift: return "{\"method\":\"drift\"}";
    case Method::kCombination: {
      std::string text = "{\"method\":\"combination\",\"of\":[";
      for (std::size_t i = 0; i < s.members.size(); ++i) {
        if (i > 0) text += ",";
        text += SettingJson(s.members[i]);
      }
      return text + "]}";
    }
  }
  return "{}";
}

std::string SettingName(const Setting& s) {
  switch (s.method) {
    case Method::kPattern:
      return "code " + std::to_string(s.code) + ", precision " + std::to_string(s.precision) +
             ", trend " + std::to_string(s.trend) + ", " +
             (s.point == PointForecast::kWeightedAverage ? "weighted average"
                                                         : "highest probability");
    case Method::kNaive: return "naive (last value)";
    case Method::kSeasonalNaive:
      return "seasonal naive (season " + std::to_string(s.season) + ")";
    case Method::kDrift: return "drift";
    case Method::kCombination: {
      std::string text = "mean of ";
      for (std::size_t i = 0; i < s.members.size(); ++i) {
        if (i > 0) text += i + 1 == s.members.size() ? " and " : "; ";
        text += "[" + SettingName(s.members[i]) + "]";
      }
      return text;
    }
  }
  return {};
}

}  // namespace foresta
