#include "print/drawing_print_out.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "print/apx_print_out.h"

namespace foresta {

QRectF FitOnPage(const QSizeF& page, const QSizeF& drawing) {
  if (page.isEmpty() || drawing.isEmpty()) return {};
  const QSizeF fitted = drawing.scaled(page, Qt::KeepAspectRatio);
  return QRectF(QPointF((page.width() - fitted.width()) / 2, (page.height() - fitted.height()) / 2),
                fitted);
}

int PrintDrawing(QPagedPaintDevice& device, const QSizeF& size, const PageDrawing& draw) {
  QPainter painter;
  if (!painter.begin(&device)) return kPrintDeviceFailed;
  const QSizeF page(device.width(), device.height());
  draw(painter, FitOnPage(page, size));
  return painter.end() ? kPrintOk : kPrintDeviceFailed;
}

}  // namespace foresta
