// Charts drawn offscreen and read back pixel by pixel: the line passes
// where the data says, forecasts sit at the steps after the last row.
#include <gtest/gtest.h>

#include <QLineSeries>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QValueAxis>

#include "chart_fixture.h"
#include "print/apx_print_out.h"
#include "print/drawing_print_out.h"

namespace foresta {
namespace {

using test::Render;
using test::SeriesContent;

std::vector<float> FlatThenJump(int rows, int jumpAt) {
  std::vector<float> values(static_cast<std::size_t>(rows), 10.0f);
  for (int r = jumpAt; r <= rows; ++r) values[static_cast<std::size_t>(r - 1)] = 20.0f;
  return values;
}

TEST(ChartPixelsTest, TheLinePassesWhereTheDataSays) {
  const auto r = Render(SeriesContent(FlatThenJump(100, 51)));
  EXPECT_TRUE(r.HasColourAt({25, 10}, kSeriesColor));
  EXPECT_FALSE(r.HasColourAt({25, 20}, kSeriesColor));
  EXPECT_TRUE(r.HasColourAt({75, 20}, kSeriesColor));
  EXPECT_FALSE(r.HasColourAt({75, 10}, kSeriesColor));
  // The jump is one steep segment between rows 50 and 51.
  EXPECT_TRUE(r.HasColourAt({50.5, 15}, kSeriesColor));
  EXPECT_FALSE(r.HasColourAt({40, 15}, kSeriesColor, 1));
  // The pointer shows the row and its value.
  EXPECT_EQ(r.view->HoverTextAt(r.PixelOf({25, 10})), "Row 25: 10");
  EXPECT_EQ(r.view->HoverTextAt(r.PixelOf({75.2, 20})), "Row 75: 20");
  EXPECT_EQ(r.view->HoverTextAt(QPoint(2, 2)), "");  // outside the plot
}

TEST(ChartPixelsTest, AHundredThousandRowsAreDecimatedAndRedecimatedOnZoom) {
  // Flat, with one spike of a single row that decimation must keep.
  std::vector<float> values(100000, 0.0f);
  values[59999] = 100.0f;
  auto r = Render(SeriesContent(values));
  const int width = static_cast<int>(r.chart().plotArea().width());
  EXPECT_LE(r.chart().seriesLine()->count(), 2 * width + 4);
  EXPECT_TRUE(r.HasColourAt({60000, 80}, kSeriesColor));

  r.chart().axisX()->setRange(59990, 60010);
  r.Redraw();
  EXPECT_EQ(r.chart().seriesLine()->count(), 23);  // rows 59989 to 60011
  EXPECT_TRUE(r.HasColourAt({59999.5, 50}, kSeriesColor));  // the rising edge
  EXPECT_FALSE(r.HasColourAt({60000, 50}, kSeriesColor));  // inside the spike
  EXPECT_TRUE(r.HasColourAt({59995, 0}, kSeriesColor));

  r.view->ResetZoom();
  r.Redraw();
  EXPECT_LE(r.chart().seriesLine()->count(), 2 * width + 4);
  EXPECT_LT(r.chart().axisX()->min(), 1.0);
  EXPECT_GT(r.chart().axisX()->max(), 100000.0);
}

TEST(ChartPixelsTest, ForecastMarksSitAtTheNextStep) {
  ChartContent content = SeriesContent(std::vector<float>(20, 10.0f));
  ReportForecast report;
  report.form = ReportForecast::Form::kSingle;
  report.candidates = {{{4}, 1}, {{16}, 3}, {{13}, 2}};
  report.weightedAverage = {13.3f};
  report.highestProbability = {16};
  report.highestWeight = 3;
  content.report = report;
  const auto r = Render(content);
  for (float candidate : {4.0f, 13.0f}) {
    EXPECT_TRUE(r.HasColourAt({21, candidate}, kCandidateColor)) << candidate;
    EXPECT_FALSE(r.HasColourAt({19, candidate}, kCandidateColor)) << candidate;
  }
  EXPECT_TRUE(r.HasColourAt({21, 16}, kHighestColor));
  EXPECT_TRUE(r.HasColourAt({21, 13.3}, kAverageColor, 1));
  EXPECT_FALSE(r.HasColourAt({21, 8}, kCandidateColor));
  // A heavier candidate gets a larger mark (measured downwards: the
  // weighted average's mark lies just above the candidate 13).
  const auto extent = [&r](float value) {
    const QPoint centre = r.PixelOf({21, value});
    int bottom = centre.y();
    while (r.HasColour(QPoint(centre.x(), bottom + 1), kCandidateColor, 0)) ++bottom;
    return bottom - centre.y();
  };
  EXPECT_GT(extent(4), 1);
  EXPECT_GT(extent(13), extent(4));
  EXPECT_NE(r.view->HoverTextAt(r.PixelOf({21, 13})).indexOf("weighted average 13.3"), -1);

  // An averaged prediction: one step per row after the last.
  report = {};
  report.form = ReportForecast::Form::kSteps;
  report.steps = {{12}, {14}, {16}};
  report.stepWeights = {5, 4, 3};
  content.report = report;
  const auto steps = Render(content);
  EXPECT_TRUE(steps.HasColourAt({21, 12}, kAverageColor));
  EXPECT_TRUE(steps.HasColourAt({23, 16}, kAverageColor));
  EXPECT_FALSE(steps.HasColourAt({23, 12}, kAverageColor));
}

TEST(ChartPixelsTest, BacktestForecastsWindowsAndTheIntervalBand) {
  ChartContent content = SeriesContent({10, 10, 10, 10, 10, 10, 10, 10, 10, 10});
  BacktestView b;
  b.recommended.label = "pattern code 1, precision 20, trend 3, weighted average";
  for (int origin = 4; origin < 10; ++origin) {
    b.recommended.points.push_back({origin, 14.0f, 10.0f, origin >= 7});
  }
  b.recommended.points[2].forecast.reset();  // missing: the line breaks
  b.recommended.scored = {true, 1.5f, 2.0f, 0.5f, 3, 0};
  BacktestLine naive;
  naive.label = "naive";
  for (int origin = 4; origin < 10; ++origin) naive.points.push_back({origin, 6.0f, 10.0f, origin >= 7});
  b.naive = naive;
  b.validationFirst = 4;
  b.validationLast = 6;
  b.scoredFirst = 7;
  b.scoredLast = 9;
  b.next = 10;
  b.lower80 = 5;
  b.upper80 = 15;
  b.lower95 = 0;
  b.upper95 = 20;
  content.backtest = b;
  const auto r = Render(content);
  EXPECT_TRUE(r.HasColourAt({5, 14}, kRecommendedColor));
  EXPECT_TRUE(r.HasColourAt({9, 14}, kRecommendedColor));
  EXPECT_FALSE(r.HasColourAt({7, 14}, kRecommendedColor, 1));  // the missing forecast
  EXPECT_TRUE(r.HasColourAt({8, 6}, kNaiveColor, 3));
  // Validation window shaded yellowish, scored window bluish, the rest white.
  const QRgb validation = r.image.pixel(r.PixelOf({6.2, 17}));
  const QRgb scored = r.image.pixel(r.PixelOf({8.8, 17}));
  EXPECT_GT(qRed(validation), qBlue(validation) + 20);
  EXPECT_GT(qBlue(scored), qRed(scored) + 20);
  const QRgb before = r.image.pixel(r.PixelOf({2.7, 17}));
  EXPECT_GT(qBlue(before), 240);
  EXPECT_GT(qRed(before), 240);
  // The band widens from the last row to the next; only the 95 % band
  // reaches 17 near the next row, neither reaches 25.
  const QRgb band95 = r.image.pixel(r.PixelOf({10.9, 17}));
  const QRgb band80 = r.image.pixel(r.PixelOf({10.9, 12}));
  const QRgb outside = r.image.pixel(r.PixelOf({10.9, 19.5}));
  EXPECT_GT(qBlue(band95), qRed(band95) + 30);
  EXPECT_LT(qRed(band80), qRed(band95) - 20);  // the 80 % band lies over it
  EXPECT_GT(qRed(outside), 240);
  EXPECT_NE(r.view->HoverTextAt(r.PixelOf({11, 10})).indexOf("80 %: 5 to 15"), -1);
}

TEST(ChartPixelsTest, ExportsPngSvgAndPrintsOnOnePage) {
  const auto r = Render(SeriesContent(FlatThenJump(40, 21), "Exported <series>"));
  QTemporaryDir dir;
  const std::string png = dir.filePath("c.png").toStdString();
  const std::string svg = dir.filePath("c.svg").toStdString();
  ASSERT_TRUE(SaveChartPng(*r.view, png).ok());
  ASSERT_TRUE(SaveChartSvg(*r.view, svg).ok());
  QImage back(QString::fromStdString(png));
  EXPECT_EQ(back.size(), QSize(800, 500));
  EXPECT_TRUE(back.pixel(r.PixelOf({10, 10})) == r.image.pixel(r.PixelOf({10, 10})));
  QFile file(QString::fromStdString(svg));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  EXPECT_TRUE(text.contains("<svg width=\"800\" height=\"500\""));
  EXPECT_TRUE(text.contains("viewBox=\"0 0 800 500\""));
  EXPECT_TRUE(text.contains("Exported &lt;series&gt;"));
  // A file that cannot be written is refused, not reported as written.
  const ChartStatus refused = SaveChartPng(*r.view, dir.filePath("none/c.png").toStdString());
  EXPECT_EQ(refused.code, 868);
  EXPECT_NE(refused.message.find("none/c.png"), std::string::npos);

  const QString pdf = dir.filePath("c.pdf");
  {
    QPdfWriter writer(pdf);
    const QSizeF size(r.view->viewport()->size());
    EXPECT_EQ(PrintDrawing(writer, size, [&r](QPainter& painter, const QRectF& target) {
                r.view->Paint(painter, target);
              }),
              kPrintOk);
  }
  QFile printed(pdf);
  ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
  EXPECT_TRUE(printed.readAll().contains("/Count 1"));
  // Fitting keeps the proportions and centres the drawing.
  EXPECT_EQ(FitOnPage(QSizeF(1000, 1000), QSizeF(800, 500)), QRectF(0, 187.5, 1000, 625));
  EXPECT_TRUE(FitOnPage(QSizeF(1000, 1000), QSizeF()).isEmpty());
}

}  // namespace
}  // namespace foresta
