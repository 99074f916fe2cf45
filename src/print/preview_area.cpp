#include "print/preview_area.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "print/apx_print_out.h"

namespace foresta {

namespace {

// A length of `part` / `whole` of `length`, rounded.
int Share(int length, int part, int whole) {
  if (whole <= 0) return 0;
  return static_cast<int>(std::lround(static_cast<double>(length) * part / whole));
}

}  // namespace

std::vector<QRect> PlacePages(QSize area, QSize size, int count) {
  count = std::clamp(count, 1, 2);
  std::vector<QRect> rects;
  if (area.width() <= 0 || area.height() <= 0 || size.isEmpty()) {
    rects.assign(static_cast<std::size_t>(count), QRect());
    return rects;
  }
  const int share = area.width() / count;
  for (int i = 0; i < count; ++i) {
    const int x = i * share + (share - size.width()) / 2;
    const int y = (area.height() - size.height()) / 2;
    rects.emplace_back(x, y, size.width(), size.height());
  }
  return rects;
}

std::vector<QRect> LayoutPages(QSize area, QSize page, int count) {
  count = std::clamp(count, 1, 2);
  if (area.width() <= 0 || area.height() <= 0 || page.width() <= 0 || page.height() <= 0) {
    return std::vector<QRect>(static_cast<std::size_t>(count), QRect());
  }
  const int share = area.width() / count;
  const long long roomW = static_cast<long long>(share) * 95 / 100;
  const long long roomH = static_cast<long long>(area.height()) * 95 / 100;
  long long w = roomW;
  long long h = roomW * page.height() / page.width();
  if (h > roomH) {  // the height limits the page
    h = roomH;
    w = roomH * page.width() / page.height();
  }
  return PlacePages(area, QSize(static_cast<int>(std::max(1LL, w)), static_cast<int>(std::max(1LL, h))),
                    count);
}

QSize AreaForPages(QSize size, int count) {
  count = std::clamp(count, 1, 2);
  return QSize(count * (size.width() * 100 / 95 + 1), size.height() * 100 / 95 + 1);
}

void PreviewPage::SetPage(int page) {
  page_ = page;
  update();
}

QRect PreviewPage::PrintTarget() const {
  const QSize paper = printout_.PaperPage();
  const QRect printable = printout_.PrintableRect();
  const int left = Share(width(), printable.left(), paper.width());
  const int top = Share(height(), printable.top(), paper.height());
  const int right = Share(width(), printable.left() + printable.width(), paper.width());
  const int bottom = Share(height(), printable.top() + printable.height(), paper.height());
  return QRect(left, top, right - left, bottom - top);
}

void PreviewPage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  printout_.PrintPage(painter, page_, PrintTarget());
  painter.setPen(Qt::black);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

PreviewArea::PreviewArea(QWidget* parent, APXPrintOut& printout) : QWidget(parent), printout_(printout) {
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, pal.color(QPalette::Dark));
  setPalette(pal);
  pages_.push_back(new PreviewPage(this, printout_));
}

void PreviewArea::AddPage() {
  if (pages_.size() >= 2) return;
  auto* page = new PreviewPage(this, printout_);
  pages_.push_back(page);
  page->show();
  Layout();
}

void PreviewArea::RemovePage() {
  if (pages_.size() < 2) return;
  delete pages_.back();
  pages_.pop_back();
  Layout();
}

void PreviewArea::SetZoom(int percent) {
  zoom_ = std::max(0, percent);
  Layout();
}

int PreviewArea::ShownPercent() const {
  if (zoom_ != 0) return zoom_;
  const QSize paper = printout_.LogicalPaper();
  const int sheet = pages_.front()->width();
  if (paper.width() <= 0 || sheet <= 0) return 100;
  return Share(100, sheet, paper.width());
}

void PreviewArea::Layout() {
  const int count = static_cast<int>(pages_.size());
  std::vector<QRect> rects;
  if (zoom_ == 0) {
    setMinimumSize(0, 0);
    rects = LayoutPages(size(), printout_.PaperPage(), count);
  } else {
    const QSize paper = printout_.LogicalPaper();
    const QSize sheet(std::max(1, Share(paper.width(), zoom_, 100)),
                      std::max(1, Share(paper.height(), zoom_, 100)));
    // Larger than the window, the area grows and its scroll bars appear.
    setMinimumSize(AreaForPages(sheet, count));
    rects = PlacePages(size().expandedTo(minimumSize()), sheet, count);
  }
  for (std::size_t i = 0; i < pages_.size(); ++i) pages_[i]->setGeometry(rects[i]);
  if (laidOut_) laidOut_();
}

void PreviewArea::resizeEvent(QResizeEvent*) { Layout(); }

}  // namespace foresta
