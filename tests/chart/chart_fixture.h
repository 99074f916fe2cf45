#ifndef FORESTA_TESTS_CHART_CHART_FIXTURE_H_
#define FORESTA_TESTS_CHART_CHART_FIXTURE_H_

#include <cstdlib>
#include <memory>

#include <QAbstractSeries>
#include <QImage>

#include "frame/chart/chart_export.h"
#include "frame/chart/chart_view.h"
#include "frame/chart/forecast_chart.h"

namespace foresta::test {

// A chart drawn offscreen, and where its values land in the picture.
struct RenderedChart {
  std::unique_ptr<ChartView> view;
  QImage image;

  ForecastChart& chart() const { return *view->forecastChart(); }

  // The pixel of `value` (row, value), measured against `series` (the
  // series line when null).
  QPoint PixelOf(QPointF value, QAbstractSeries* series = nullptr) const {
    QAbstractSeries* s = series != nullptr ? series : chart().seriesLine();
    return view->mapFromScene(chart().mapToScene(chart().mapToPosition(value, s)));
  }

  // Whether a pixel within `radius` of `at` has `colour` (each channel
  // within `tolerance`: the line is antialiased).
  bool HasColour(QPoint at, QRgb colour, int radius = 2, int tolerance = 48) const {
    for (int dy = -radius; dy <= radius; ++dy) {
      for (int dx = -radius; dx <= radius; ++dx) {
        const QPoint p = at + QPoint(dx, dy);
        if (!image.rect().contains(p)) continue;
        const QRgb c = image.pixel(p);
        if (std::abs(qRed(c) - qRed(colour)) <= tolerance &&
            std::abs(qGreen(c) - qGreen(colour)) <= tolerance &&
            std::abs(qBlue(c) - qBlue(colour)) <= tolerance) {
          return true;
        }
      }
    }
    return false;
  }
  bool HasColourAt(QPointF value, QRgb colour, int radius = 2) const {
    return HasColour(PixelOf(value), colour, radius);
  }

  // Draws again after a zoom or a scroll.
  void Redraw() { image = ChartImage(*view); }
};

inline RenderedChart Render(ChartContent content, QSize size = QSize(800, 500)) {
  RenderedChart r;
  r.view = std::make_unique<ChartView>(std::move(content));
  r.view->setAttribute(Qt::WA_DontShowOnScreen);
  r.view->resize(size);
  r.view->show();
  r.image = ChartImage(*r.view);
  return r;
}

inline ChartContent SeriesContent(std::vector<float> values, std::string title = "Test") {
  ChartContent content;
  content.series.file = "test.txt";
  content.series.title = std::move(title);
  content.series.variableCount = 1;
  content.series.values = std::move(values);
  return content;
}

}  // namespace foresta::test

#endif  // FORESTA_TESTS_CHART_CHART_FIXTURE_H_
