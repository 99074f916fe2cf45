#ifndef FORESTA_PRINT_PREVIEW_AREA_H_
#define FORESTA_PRINT_PREVIEW_AREA_H_

#include <QRect>
#include <QSize>
#include <QWidget>
#include <functional>
#include <vector>

namespace foresta {

class APXPrintOut;

// Rectangles for `count` (1 or 2) pages of proportions `page` side by side
// in `area`: each page centred in its share of the area and as large as
// 95 percent of that share allows in the direction that limits it.
std::vector<QRect> LayoutPages(QSize area, QSize page, int count);

// Rectangles for `count` (1 or 2) pages of exactly `size`, each centred in
// its share of `area`.
std::vector<QRect> PlacePages(QSize area, QSize size, int count);

// The area `count` pages of `size` need to stand as LayoutPages would fit
// them: each page 95 percent of its share.
QSize AreaForPages(QSize size, int count);

// One sheet of the preview: the whole paper, with one page of the printout
// painted inside the paper's margins, or blank for page 0.
class PreviewPage : public QWidget {
 public:
  PreviewPage(QWidget* parent, APXPrintOut& printout) : QWidget(parent), printout_(printout) {}

  int Page() const { return page_; }
  void SetPage(int page);
  // Where the printout's page lies on this sheet, in its own pixels.
  QRect PrintTarget() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  APXPrintOut& printout_;
  int page_ = 0;
};

// The layout area under the preview's tool bar: one or two sheets, fitted
// to the area or at a zoom (percent of the paper's size on the screen), in
// which case the area grows and scrolls.
class PreviewArea : public QWidget {
 public:
  PreviewArea(QWidget* parent, APXPrintOut& printout);

  std::vector<PreviewPage*>& Pages() { return pages_; }
  const std::vector<PreviewPage*>& Pages() const { return pages_; }
  void AddPage();
  void RemovePage();

  // 0 fits the sheets to the area.
  void SetZoom(int percent);
  int Zoom() const { return zoom_; }
  // The zoom the sheets are shown at, percent: the chosen one, or when
  // fitted the one the fitted size amounts to.
  int ShownPercent() const;

  void Layout();
  // Called after every layout (a resize, a zoom, a page more or less).
  void SetLaidOut(std::function<void()> laidOut) { laidOut_ = std::move(laidOut); }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  APXPrintOut& printout_;
  std::vector<PreviewPage*> pages_;
  int zoom_ = 0;
  std::function<void()> laidOut_;
};

}  // namespace foresta

#endif  // FORESTA_PRINT_PREVIEW_AREA_H_
