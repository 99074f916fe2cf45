#include "frame/chart/forecast_chart.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QAreaSeries>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include "frame/chart/model/axis_ticks.h"
#include "frame/chart/model/chart_hover.h"
#include "frame/chart/model/decimation.h"

namespace foresta {
namespace {

QString Number(double value) { return QString::number(value, 'g', 6); }

QString Measure(const std::optional<float>& value) {
  return value ? Number(*value) : QStringLiteral("n/a");
}

QString ScoreText(const BacktestScore& score) {
  if (!score.present) return QStringLiteral("no score");
  QString text = QStringLiteral("MAE %1, RMSE %2, MASE %3")
                     .arg(Measure(score.mae), Measure(score.rmse), Measure(score.mase));
  if (score.missing > 0) text += QStringLiteral(", %1 missing").arg(score.missing);
  return text;
}

// Legend labels are rich text: long ones are broken after commas into
// lines of about `width` characters, so the legend beside the plot stays
// narrow instead of eliding the scores.
QString Wrapped(const QString& text, int width = 40) {
  QStringList lines;
  QString line;
  for (const QString& part : text.split(QStringLiteral(", "))) {
    if (!line.isEmpty() && line.size() + 2 + part.size() > width) {
      lines << line + QLatin1Char(',');
      line.clear();
    }
    line += (line.isEmpty() ? QString() : QStringLiteral(", ")) + part;
  }
  lines << line;
  for (QString& l : lines) l = l.toHtmlEscaped();
  return lines.join(QStringLiteral("<br>"));
}

QString LineName(const QString& what, const BacktestLine& line) {
  return QStringLiteral("%1<br>%2<br>%3")
      .arg(Wrapped(what), Wrapped(QStringLiteral("scored: ") + ScoreText(line.scored)),
           Wrapped(QStringLiteral("validation: ") + ScoreText(line.validation)));
}

QScatterSeries* Marks(const QString& name, QColor color, QScatterSeries::MarkerShape shape,
                      double size) {
  auto* marks = new QScatterSeries;
  marks->setName(name);
  marks->setMarkerShape(shape);
  marks->setMarkerSize(size);
  marks->setColor(color);
  marks->setBorderColor(Qt::white);
  return marks;
}

void HideFromLegend(QChart& chart, QAbstractSeries* series) {
  for (QLegendMarker* marker : chart.legend()->markers(series)) marker->setVisible(false);
}

// The row of a backtest origin (data row from 0).
double RowOf(int origin) { return static_cast<double>(origin) + 1.0; }

}  // namespace

ForecastChart::ForecastChart(ChartContent content, QGraphicsItem* parent)
    : QChart(parent), content_(std::move(content)) {
  setAnimationOptions(QChart::NoAnimation);
  setBackgroundRoundness(0);
  setMargins(QMargins(6, 6, 10, 6));
  QString title = QString::fromLocal8Bit(content_.series.title.c_str());
  if (content_.report && content_.report->form == ReportForecast::Form::kNoPrediction) {
    title += QStringLiteral(" (no prediction could be made)");
  }
  // The title is rich text: a '<' in the file's comment must stay a '<'.
  setTitle(title.toHtmlEscaped());
  QFont font = titleFont();
  font.setPointSizeF(font.pointSizeF() * 1.25);
  font.setBold(true);
  setTitleFont(font);
  // The backtest's legend holds the scores: it needs the room at the side.
  legend()->setAlignment(content_.backtest ? Qt::AlignRight : Qt::AlignBottom);
  AddAxes();
  AddWindows();
  AddSeries();
  AddReport();
  AddBacktest();
  connect(axisX_, &QValueAxis::rangeChanged, this, &ForecastChart::Redecimate);
  connect(this, &QChart::plotAreaChanged, this, &ForecastChart::Redecimate);
  connect(axisY_, &QValueAxis::rangeChanged, this, &ForecastChart::UpdateWindowHeights);
  connect(axisX_, &QValueAxis::rangeChanged, this, &ForecastChart::UpdateTicks);
  connect(axisY_, &QValueAxis::rangeChanged, this, &ForecastChart::UpdateTicks);
  connect(this, &QChart::plotAreaChanged, this, &ForecastChart::UpdateTicks);
  ResetZoom();
}

void ForecastChart::AddAxes() {
  axisX_ = new QValueAxis;
  axisX_->setTitleText(QStringLiteral("Row"));
  axisX_->setLabelFormat(QStringLiteral("%.10g"));
  axisX_->setTickType(QValueAxis::TicksDynamic);
  axisX_->setTickAnchor(0.0);
  axisY_ = new QValueAxis;
  const SeriesData& s = content_.series;
  axisY_->setTitleText(s.variableCount > 1 ? QStringLiteral("Variable %1").arg(s.variable)
                                           : QStringLiteral("Value"));
  axisY_->setLabelFormat(QStringLiteral("%.6g"));
  axisY_->setTickType(QValueAxis::TicksDynamic);
  axisY_->setTickAnchor(0.0);
  addAxis(axisX_, Qt::AlignBottom);
  addAxis(axisY_, Qt::AlignLeft);
}

void ForecastChart::Attach(QAbstractSeries* series) {
  addSeries(series);
  series->attachAxis(axisX_);
  series->attachAxis(axisY_);
}

void ForecastChart::AddWindows() {
  if (!content_.backtest) return;
  const BacktestView& b = *content_.backtest;
  const struct {
    int first, last;
    const char* name;
    QColor color;
  } windows[] = {
      {b.validationFirst, b.validationLast, "Validation window", QColor(255, 224, 130, 90)},
      {b.scoredFirst, b.scoredLast, "Scored window", QColor(144, 202, 249, 90)},
  };
  for (const auto& w : windows) {
    if (w.first < 0) continue;
    auto* upper = new QLineSeries(this);
    auto* lower = new QLineSeries(this);
    // Each window covers its rows to half a row on either side.
    upper->append(RowOf(w.first) - 0.5, 0);
    upper->append(RowOf(w.last) + 0.5, 0);
    lower->append(RowOf(w.first) - 0.5, 0);
    lower->append(RowOf(w.last) + 0.5, 0);
    auto* area = new QAreaSeries(upper, lower);
    area->setName(QString::fromLatin1(w.name));
    area->setBrush(w.color);
    area->setPen(Qt::NoPen);
    Attach(area);
    windows_.push_back(area);
  }
}

void ForecastChart::UpdateWindowHeights() {
  for (QAreaSeries* area : windows_) {
    for (QLineSeries* edge : {area->upperSeries(), area->lowerSeries()}) {
      const double y = edge == area->upperSeries() ? axisY_->max() : axisY_->min();
      QList<QPointF> points = edge->points();
      for (QPointF& p : points) p.setY(y);
      edge->replace(points);
    }
  }
}

void ForecastChart::AddSeries() {
  line_ = new QLineSeries;
  const SeriesData& s = content_.series;
  line_->setName(s.variableCount > 1 ? QStringLiteral("Observed, variable %1").arg(s.variable)
                                     : QStringLiteral("Observed"));
  QPen pen(QColor::fromRgb(kSeriesColor));
  pen.setWidthF(1.6);
  line_->setPen(pen);
  Attach(line_);
}

double ForecastChart::LastValue() const { return content_.series.values.back(); }

void ForecastChart::AddReport() {
  if (!content_.report) return;
  const ReportForecast& r = *content_.report;
  const double last = static_cast<double>(content_.series.rows());
  const std::size_t j = static_cast<std::size_t>(content_.series.variable - 1);
  if (r.form == ReportForecast::Form::kSteps) {
    auto* steps = new QLineSeries;
    steps->setName(QStringLiteral("Averaged prediction, %1 steps").arg(r.steps.size()));
    QPen pen(QColor::fromRgb(kAverageColor));
    pen.setWidthF(1.6);
    pen.setStyle(Qt::DashLine);
    steps->setPen(pen);
    steps->setPointsVisible(true);
    steps->append(last, LastValue());
    for (std::size_t k = 0; k < r.steps.size(); ++k) {
      if (j >= r.steps[k].size() || !std::isfinite(r.steps[k][j])) break;
      steps->append(last + 1.0 + static_cast<double>(k), r.steps[k][j]);
    }
    Attach(steps);
    return;
  }
  if (r.form != ReportForecast::Form::kSingle) return;
  const double next = last + 1.0;
  AddCandidates();
  if (j < r.weightedAverage.size() && std::isfinite(r.weightedAverage[j])) {
    const double average = r.weightedAverage[j];
    auto* path = new QLineSeries;
    QPen pen(QColor::fromRgb(kAverageColor));
    pen.setStyle(Qt::DashLine);
    pen.setWidthF(1.2);
    path->setPen(pen);
    path->append(last, LastValue());
    path->append(next, average);
    Attach(path);
    HideFromLegend(*this, path);
    auto* mark = Marks(QStringLiteral("Weighted average %1").arg(Number(average)),
                       QColor::fromRgb(kAverageColor), QScatterSeries::MarkerShapeRotatedRectangle, 13);
    mark->append(next, average);
    Attach(mark);
  }
  if (j < r.highestProbability.size() && std::isfinite(r.highestProbability[j])) {
    const double highest = r.highestProbability[j];
    auto* mark = Marks(QStringLiteral("Highest probability %1 (weight %2)")
                           .arg(Number(highest), Number(r.highestWeight)),
                       QColor::fromRgb(kHighestColor), QScatterSeries::MarkerShapeTriangle, 13);
    mark->append(next, highest);
    Attach(mark);
  }
}

void ForecastChart::AddCandidates() {
  const std::vector<CandidateMark> marks = CandidateMarks(*content_.report, content_.series.variable);
  if (marks.empty()) return;
  double heaviest = 0.0;
  for (const CandidateMark& m : marks) heaviest = std::max(heaviest, m.weight);
  // Marks come in a few sizes by the square root of their share of the
  // heaviest weight (so areas follow weights); one series per size, the
  // largest named in the legend.
  constexpr int kSizes = 6;
  std::array<QScatterSeries*, kSizes> bySize{};
  const double next = static_cast<double>(content_.series.rows()) + 1.0;
  for (const CandidateMark& m : marks) {
    const double share = heaviest > 0.0 ? std::sqrt(std::max(m.weight, 0.0) / heaviest) : 1.0;
    const int size = static_cast<int>(std::lround(share * (kSizes - 1)));
    if (bySize[size] == nullptr) {
      bySize[size] = Marks(QStringLiteral("Candidate next values (size: weight)"),
                           QColor::fromRgb(kCandidateColor), QScatterSeries::MarkerShapeCircle,
                           7.0 + 3.4 * size);
    }
    bySize[size]->append(next, m.value);
  }
  bool named = false;
  for (int size = kSizes - 1; size >= 0; --size) {
    if (bySize[size] == nullptr) continue;
    Attach(bySize[size]);
    if (named) HideFromLegend(*this, bySize[size]);
    named = true;
  }
}

void ForecastChart::AddInterval(float lower, float upper, QColor color, const QString& name) {
  const double last = static_cast<double>(content_.series.rows());
  auto* top = new QLineSeries(this);
  auto* bottom = new QLineSeries(this);
  top->append(last, LastValue());
  top->append(last + 1.0, upper);
  bottom->append(last, LastValue());
  bottom->append(last + 1.0, lower);
  auto* band = new QAreaSeries(top, bottom);
  band->setName(name);
  band->setBrush(color);
  QPen edge(color.darker(130));
  edge.setWidthF(0.8);
  band->setPen(edge);
  Attach(band);
}

void ForecastChart::AddBacktestLine(const BacktestLine& line, const QString& name, QColor color,
                                    bool dashed) {
  std::vector<BacktestPoint> points = line.points;
  std::stable_sort(points.begin(), points.end(),
                   [](const BacktestPoint& a, const BacktestPoint& b) { return a.origin < b.origin; });
  QPen pen(color);
  pen.setWidthF(1.6);
  if (dashed) pen.setStyle(Qt::DashLine);
  // A missing forecast breaks the line: each unbroken run is a series, and
  // the legend names the first.
  QLineSeries* run = nullptr;
  bool named = false;
  int previous = -2;
  for (const BacktestPoint& p : points) {
    if (!p.forecast) {
      run = nullptr;
      continue;
    }
    if (run == nullptr || p.origin != previous + 1) {
      run = new QLineSeries;
      run->setPen(pen);
      run->setPointsVisible(true);
      run->setMarkerSize(4);
      run->setName(name);
      Attach(run);
      if (named) HideFromLegend(*this, run);
      named = true;
    }
    run->append(RowOf(p.origin), *p.forecast);
    previous = p.origin;
  }
  if (!named) {
    // No forecast at all: the legend still shows the setting and its scores.
    auto* empty = new QLineSeries;
    empty->setPen(pen);
    empty->setName(name + QStringLiteral(" (no forecasts)"));
    Attach(empty);
  }
}

void ForecastChart::AddBacktest() {
  if (!content_.backtest) return;
  const BacktestView& b = *content_.backtest;
  if (b.lower95 && b.upper95) {
    AddInterval(*b.lower95, *b.upper95, QColor(144, 202, 249, 150), QStringLiteral("95 % interval"));
  }
  if (b.lower80 && b.upper80) {
    AddInterval(*b.lower80, *b.upper80, QColor(66, 165, 245, 150), QStringLiteral("80 % interval"));
  }
  const QString label = QString::fromStdString(b.recommended.label);
  AddBacktestLine(b.recommended,
                  LineName(QStringLiteral("Recommended: %1").arg(label), b.recommended),
                  QColor::fromRgb(kRecommendedColor), false);
  if (b.naive) {
    AddBacktestLine(*b.naive, LineName(QStringLiteral("Naive"), *b.naive),
                    QColor::fromRgb(kNaiveColor), true);
  }
  QString next = QStringLiteral("Next value %1").arg(Number(b.next));
  const auto interval = [](const char* level, const std::optional<float>& low,
                           const std::optional<float>& high, const std::optional<float>& coverage) {
    QString text = QStringLiteral("<br>%1 %: ").arg(QLatin1String(level));
    if (!low || !high) return text + QStringLiteral("too few errors");
    text += QStringLiteral("%1 to %2").arg(Number(*low), Number(*high));
    if (coverage) text += QStringLiteral(" (covered %1 %)").arg(std::lround(*coverage * 100.0));
    return text;
  };
  next += interval("80", b.lower80, b.upper80, b.coverage80);
  next += interval("95", b.lower95, b.upper95, b.coverage95);
  auto* mark = Marks(next, QColor::fromRgb(kRecommendedColor), QScatterSeries::MarkerShapeStar, 16);
  mark->append(static_cast<double>(content_.series.rows()) + 1.0, b.next);
  Attach(mark);
}

void ForecastChart::ResetZoom() {
  const ChartRange range = FullRange(content_);
  // An axis lays out its ticks as soon as its range changes: the tick
  // interval must suit the new range first, or a range a thousand times
  // wider than the zoomed one is laid out with a thousand times the ticks.
  SetTickIntervals(range.xMax - range.xMin, range.yMax - range.yMin);
  axisX_->setRange(range.xMin, range.xMax);
  axisY_->setRange(range.yMin, range.yMax);
  Redecimate();
}

void ForecastChart::UpdateTicks() {
  SetTickIntervals(axisX_->max() - axisX_->min(), axisY_->max() - axisY_->min());
}

void ForecastChart::SetTickIntervals(double spanX, double spanY) {
  // About one label per 100 pixels across and per 50 pixels up.
  const QRectF plot = plotArea();
  const double stepX = NiceTickStep(spanX, std::max(2, static_cast<int>(plot.width() / 100)));
  const double stepY = NiceTickStep(spanY, std::max(2, static_cast<int>(plot.height() / 50)));
  if (axisX_->tickInterval() != stepX) axisX_->setTickInterval(stepX);
  if (axisY_->tickInterval() != stepY) axisY_->setTickInterval(stepY);
}

void ForecastChart::Redecimate() {
  const int columns = std::max(1, static_cast<int>(plotArea().width()));
  const std::vector<PlotPoint> points =
      DecimateSeries(content_.series.values, axisX_->min(), axisX_->max(), columns);
  QList<QPointF> list;
  list.reserve(static_cast<qsizetype>(points.size()));
  for (const PlotPoint& p : points) list.append(QPointF(p.x, p.y));
  line_->replace(list);
}

QString ForecastChart::HoverText(QPointF value) const {
  return QString::fromLocal8Bit(foresta::HoverText(content_, value.x()).c_str());
}

}  // namespace foresta
