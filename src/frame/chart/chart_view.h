#ifndef FORESTA_FRAME_CHART_CHART_VIEW_H_
#define FORESTA_FRAME_CHART_CHART_VIEW_H_

#include <QChartView>
#include <QPoint>

#include "frame/chart/model/chart_content.h"

class QLabel;

namespace foresta {

class ForecastChart;

// The interactive chart: the pointer shows the row and value under it, a
// rubber band drawn with the left button zooms in (the right button zooms
// out), the middle button or the arrow keys pan, and Home resets the zoom.
// Every change of the rows in view re-decimates the series line.
class ChartView : public QChartView {
  Q_OBJECT

 public:
  // REQUIRES (here and in SetContent): content as LoadChart gives it, with
  // at least two rows.
  explicit ChartView(ChartContent content, QWidget* parent = nullptr);
  ~ChartView() override;

  // Shows `content` in a new chart; the previous chart is deleted.
  void SetContent(ChartContent content);
  ForecastChart* forecastChart() const { return chart_; }

  // What the pointer at `position` (viewport coordinates) shows.
  QString HoverTextAt(QPoint position) const;

  void ResetZoom();

  // Paints what the view shows, as large as `target`, into any painter (a
  // picture, an SVG file, a printer page). Lays the chart out first.
  void Paint(QPainter& painter, const QRectF& target);

 signals:
  void HoverChanged(const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ShowHover(QPoint position);

  ForecastChart* chart_ = nullptr;
  QLabel* hover_ = nullptr;
  bool panning_ = false;
  QPoint panFrom_;
};

}  // namespace foresta

#endif  // FORESTA_FRAME_CHART_CHART_VIEW_H_
