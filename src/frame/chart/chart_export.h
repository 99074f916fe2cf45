#ifndef FORESTA_FRAME_CHART_CHART_EXPORT_H_
#define FORESTA_FRAME_CHART_CHART_EXPORT_H_

#include <string>

#include <QImage>

#include "frame/chart/model/chart_status.h"

namespace foresta {

class ChartView;

// A picture of what `view` shows, as large as the view, on white.
QImage ChartImage(ChartView& view);

// Write what `view` shows to `file` as PNG or as SVG (the view's size in
// pixels is the SVG's size in user units). A file that cannot be written
// fully is refused with kMsgChartNotWritten and left as it was.
ChartStatus SaveChartPng(ChartView& view, const std::string& file);
ChartStatus SaveChartSvg(ChartView& view, const std::string& file);

}  // namespace foresta

#endif  // FORESTA_FRAME_CHART_CHART_EXPORT_H_
