#include "print/preview_window.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QPagedPaintDevice>
#include <QKeySequence>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

#include "editor/widget/edit_client.h"

namespace foresta {

int NextZoom(int shown, bool in) {
  if (in) {
    for (int zoom : kPreviewZooms) {
      if (zoom > shown) return zoom;
    }
  } else {
    for (auto it = std::rbegin(kPreviewZooms); it != std::rend(kPreviewZooms); ++it) {
      if (*it < shown) return *it;
    }
  }
  return shown;
}

QString PreviewPageText(int fromPage, int toPage, bool twoPages) {
  if (twoPages && fromPage != toPage) return QString::asprintf("Page %d - %d", fromPage, toPage);
  return QString::asprintf("Page %d", fromPage);
}

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
  AddGap(12);
  QAction* zoomOut = AddButton(kCmPreviewZoomOut, QStringLiteral("Zoom out"), QStringLiteral("Show the pages smaller"));
  QAction* zoomIn = AddButton(kCmPreviewZoomIn, QStringLiteral("Zoom in"), QStringLiteral("Show the pages larger"));
  QAction* fit = AddButton(kCmPreviewZoomFit, QStringLiteral("Fit"), QStringLiteral("Fit the pages to the window"));
  zoomOut->setShortcut(QKeySequence::ZoomOut);
  zoomIn->setShortcut(QKeySequence::ZoomIn);
  fit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  fit->setCheckable(true);
  zoomText_ = new QLabel(toolBar_);
  zoomText_->setObjectName(QStringLiteral("zoomText"));
  zoomText_->setAlignment(Qt::AlignCenter);
  zoomText_->setFixedWidth(zoomText_->fontMetrics().horizontalAdvance(QStringLiteral("0000%")) + 8);
  toolBar_->addWidget(zoomText_);
  AddGap(20);
  AddButton(kCmPreviewPrint, QStringLiteral("Print"), QStringLiteral("Print the document"));
  AddGap(20);
  AddButton(kCmPreviewDone, QStringLiteral("Done"), QStringLiteral("Close the preview"));
  layout->addWidget(toolBar_);

  area_ = new PreviewArea(this, printout_);
  scroller_ = new QScrollArea(this);
  scroller_->setFrameShape(QFrame::NoFrame);
  scroller_->setWidgetResizable(true);
  scroller_->setWidget(area_);
  // A fitted page changes its size with the window: keep the zoom shown.
  area_->SetLaidOut([this] {
    if (zoomText_ != nullptr) zoomText_->setText(ZoomText());
  });
  layout->addWidget(scroller_, 1);

  connect(actions_[kCmPreviewPrevious], &QAction::triggered, this, &PreviewWindow::PreviousPage);
  connect(actions_[kCmPreviewNext], &QAction::triggered, this, &PreviewWindow::NextPage);
  connect(one, &QAction::triggered, this, &PreviewWindow::OnePage);
  connect(two, &QAction::triggered, this, &PreviewWindow::TwoPages);
  connect(zoomIn, &QAction::triggered, this, &PreviewWindow::ZoomIn);
  connect(zoomOut, &QAction::triggered, this, &PreviewWindow::ZoomOut);
  connect(fit, &QAction::triggered, this, &PreviewWindow::ZoomToFit);
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
  const int shown = ShownPercent();
  actions_[kCmPreviewZoomIn]->setEnabled(NextZoom(shown, true) != shown);
  actions_[kCmPreviewZoomOut]->setEnabled(NextZoom(shown, false) != shown);
  actions_[kCmPreviewZoomFit]->setChecked(Zoom() == 0);
  zoomText_->setText(ZoomText());
}

int PreviewWindow::Zoom() const { return area_->Zoom(); }
int PreviewWindow::ShownPercent() const { return area_->ShownPercent(); }
QString PreviewWindow::ZoomText() const {
  return QStringLiteral("%1%").arg(ShownPercent());
}

void PreviewWindow::SetZoom(int percent) {
  area_->SetZoom(percent);
  UpdateGadgets();
}

void PreviewWindow::ZoomIn() { SetZoom(NextZoom(ShownPercent(), true)); }
void PreviewWindow::ZoomOut() { SetZoom(NextZoom(ShownPercent(), false)); }
void PreviewWindow::ZoomToFit() { SetZoom(0); }

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
