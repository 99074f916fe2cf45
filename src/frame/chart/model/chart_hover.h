#ifndef FORESTA_FRAME_CHART_MODEL_CHART_HOVER_H_
#define FORESTA_FRAME_CHART_MODEL_CHART_HOVER_H_

#include <string>

#include "frame/chart/model/chart_content.h"

namespace foresta {

// What the pointer at row position `x` of a chart of `content` shows: the
// nearest row and its value (with the backtest's forecasts of it), or the
// forecasts at a step after the last row; empty where nothing is drawn.
// Numbers are in the report's form (six significant digits).
std::string HoverText(const ChartContent& content, double x);

}  // namespace foresta

#endif  // FORESTA_FRAME_CHART_MODEL_CHART_HOVER_H_
