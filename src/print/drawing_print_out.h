#ifndef FORESTA_PRINT_DRAWING_PRINT_OUT_H_
#define FORESTA_PRINT_DRAWING_PRINT_OUT_H_

#include <functional>

#include <QRectF>
#include <QSizeF>

class QPagedPaintDevice;
class QPainter;

namespace foresta {

// Paints a drawing (a chart) into `target`, a rectangle of the painter's
// device in whatever units the device has.
using PageDrawing = std::function<void(QPainter& painter, const QRectF& target)>;

// The largest rectangle of proportions `drawing` that fits in `page`,
// centred in it; empty when either size is empty.
QRectF FitOnPage(const QSizeF& page, const QSizeF& drawing);

// Prints a drawing of proportions `size` on one page of `device`, as large
// as the page allows. Returns kPrintOk or kPrintDeviceFailed.
int PrintDrawing(QPagedPaintDevice& device, const QSizeF& size, const PageDrawing& draw);

}  // namespace foresta

#endif  // FORESTA_PRINT_DRAWING_PRINT_OUT_H_
