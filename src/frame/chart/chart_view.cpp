#include "frame/chart/chart_view.h"

#include <algorithm>

#include <QApplication>
#include <QGraphicsLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "frame/chart/forecast_chart.h"

namespace foresta {

ChartView::ChartView(ChartContent content, QWidget* parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  setRubberBand(QChartView::RectangleRubberBand);
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  viewport()->setMouseTracking(true);
  hover_ = new QLabel(viewport());
  hover_->setObjectName(QStringLiteral("hover"));
  hover_->setTextFormat(Qt::PlainText);
  hover_->setStyleSheet(QStringLiteral(
      "QLabel { background: rgba(255, 255, 240, 235); border: 1px solid #888; padding: 2px 4px; }"));
  hover_->hide();
  SetContent(std::move(content));
}

ChartView::~ChartView() = default;

void ChartView::SetContent(ChartContent content) {
  auto* chart = new ForecastChart(std::move(content));
  QChart* previous = QChartView::chart();
  setChart(chart);  // the view now owns the new chart and gives up the old
  delete previous;
  chart_ = chart;
  hover_->hide();
}

QString ChartView::HoverTextAt(QPoint position) const {
  const QPointF scene = mapToScene(position);
  if (!chart_->plotArea().contains(chart_->mapFromScene(scene))) return {};
  return chart_->HoverText(chart_->mapToValue(chart_->mapFromScene(scene)));
}

void ChartView::ResetZoom() { chart_->ResetZoom(); }

void ChartView::Paint(QPainter& painter, const QRectF& target) {
  // A view that was never shown has not laid its chart out yet.
  QApplication::sendPostedEvents(this);
  if (chart_->size() != viewport()->size()) chart_->resize(viewport()->size());
  if (QGraphicsLayout* layout = chart_->layout()) layout->activate();
  QApplication::sendPostedEvents(chart_);
  chart_->Redecimate();
  const bool hoverShown = hover_->isVisible();
  hover_->hide();
  render(&painter, target, viewport()->rect());
  hover_->setVisible(hoverShown);
}

void ChartView::ShowHover(QPoint position) {
  const QString text = HoverTextAt(position);
  emit HoverChanged(text);
  if (text.isEmpty()) {
    hover_->hide();
    return;
  }
  hover_->setText(text);
  hover_->adjustSize();
  // Beside the pointer, kept inside the view.
  QPoint at = position + QPoint(14, 14);
  at.setX(std::clamp(at.x(), 0, std::max(0, viewport()->width() - hover_->width())));
  if (at.y() + hover_->height() > viewport()->height()) at.setY(position.y() - hover_->height() - 8);
  hover_->move(at);
  hover_->show();
  hover_->raise();
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
  if (panning_) {
    const QPoint delta = event->position().toPoint() - panFrom_;
    panFrom_ = event->position().toPoint();
    // The data follows the pointer.
    chart_->scroll(-delta.x(), delta.y());
    event->accept();
    return;
  }
  QChartView::mouseMoveEvent(event);
  ShowHover(event->position().toPoint());
}

void ChartView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) {
    panning_ = true;
    panFrom_ = event->position().toPoint();
    setCursor(Qt::ClosedHandCursor);
    event->accept();
    return;
  }
  QChartView::mousePressEvent(event);
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton && panning_) {
    panning_ = false;
    unsetCursor();
    event->accept();
    return;
  }
  QChartView::mouseReleaseEvent(event);
}

void ChartView::leaveEvent(QEvent* event) {
  hover_->hide();
  emit HoverChanged(QString());
  QChartView::leaveEvent(event);
}

void ChartView::keyPressEvent(QKeyEvent* event) {
  const qreal stepX = chart_->plotArea().width() / 10.0;
  const qreal stepY = chart_->plotArea().height() / 10.0;
  switch (event->key()) {
    case Qt::Key_Left: chart_->scroll(-stepX, 0); break;
    case Qt::Key_Right: chart_->scroll(stepX, 0); break;
    case Qt::Key_Up: chart_->scroll(0, stepY); break;
    case Qt::Key_Down: chart_->scroll(0, -stepY); break;
    case Qt::Key_Plus: case Qt::Key_Equal: chart_->zoomIn(); break;
    case Qt::Key_Minus: chart_->zoomOut(); break;
    case Qt::Key_Home: case Qt::Key_Escape: ResetZoom(); break;
    default: QChartView::keyPressEvent(event); return;
  }
  event->accept();
}

}  // namespace foresta
