#include "print/preview_window.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

#include "editor/widget/edit_client.h"

namespace foresta {

std::vector<QRect> LayoutPages(QSize area, QSize page, int count) {
  count = std::clamp(count, 1, 2);
  std::vector<QRect> rects;
  if (area.width() <= 0 || area.height() <= 0 || page.width() <= 0 || page.height() <= 0) {
    rects.assign(static_cast<std::size_t>(count), QRect());
    return rects;
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
  w = std::max(1LL, w);
  h = std::max(1LL, h);
  for (int i = 0; i < count; ++i) {
    int x = i * share + static_cast<int>((share - w) / 2);
    int y = static_cast<int>((area.height() - h) / 2);
    rects.emplace_back(x, y, static_cast<int>(w), static_cast<int>(h));
  }
  return rects;
}

QString PreviewPageText(int fromPage, int toPage, bool twoPages) {
  if (twoPages && fromPage != toPage) return QString::asprintf("Page %d - %d", fromPage, toPage);
  return QString::asprintf("Page %d", fromPage);
}

// One preview page: a sheet showing one page of the printout, or a blank
// sheet for page 0.
class PreviewPage : public QWidget {
 public:
  PreviewPage(QWidget* parent, APXPrintOut& printout) : QWidget(parent), printout_(printout) {}

  int Page() const { return page_; }
  void SetPage(int page) {
    page_ = page;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    printout_.PrintPage(painter, page_, rect());
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }

 private:
  APXPrintOut& printout_;
  int page_ = 0;
};

// The layout area under the tool bar; keeps its pages laid out.
class PreviewArea : public QWidget {
 public:
  PreviewArea(QWidget* parent, APXPrintOut& printout) : QWidget(parent), printout_(printout) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Dark));
    setPalette(pal);
    pages_.push_back(new PreviewPage(this, printout_));
  }

  std::vector<PreviewPage*>& Pages() { return pages_; }
  const std::vector<PreviewPage*>& Pages() const { return pages_; }

  void AddPage() {
    if (pages_.size() >= 2) return;
    auto* page = new PreviewPage(this, printout_);
    pages_.push_back(page);
    page->show();
    Layout();
  }
  void RemovePage() {
    if (pages_.size() < 2) return;
    delete pages_.back();
    pages_.pop_back();
    Layout();
  }
  void Layout() {
    std::vector<QRect> rects =
        LayoutPages(size(), printout_.DevicePage(), static_cast<int>(pages_.size()));
    for (std::size_t i = 0; i < pages_.size(); ++i) pages_[i]->setGeometry(rects[i]);
  }

 protected:
  void resizeEvent(QResizeEvent*) override { Layout(); }

 private:
  APXPrintOut& printout_;
  std::vector<PreviewPage*> pages_;
};

