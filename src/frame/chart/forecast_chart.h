#ifndef FORESTA_FRAME_CHART_FORECAST_CHART_H_
#define FORESTA_FRAME_CHART_FORECAST_CHART_H_

#include <QChart>
#include <QColor>

#include "frame/chart/model/chart_content.h"

class QAreaSeries;
class QLineSeries;
class QValueAxis;

namespace foresta {

// Colours of the chart's parts; tests find the parts in a picture by them.
inline constexpr QRgb kSeriesColor = 0xff1f5fa8;
inline constexpr QRgb kCandidateColor = 0xffe07b00;
inline constexpr QRgb kAverageColor = 0xff2e7d32;
inline constexpr QRgb kHighestColor = 0xffc62828;
inline constexpr QRgb kRecommendedColor = 0xff7b1fa2;
inline constexpr QRgb kNaiveColor = 0xff616161;

// The chart of one input series with what is known about its future: the
// series against its row numbers; after a prediction the candidate next
// values sized by weight, the weighted average and the most probable value
// (or the steps of an averaged prediction); with a backtest, the forecasts
// of the recommended setting and of the naive baseline over the validation
// and scored windows, scores in the legend, and the next value's 80 % and
// 95 % prediction intervals.
//
// The series line never holds more than about two points per pixel column
// of the plot: Redecimate() rebuilds it for the rows in view whenever the
// plot is resized or the x axis changes (zoom, scroll, reset).
class ForecastChart : public QChart {
  Q_OBJECT

 public:
  // REQUIRES: content as LoadChart gives it, with at least two rows.
  explicit ForecastChart(ChartContent content, QGraphicsItem* parent = nullptr);

  const ChartContent& content() const { return content_; }
  QValueAxis* axisX() const { return axisX_; }
  QValueAxis* axisY() const { return axisY_; }
  QLineSeries* seriesLine() const { return line_; }

  // Shows the whole series and every forecast.
  void ResetZoom();

  // Rebuilds the series line for the rows in view and the plot's width.
  void Redecimate();

  // What the pointer over value position `value` (chart coordinates)
  // shows: the row under it and its value, or the forecasts at the next
  // step; empty outside the rows.
  QString HoverText(QPointF value) const;

 private:
  void AddAxes();
  void AddSeries();
  void AddWindows();
  void AddReport();
  void AddCandidates();
  void AddBacktest();
  void AddBacktestLine(const BacktestLine& line, const QString& name, QColor color, bool dashed);
  void AddInterval(float lower, float upper, QColor color, const QString& name);
  void Attach(QAbstractSeries* series);
  void UpdateWindowHeights();
  void UpdateTicks();
  void SetTickIntervals(double spanX, double spanY);
  double LastValue() const;

  ChartContent content_;
  QValueAxis* axisX_ = nullptr;
  QValueAxis* axisY_ = nullptr;
  QLineSeries* line_ = nullptr;
  // The shaded validation and scored windows, as tall as the y axis.
  QList<QAreaSeries*> windows_;
};

}  // namespace foresta

#endif  // FORESTA_FRAME_CHART_FORECAST_CHART_H_
