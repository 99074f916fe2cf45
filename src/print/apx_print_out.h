#ifndef FORESTA_PRINT_APX_PRINT_OUT_H_
#define FORESTA_PRINT_APX_PRINT_OUT_H_

#include <QFont>
#include <QRect>
#include <QSize>

class QPagedPaintDevice;
class QPainter;

namespace foresta {

class TEditClient;

// Lines of `lineHeight` that fit wholly on a page `pageHeight` tall (both
// in the same units); at least 1. A line cut off at the foot of the page
// would be lost from the printout, so the division rounds down.
int LinesPerPageFor(int pageHeight, int lineHeight);

// Pages needed for `lineCount` lines: lineCount div linesPerPage + 1.
// A count that is an exact multiple gets a further, empty page.
// REQUIRES: linesPerPage >= 1, lineCount >= 0.
int PageCountFor(int lineCount, int linesPerPage);

// Result codes of APXPrintOut::Print.
inline constexpr int kPrintOk = 0;
inline constexpr int kPrintDeviceFailed = 1;  // the device could not be opened
inline constexpr int kPrintPageFailed = 2;    // a new page could not be started

// A print job for one editor window: cuts the editor's lines into pages and
// paints each page with the editor's own painting. Drawing happens in
// screen-sized units (the page converted to screen pixels) scaled onto the
// device, so the printout keeps the screen's font size and tab stops.
class APXPrintOut {
 public:
  // `device` and `editor` must outlive the printout. `screenDpi` is the
  // resolution the page is converted to; 0 takes the editor's.
  APXPrintOut(QPagedPaintDevice& device, TEditClient& editor, bool scale = true, int screenDpi = 0);

  // Measures the page and the font: sets LinesPerPage, MinPage and
  // MaxPage. Called by the constructor; call again after the device's page
  // setup or the editor's text changed.
  void BeginPrinting();

  bool HasPage(int page) const { return page >= MinPage && page <= MaxPage; }

  // Paints page `page` (from 1) into `target`, a rectangle of `painter`'s
  // device that stands for the whole page: the device's page for printing,
  // a page of the preview on screen.
  void PrintPage(QPainter& painter, int page, const QRect& target);

  // Prints every page onto the device; returns a kPrint* code. `pages`, if
  // not null, receives the number of pages written.
  int Print(int* pages = nullptr);

  // The page in the units the editor paints in (screen pixels with Scale).
  QSize LogicalPage() const { return logicalPage_; }
  // The page on the device, in device pixels.
  QSize DevicePage() const { return devicePage_; }
  // The whole sheet of paper in device pixels, and where on it the page
  // lies: the paper less the margins of the device's page layout.
  QSize PaperPage() const { return paperPage_; }
  QRect PrintableRect() const { return printableRect_; }
  // The sheet in screen pixels: its size on the screen at 100 percent.
  QSize LogicalPaper() const { return logicalPaper_; }
  const QFont& PrintFont() const { return font_; }
  int LineHeight() const { return lineHeight_; }

  int LinesPerPage = 1;
  int MinPage = 1;
  int MaxPage = 1;

 private:
  QPagedPaintDevice& device_;
  TEditClient& editor_;
  bool scale_;
  int screenDpiX_;
  int screenDpiY_;
  QFont font_;
  int lineHeight_ = 10;
  QSize devicePage_;
  QSize logicalPage_;
  QSize paperPage_;
  QRect printableRect_;
  QSize logicalPaper_;
};

}  // namespace foresta

#endif  // FORESTA_PRINT_APX_PRINT_OUT_H_
