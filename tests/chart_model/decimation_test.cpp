#include "frame/chart/model/decimation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "frame/chart/model/axis_ticks.h"
#include "frame/chart/model/chart_arguments.h"
#include "frame/chart/model/chart_content.h"
#include "frame/chart/model/chart_hover.h"

namespace foresta {
namespace {

std::vector<float> Wave(int rows) {
  std::vector<float> values;
  for (int r = 0; r < rows; ++r) values.push_back(static_cast<float>(std::sin(r * 0.01) + (r % 7) * 0.1));
  return values;
}

TEST(DecimationTest, FewRowsAreKeptAsTheyAre) {
  const std::vector<float> values = {3, 1, 4, 1, 5};
  const std::vector<PlotPoint> all = DecimateSeries(values, 0.5, 5.5, 800);
  ASSERT_EQ(all.size(), 5u);
  EXPECT_EQ(all[2], (PlotPoint{3, 4}));
  // Zoomed on rows 2 to 3: one row more on each side reaches the edges.
  const std::vector<PlotPoint> zoomed = DecimateSeries(values, 2.0, 3.0, 800);
  EXPECT_EQ(zoomed, (std::vector<PlotPoint>{{1, 3}, {2, 1}, {3, 4}, {4, 1}}));
  EXPECT_TRUE(DecimateSeries(values, 3.0, 3.0, 800).empty());
  // Ranges zoomed far out or scrolled far away.
  EXPECT_EQ(DecimateSeries(values, -1e300, 1e300, 800).size(), 5u);
  EXPECT_EQ(DecimateSeries(values, 1e300, 2e300, 800), (std::vector<PlotPoint>{{5, 5}}));
  EXPECT_TRUE(DecimateSeries({}, 0, 10, 800).empty());
}

TEST(DecimationTest, ManyRowsKeepEachColumnsExtremesInRowOrder) {
  const std::vector<float> values = Wave(100000);
  const int columns = 700;
  const std::vector<PlotPoint> points = DecimateSeries(values, 1.0, 100000.0, columns);
  EXPECT_LE(points.size(), static_cast<std::size_t>(2 * columns + 4));
  EXPECT_GE(points.size(), static_cast<std::size_t>(columns));
  for (std::size_t i = 1; i < points.size(); ++i) EXPECT_LT(points[i - 1].x, points[i].x);
  // Every point is a real row with its own value, and each column's lowest
  // and highest rows are among them: the drawn envelope is exact.
  for (const PlotPoint& p : points) {
    EXPECT_EQ(p.y, values[static_cast<std::size_t>(p.x) - 1]);
  }
  const double scale = columns / (100000.0 - 1.0);
  for (int column : {0, 1, 350, columns - 1}) {
    float low = INFINITY, high = -INFINITY;
    for (std::size_t r = 1; r <= values.size(); ++r) {
      if (static_cast<int>(std::floor((r - 1.0) * scale)) != column) continue;
      low = std::min(low, values[r - 1]);
      high = std::max(high, values[r - 1]);
    }
    bool foundLow = false, foundHigh = false;
    for (const PlotPoint& p : points) {
      if (static_cast<int>(std::floor((p.x - 1.0) * scale)) != column) continue;
      foundLow = foundLow || p.y == low;
      foundHigh = foundHigh || p.y == high;
    }
    EXPECT_TRUE(foundLow && foundHigh) << column;
  }
  // Zoomed in, the rows in view are kept exactly once more.
  const std::vector<PlotPoint> zoomed = DecimateSeries(values, 50000.0, 50500.0, columns);
  EXPECT_EQ(zoomed.size(), 503u);
  EXPECT_EQ(zoomed.front().x, 49999.0);
  EXPECT_EQ(zoomed.back().x, 50501.0);
}

TEST(AxisTicksTest, StepsAreOneTwoOrFiveTimesAPowerOfTen) {
  EXPECT_EQ(NiceTickStep(250, 8), 50);
  EXPECT_EQ(NiceTickStep(100000, 7), 20000);
  EXPECT_DOUBLE_EQ(NiceTickStep(0.3, 10), 0.05);
  EXPECT_EQ(NiceTickStep(10, 10), 1);
  EXPECT_EQ(NiceTickStep(0, 10), 1);
  EXPECT_EQ(NiceTickStep(INFINITY, 10), 1);
  EXPECT_EQ(NiceTickStep(95, 0), 100);
}

TEST(ChartContentTest, CandidateMarksAndTheRangeCoverEveryForecast) {
  ChartContent content;
  content.series.values = {10, 12, 11, 13};
  content.series.variableCount = 2;
  content.series.variable = 2;
  ReportForecast report;
  report.form = ReportForecast::Form::kSingle;
  report.candidates = {{{1, 30}, 2}, {{2, 30}, 3}, {{3, 5}, 1}, {{4, NAN}, 9}};
  report.weightedAverage = {2, 25};
  report.highestProbability = {2, 30};
  content.report = report;
  const std::vector<CandidateMark> marks = CandidateMarks(report, 2);
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_EQ(marks[0].value, 5);
  EXPECT_EQ(marks[1].weight, 5);  // two possibilities give 30
  const ChartRange range = FullRange(content);
  EXPECT_LT(range.yMin, 5);
  EXPECT_GT(range.yMax, 30);
  EXPECT_LT(range.xMin, 1);
  EXPECT_GT(range.xMax, 5);  // the next row
  EXPECT_EQ(ForecastSteps(content), 1);
  content.report->form = ReportForecast::Form::kSteps;
  content.report->steps = {{1, 40}, {1, 41}, {1, 42}};
  EXPECT_EQ(ForecastSteps(content), 3);
  EXPECT_GT(FullRange(content).yMax, 42);
}

TEST(ChartContentTest, HoverNamesTheRowAndTheForecastsUnderThePointer) {
  ChartContent content;
  content.series.values = {1.5f, 2.25f, 3};
  content.series.variableCount = 1;
  EXPECT_EQ(HoverText(content, 1.6), "Row 2: 2.25");
  EXPECT_EQ(HoverText(content, 0.4), "");
  EXPECT_EQ(HoverText(content, 4.0), "");  // nothing forecast yet
  EXPECT_EQ(HoverText(content, NAN), "");
  ReportForecast report;
  report.form = ReportForecast::Form::kSteps;
  report.steps = {{4}, {5.5f}};
  content.report = report;
  EXPECT_EQ(HoverText(content, 5.2), "Row 5 (forecast): averaged prediction 5.5");
  EXPECT_EQ(HoverText(content, 6), "");
  BacktestView b;
  b.recommended.points = {{1, 2.0f, 2.25f, true}};
  b.naive = BacktestLine{};
  b.naive->points = {{1, 1.5f, 2.25f, true}};
  b.next = 3.5f;
  b.lower80 = 3;
  b.upper80 = 4;
  content.backtest = b;
  EXPECT_EQ(HoverText(content, 2), "Row 2: 2.25; recommended forecast 2; naive forecast 1.5");
  EXPECT_EQ(HoverText(content, 4),
            "Row 4 (forecast): averaged prediction 4; next value 3.5, 80 %: 3 to 4");
}

TEST(ChartArgumentsTest, ReadsTheInterfaceAndRefusesUsageErrors) {
  const std::vector<std::string> args = {"--size", "640x480", "in.txt", "--variable", "2",
                                         "--report", "r.txt", "--backtest", "b.json",
                                         "--svg", "out.svg"};
  ChartArgumentsParse p = ParseChartArguments(args);
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_EQ(p.arguments.sources.input, "in.txt");
  EXPECT_EQ(p.arguments.sources.variable, 2);
  EXPECT_EQ(p.arguments.sources.report, "r.txt");
  EXPECT_EQ(p.arguments.sources.backtest, "b.json");
  EXPECT_EQ(p.arguments.width, 640);
  EXPECT_EQ(p.arguments.height, 480);
  EXPECT_EQ(p.arguments.svg, "out.svg");
  ChartArgumentsParse defaults = ParseChartArguments(std::vector<std::string>{"in.txt", "--png", "o.png"});
  ASSERT_TRUE(defaults.ok);
  EXPECT_EQ(defaults.arguments.width, 1000);
  EXPECT_EQ(defaults.arguments.height, 600);
  EXPECT_EQ(defaults.arguments.sources.variable, 1);
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"in.txt"},
      {"in.txt", "--png", "a.png", "--svg", "a.svg"},
      {"in.txt", "--png"},
      {"in.txt", "--png", "a.png", "--png", "b.png"},
      {"in.txt", "other.txt", "--png", "a.png"},
      {"in.txt", "--png", "a.png", "--variable", "0"},
      {"in.txt", "--png", "a.png", "--variable", "1.5"},
      {"in.txt", "--png", "a.png", "--size", "1000"},
      {"in.txt", "--png", "a.png", "--size", "99x600"},
      {"in.txt", "--png", "a.png", "--size", "1000x+600"},
      {"in.txt", "--png", "a.png", "--colour", "red"},
  };
  for (const auto& b : bad) {
    ChartArgumentsParse q = ParseChartArguments(b);
    EXPECT_FALSE(q.ok) << (b.empty() ? "" : b.back());
    EXPECT_FALSE(q.error.empty());
  }
  EXPECT_TRUE(ParseChartArguments(std::vector<std::string>{"--help"}).help);
}

}  // namespace
}  // namespace foresta
