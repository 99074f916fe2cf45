#ifndef FORESTA_FRAME_CHART_MODEL_DECIMATION_H_
#define FORESTA_FRAME_CHART_MODEL_DECIMATION_H_

#include <span>
#include <vector>

namespace foresta {

struct PlotPoint {
  double x = 0.0;
  double y = 0.0;

  friend bool operator==(const PlotPoint&, const PlotPoint&) = default;
};

// The points that draw `values` (row r, from 1, at x = r) between x = `from`
// and x = `to` on a plot `columns` pixels wide. When the visible rows are
// more than two per column, each column keeps only its lowest and its
// highest value (in row order), which draws the same picture as every
// point; otherwise every visible row is kept. One row beyond each edge is
// kept too, so the line runs on to the edge of the plot. The points keep
// their own rows as x, so a point found under the pointer is a real row.
std::vector<PlotPoint> DecimateSeries(std::span<const float> values, double from, double to,
                                      int columns);

}  // namespace foresta

#endif  // FORESTA_FRAME_CHART_MODEL_DECIMATION_H_
