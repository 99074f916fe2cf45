#ifndef FORESTA_PRINT_PREVIEW_WINDOW_H_
#define FORESTA_PRINT_PREVIEW_WINDOW_H_

#include <QDialog>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "print/apx_print_out.h"

class QAction;
class QLabel;
class QPagedPaintDevice;
class QToolBar;

namespace foresta {

class TEditClient;
class PreviewArea;

// Identifiers of the preview's tool bar.
inline constexpr int kCmPreviewPrevious = 24500;
inline constexpr int kCmPreviewNext = 24501;
inline constexpr int kCmPreviewOnePage = 24502;
inline constexpr int kCmPreviewTwoPages = 24503;
inline constexpr int kCmPreviewPageText = 24504;
inline constexpr int kCmPreviewPrint = 24337;
inline constexpr int kCmPreviewDone = 24505;

// Rectangles for `count` (1 or 2) pages of proportions `page` side by side
// in `area`: each page centred in its share of the area and as large as
// 95 percent of that share allows in the direction that limits it.
std::vector<QRect> LayoutPages(QSize area, QSize page, int count);

// "Page %d", or "Page %d - %d" when two different pages are shown.
QString PreviewPageText(int fromPage, int toPage, bool twoPages);

// The print preview: the printout's pages, one or two at a time, under a
// tool bar to page through them, print, or close. Run it with exec();
// Done ends the loop.
class PreviewWindow : public QDialog {
  Q_OBJECT

 public:
  // `printer` and `editor` must outlive the window. `print` performs the
  // frame's Print command; the preview stays open while it runs.
  PreviewWindow(QWidget* parent, QPagedPaintDevice& printer, TEditClient& editor, std::function<void()> print);
  ~PreviewWindow() override;

  // The pages shown: FromPage on page 1, ToPage on page 2 when it is shown.
  int FromPage = 1;
  int ToPage = 1;

  const APXPrintOut& PrintOut() const { return printout_; }
  bool TwoPagesShown() const;
  // The page number each preview page shows (0 for none), page 1 first.
  std::vector<int> ShownPages() const;
  std::vector<QRect> PageRects() const;
  QString PageText() const;
  QAction* Action(int id) const;

 public slots:
  void PreviousPage();
  void NextPage();
  void OnePage();
  void TwoPages();
  void PrintCommand();
  void Done();

 private:
  void AddGap(int width);
  QAction* AddButton(int id, const QString& text, const QString& tip);
  void ShowPages();
  void UpdateGadgets();

  APXPrintOut printout_;
  std::function<void()> print_;
  QToolBar* toolBar_ = nullptr;
  QLabel* pageText_ = nullptr;
  PreviewArea* area_ = nullptr;
  std::map<int, QAction*> actions_;
};

}  // namespace foresta

#endif  // FORESTA_PRINT_PREVIEW_WINDOW_H_