PreviewWindow::PreviewWindow(QWidget* parent, QPagedPaintDevice& printer, TEditClient& editor,
                             std::function<void()> print)
    : QDialog(parent, Qt::Window), printout_(printer, editor), print_(std::move(print)) {
  setWindowTitle(QStringLiteral("Print Preview"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  toolBar_ = new QToolBar(this);
  AddButton(kCmPreviewPrevious, QStringLiteral("Previous"), QStringLiteral("Previous page"));
  AddButton(kCmPreviewNext, QStringLiteral("Next"), QStringLiteral("Next page"));
  AddGap(6);
  auto* pages = new QActionGroup(this);
  pages->setExclusive(true);
  QAction* one = AddButton(kCmPreviewOnePage, QStringLiteral("One page"), QStringLiteral("Show one page"));
  QAction* two = AddButton(kCmPreviewTwoPages, QStringLiteral("Two pages"), QStringLiteral("Show two pages"));
  for (QAction* action : {one, two}) {
    action->setCheckable(true);
    pages->addAction(action);
  }
  one->setChecked(true);
  AddGap(12);
  pageText_ = new QLabel(toolBar_);
  pageText_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  pageText_->setFixedWidth(pageText_->fontMetrics().averageCharWidth() * 10 + 2 * pageText_->frameWidth() + 4);
  pageText_->setObjectName(QStringLiteral("pageText"));
  toolBar_->addWidget(pageText_);
  AddGap(20);
  AddButton(kCmPreviewPrint, QStringLiteral("Print"), QStringLiteral("Print the document"));
  AddGap(20);
  AddButton(kCmPreviewDone, QStringLiteral("Done"), QStringLiteral("Close the preview"));
  layout->addWidget(toolBar_);

  area_ = new PreviewArea(this, printout_);
  layout->addWidget(area_, 1);

  connect(actions_[kCmPreviewPrevious], &QAction::triggered, this, &PreviewWindow::PreviousPage);
  connect(actions_[kCmPreviewNext], &QAction::triggered, this, &PreviewWindow::NextPage);
  connect(one, &QAction::triggered, this, &PreviewWindow::OnePage);
  connect(two, &QAction::triggered, this, &PreviewWindow::TwoPages);
  connect(actions_[kCmPreviewPrint], &QAction::triggered, this, &PreviewWindow::PrintCommand);
  connect(actions_[kCmPreviewDone], &QAction::triggered, this, &PreviewWindow::Done);

  FromPage = ToPage = 1;
  ShowPages();
  UpdateGadgets();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::AddGap(int width) {
  auto* gap = new QWidget(toolBar_);
  gap->setFixedWidth(width);
  toolBar_->addWidget(gap);
}

QAction* PreviewWindow::AddButton(int id, const QString& text, const QString& tip) {
  QAction* action = toolBar_->addAction(text);
  action->setToolTip(tip);
  action->setStatusTip(tip);
  actions_[id] = action;
  return action;
}

QAction* PreviewWindow::Action(int id) const {
  auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

bool PreviewWindow::TwoPagesShown() const { return area_->Pages().size() == 2; }

std::vector<int> PreviewWindow::ShownPages() const {
  std::vector<int> shown;
  for (const PreviewPage* page : area_->Pages()) shown.push_back(page->Page());
  return shown;
}

std::vector<QRect> PreviewWindow::PageRects() const {
  std::vector<QRect> rects;
  for (const PreviewPage* page : area_->Pages()) rects.push_back(page->geometry());
  return rects;
}

QString PreviewWindow::PageText() const { return pageText_->text(); }

void PreviewWindow::ShowPages() {
  auto& pages = area_->Pages();
  pages[0]->SetPage(FromPage);
  if (pages.size() == 2) pages[1]->SetPage(ToPage != FromPage ? ToPage : 0);
}

void PreviewWindow::UpdateGadgets() {
  actions_[kCmPreviewPrevious]->setEnabled(FromPage != 1);
  actions_[kCmPreviewNext]->setEnabled(ToPage != printout_.MaxPage);
  const QSize page = printout_.DevicePage();
  actions_[kCmPreviewTwoPages]->setEnabled(page.height() >= page.width());
  actions_[kCmPreviewOnePage]->setChecked(!TwoPagesShown());
  actions_[kCmPreviewTwoPages]->setChecked(TwoPagesShown());
  pageText_->setText(PreviewPageText(FromPage, ToPage, TwoPagesShown()));
}

void PreviewWindow::PreviousPage() {
  if (printout_.MinPage < FromPage) {
    --FromPage;
    --ToPage;
    ShowPages();
  }
  UpdateGadgets();
}

void PreviewWindow::NextPage() {
  if (ToPage < printout_.MaxPage) {
    ++FromPage;
    ++ToPage;
    ShowPages();
  }
  UpdateGadgets();
}

void PreviewWindow::OnePage() {
  if (TwoPagesShown()) area_->RemovePage();
  ToPage = FromPage;
  ShowPages();
  UpdateGadgets();
}

void PreviewWindow::TwoPages() {
  const QSize page = printout_.DevicePage();
  if (!TwoPagesShown() && page.height() >= page.width()) {
    area_->AddPage();
    if (FromPage == printout_.MaxPage && FromPage >= 2) {
      ToPage = FromPage;
      --FromPage;
    } else if (FromPage == printout_.MaxPage) {
      ToPage = FromPage;  // no second page to show
    } else {
      ToPage = FromPage + 1;
    }
    ShowPages();
  }
  UpdateGadgets();
}

void PreviewWindow::PrintCommand() {
  if (print_) print_();
}

void PreviewWindow::Done() { accept(); }

}  // namespace foresta
