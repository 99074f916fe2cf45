// Charts of a 100,000-row series drawn offscreen with the real widget:
// opening (read the file, build the chart, draw it) and redrawing after a
// zoom. The baseline is the straightforward chart: every row handed to
// one line series.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include "frame/chart/chart_export.h"
#include "frame/chart/chart_view.h"
#include "frame/chart/forecast_chart.h"
#include "frame/chart/model/chart_content.h"

namespace foresta {
namespace {

constexpr int kRows = 100000;
const QSize kSize(1000, 600);

// A random walk of kRows rows in a temporary folder.
class BenchFile {
 public:
  BenchFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "foresta-bench-XXXXXX").string();
    folder_ = mkdtemp(pattern.data());
    path_ = (folder_ / "series.txt").string();
    std::FILE* f = std::fopen(path_.c_str(), "wb");
    std::fprintf(f, "*100,000 rows of a random walk*\n1\n");
    std::mt19937 rng(7);
    std::normal_distribution<double> step(0.0, 1.0);
    double x = 100.0;
    for (int r = 0; r < kRows; ++r) {
      x += step(rng);
      std::fprintf(f, "%.2f\n", x);
    }
    std::fclose(f);
  }
  ~BenchFile() { std::filesystem::remove_all(folder_); }
  const std::string& path() const { return path_; }

 private:
  std::filesystem::path folder_;
  std::string path_;
};

const BenchFile& File() {
  static BenchFile file;
  return file;
}

// Draws what a view shows, as the screen would, after its layout settles.
QImage Draw(QChartView& view) {
  QApplication::sendPostedEvents();
  QImage image(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  view.render(&painter, QRectF(image.rect()), view.viewport()->rect());
  return image;
}

void Prepare(QWidget& view) {
  view.setAttribute(Qt::WA_DontShowOnScreen);
  view.resize(kSize);
  view.show();
}

std::unique_ptr<ChartView> OpenChart() {
  ChartLoad load = LoadChart({File().path(), 1, {}, {}});
  auto view = std::make_unique<ChartView>(std::move(load.content));
  Prepare(*view);
  return view;
}

// The straightforward chart: every row a point of one line series.
std::unique_ptr<QChartView> OpenBaseline() {
  ChartLoad load = LoadChart({File().path(), 1, {}, {}});
  auto* chart = new QChart;
  chart->setAnimationOptions(QChart::NoAnimation);
  auto* line = new QLineSeries;
  QList<QPointF> points;
  points.reserve(kRows);
  const std::vector<float>& values = load.content.series.values;
  for (std::size_t r = 0; r < values.size(); ++r) points.append(QPointF(r + 1.0, values[r]));
  line->replace(points);
  chart->addSeries(line);
  chart->createDefaultAxes();
  auto view = std::make_unique<QChartView>(chart);
  view->setRenderHint(QPainter::Antialiasing);
  Prepare(*view);
  return view;
}

void BM_OpenChart(benchmark::State& state) {
  File();
  for (auto _ : state) {
    std::unique_ptr<ChartView> view = OpenChart();
    benchmark::DoNotOptimize(ChartImage(*view));
  }
}
BENCHMARK(BM_OpenChart)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenChartBaseline(benchmark::State& state) {
  File();
  for (auto _ : state) {
    std::unique_ptr<QChartView> view = OpenBaseline();
    benchmark::DoNotOptimize(Draw(*view));
  }
}
BENCHMARK(BM_OpenChartBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

// Alternates between two zoomed windows of half the series, as a user
// zooming and panning does; each redraw draws the new window.
template <typename Axis>
void Zoom(Axis* axis, int step) {
  const double from = step % 2 == 0 ? 20000.0 : 30000.0;
  axis->setRange(from, from + 50000.0);
}

void BM_RedrawAfterZoom(benchmark::State& state) {
  std::unique_ptr<ChartView> view = OpenChart();
  ChartImage(*view);
  int step = 0;
  for (auto _ : state) {
    Zoom(view->forecastChart()->axisX(), step++);
    benchmark::DoNotOptimize(Draw(*view));
  }
  state.counters["points"] = view->forecastChart()->seriesLine()->count();
}
BENCHMARK(BM_RedrawAfterZoom)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RedrawAfterZoomBaseline(benchmark::State& state) {
  std::unique_ptr<QChartView> view = OpenBaseline();
  Draw(*view);
  auto* axis = qobject_cast<QValueAxis*>(view->chart()->axes(Qt::Horizontal).first());
  int step = 0;
  for (auto _ : state) {
    Zoom(axis, step++);
    benchmark::DoNotOptimize(Draw(*view));
  }
  state.counters["points"] = kRows;
}
BENCHMARK(BM_RedrawAfterZoomBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace foresta

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
