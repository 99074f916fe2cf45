#include "print/apx_print_out.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "editor/widget/edit_client.h"

namespace foresta {

int LinesPerPageFor(int pageHeight, int lineHeight) {
  if (lineHeight < 1) lineHeight = 1;
  return std::max(1, pageHeight / lineHeight);
}

int PageCountFor(int lineCount, int linesPerPage) {
  return lineCount / linesPerPage + 1;
}

namespace {

// Converts a length in pixels of resolution `from` to resolution `to`.
int Rescale(int length, int to, int from) {
  if (from <= 0) return length;
  return static_cast<int>((static_cast<long long>(length) * to + from / 2) / from);
}

}  // namespace

APXPrintOut::APXPrintOut(QPagedPaintDevice& device, TEditClient& editor, bool scale, int screenDpi)
    : device_(device), editor_(editor), scale_(scale) {
  if (!scale_) {
    screenDpiX_ = device_.logicalDpiX();
    screenDpiY_ = device_.logicalDpiY();
  } else if (screenDpi > 0) {
    screenDpiX_ = screenDpiY_ = screenDpi;
  } else {
    screenDpiX_ = editor_.logicalDpiX();
    screenDpiY_ = editor_.logicalDpiY();
  }
  BeginPrinting();
}

void APXPrintOut::BeginPrinting() {
  devicePage_ = QSize(std::max(1, device_.width()), std::max(1, device_.height()));
  logicalPage_ = QSize(std::max(1, Rescale(devicePage_.width(), screenDpiX_, device_.logicalDpiX())),
                        std::max(1, Rescale(devicePage_.height(), screenDpiY_, device_.logicalDpiY())));
  // The device paints inside the margins of its page layout; the sheet
  // around them is what a preview shows.
  const QPageLayout layout = device_.pageLayout();
  const QRect paper = layout.fullRectPixels(device_.logicalDpiX());
  const QRect paint = layout.paintRectPixels(device_.logicalDpiX());
  if (paper.isEmpty() || !paper.contains(paint)) {
    paperPage_ = devicePage_;
    printableRect_ = QRect(QPoint(0, 0), devicePage_);
  } else {
    printableRect_ = QRect(paint.topLeft() - paper.topLeft(), devicePage_);
    // Rounding must not push the page off its sheet.
    paperPage_ = paper.size().expandedTo(QSize(printableRect_.right() + 1, printableRect_.bottom() + 1));
  }
  logicalPaper_ = QSize(std::max(1, Rescale(paperPage_.width(), screenDpiX_, device_.logicalDpiX())),
                        std::max(1, Rescale(paperPage_.height(), screenDpiY_, device_.logicalDpiY())));

  // The window's font at the size it has on the screen, fixed in pixels of
  // the logical page so that the device's resolution does not scale it twice.
  font_ = editor_.font();
  if (font_.pixelSize() <= 0) {
    double points = font_.pointSizeF() > 0 ? font_.pointSizeF() : 9.0;
    font_.setPixelSize(std::max(1, static_cast<int>(std::lround(points * screenDpiY_ / 72.0))));
  }
  // Measured as the device measures it, the pitch the painting will use.
  QFontMetrics metrics(font_, &device_);
  lineHeight_ = metrics.lineSpacing() > 0 ? metrics.lineSpacing() : 10;

  LinesPerPage = LinesPerPageFor(logicalPage_.height(), lineHeight_);
  MinPage = 1;
  MaxPage = PageCountFor(editor_.Document().Text().Count(), LinesPerPage);
}

void APXPrintOut::PrintPage(QPainter& painter, int page, const QRect& target) {
  if (!HasPage(page) || target.isEmpty()) return;
  painter.save();
  painter.setViewport(target);
  painter.setWindow(QRect(QPoint(0, 0), logicalPage_));
  painter.setClipRect(QRect(QPoint(0, 0), logicalPage_));
  painter.setFont(font_);
  // The band holds exactly LinesPerPage lines at the painter's own pitch, so
  // every line lands on exactly one page whatever the device's metrics.
  int pitch = std::max(1, painter.fontMetrics().lineSpacing());
  long long first = static_cast<long long>(page - 1) * LinesPerPage;
  if (first < editor_.Document().Text().Count()) {
    QRect band(0, 0, logicalPage_.width(), LinesPerPage * pitch);
    editor_.PaintText(painter, static_cast<int>(first), band, true);
  }
  painter.restore();
}

int APXPrintOut::Print(int* pages) {
  if (pages != nullptr) *pages = 0;
  BeginPrinting();
  QPainter painter;
  if (!painter.begin(&device_)) return kPrintDeviceFailed;
  // The device knows its page only once painting began (a printer chosen in
  // the dialog, say); measure again.
  BeginPrinting();
  int code = kPrintOk;
  for (int page = MinPage; page <= MaxPage; ++page) {
    if (page > MinPage && !device_.newPage()) {
      code = kPrintPageFailed;
      break;
    }
    PrintPage(painter, page, QRect(QPoint(0, 0), devicePage_));
    if (pages != nullptr) *pages = page;
  }
  if (!painter.end() && code == kPrintOk) code = kPrintDeviceFailed;
  return code;
}

}  // namespace foresta
