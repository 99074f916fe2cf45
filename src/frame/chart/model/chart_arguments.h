#ifndef FORESTA_FRAME_CHART_MODEL_CHART_ARGUMENTS_H_
#define FORESTA_FRAME_CHART_MODEL_CHART_ARGUMENTS_H_

#include <span>
#include <string>

#include "frame/chart/model/chart_content.h"

namespace foresta {

// foresta-chart's usage line.
extern const char* const kChartUsage;

// Pictures are at most this many pixels on a side.
inline constexpr int kMaxChartSide = 10000;
inline constexpr int kMinChartSide = 100;

struct ChartArguments {
  ChartSources sources;
  int width = 1000;
  int height = 600;
  std::string png;  // exactly one of png and svg is set
  std::string svg;
};

struct ChartArgumentsParse {
  bool ok = false;
  bool help = false;  // --help: print the usage and succeed
  std::string error;  // what is wrong, when not ok
  ChartArguments arguments;
};

// Reads `INPUT [--report FILE] [--backtest FILE] [--variable J] [--size WxH]
// (--png OUT | --svg OUT)`, options in any order, each at most once.
ChartArgumentsParse ParseChartArguments(std::span<const std::string> args);

}  // namespace foresta

#endif  // FORESTA_FRAME_CHART_MODEL_CHART_ARGUMENTS_H_
