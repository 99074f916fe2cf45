#include "print/apx_print_out.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "editor/widget/edit_client.h"

namespace foresta {

int LinesPerPageFor(int page_height, int line_height) {
  if (line_height < 1) line_height = 1;
  return std::max(1, page_height / line_height);
}

int PageCountFor(int line_count, int lines_per_page) {
  return line_count / lines_per_page + 1;
}

namespace {

// Converts a length in pixels of resolution `from` to resolution `to`.
int Rescale(int length, int to, int from) {
  if (from <= 0) return length;
  return static_cast<int>((static_cast<long long>(length) * to + from / 2) / from);
}

}  // namespace

APXPrintOut::APXPrintOut(QPagedPaintDevice& device, TEditClient& editor, bool scale, int screen_dpi)
    : device_(device), editor_(editor), scale_(scale) {
  if (!scale_) {
    screen_dpi_x_ = device_.logicalDpiX();
    screen_dpi_y_ = device_.logicalDpiY();
  } else if (screen_dpi > 0) {
    screen_dpi_x_ = screen_dpi_y_ = screen_dpi;
  } else {
    screen_dpi_x_ = editor_.logicalDpiX();
    screen_dpi_y_ = editor_.logicalDpiY();
  }
  BeginPrinting();
}

void APXPrintOut::BeginPrinting() {
  device_page_ = QSize(std::max(1, device_.width()), std::max(1, device_.height()));
  logical_page_ = QSize(std::max(1, Rescale(device_page_.width(), screen_dpi_x_, device_.logicalDpiX())),
                        std::max(1, Rescale(device_page_.height(), screen_dpi_y_, device_.logicalDpiY())));

  // The window's font at the size it has on the screen, fixed in pixels of
  // the logical page so that the device's resolution does not scale it twice.
  font_ = editor_.font();
  if (font_.pixelSize() <= 0) {
    double points = font_.pointSizeF() > 0 ? font_.pointSizeF() : 9.0;
    font_.setPixelSize(std::max(1, static_cast<int>(std::lround(points * screen_dpi_y_ / 72.0))));
  }
  // Measured as the device measures it, the pitch the painting will use.
  QFontMetrics metrics(font_, &device_);
  line_height_ = metrics.lineSpacing() > 0 ? metrics.lineSpacing() : 10;

  LinesPerPage = LinesPerPageFor(logical_page_.height(), line_height_);
  MinPage = 1;
  MaxPage = PageCountFor(editor_.Document().Text().Count(), LinesPerPage);
}

void APXPrintOut::PrintPage(QPainter& painter, int page, const QRect& target) {
  if (!HasPage(page) || target.isEmpty()) return;
  painter.save();
  painter.setViewport(target);
  painter.setWindow(QRect(QPoint(0, 0), logical_page_));
  painter.setClipRect(QRect(QPoint(0, 0), logical_page_));
  painter.setFont(font_);
  // The band holds exactly LinesPerPage lines at the painter's own pitch, so
  // every line lands on exactly one page whatever the device's metrics.
  int pitch = std::max(1, painter.fontMetrics().lineSpacing());
  long long first = static_cast<long long>(page - 1) * LinesPerPage;
  if (first < editor_.Document().Text().Count()) {
    QRect band(0, 0, logical_page_.width(), LinesPerPage * pitch);
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
    PrintPage(painter, page, QRect(QPoint(0, 0), device_page_));
    if (pages != nullptr) *pages = page;
  }
  if (!painter.end() && code == kPrintOk) code = kPrintDeviceFailed;
  return code;
}

}  // namespace foresta
