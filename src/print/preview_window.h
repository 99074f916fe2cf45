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
#include "print/preview_area.h"

class QAction;
class QLabel;
class QPagedPaintDevice;
class QScrollArea;
class QToolBar;

namespace foresta {

class TEditClient;

// Identifiers of the preview's tool bar.
inline constexpr int kCmPreviewPrevious = 24500;
inline constexpr int kCmPreviewNext = 24501;
inline constexpr int kCmPreviewOnePage = 24502;
inline constexpr int kCmPreviewTwoPages = 24503;
inline constexpr int kCmPreviewPageText = 24504;
inline constexpr int kCmPreviewPrint = 24337;
inline constexpr int kCmPreviewDone = 24505;
inline constexpr int kCmPreviewZoomOut = 770;
inline constexpr int kCmPreviewZoomIn = 771;
inline constexpr int kCmPreviewZoomFit = 772;

// The zooms offered, percent of the paper's size on the screen.
inline constexpr int kPreviewZooms[] = {25, 50, 75, 100, 125, 150, 200, 300, 400};

// The next zoom of kPreviewZooms above (`in`) or below `shown` percent;
// `shown` itself when there is none.
int NextZoom(int shown, bool in);

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
  // The zoom chosen (0: the pages fit the window) and the one shown now.
  int Zoom() const;
  int ShownPercent() const;
  QString ZoomText() const;

 public slots:
  void PreviousPage();
  void NextPage();
  void OnePage();
  void TwoPages();
  void ZoomIn();
  void ZoomOut();
  void ZoomToFit();
  void PrintCommand();
  void Done();

 private:
  void AddGap(int width);
  QAction* AddButton(int id, const QString& text, const QString& tip);
  void ShowPages();
  void UpdateGadgets();
  void SetZoom(int percent);

  APXPrintOut printout_;
  std::function<void()> print_;
  QToolBar* toolBar_ = nullptr;
  QLabel* pageText_ = nullptr;
  QLabel* zoomText_ = nullptr;
  QScrollArea* scroller_ = nullptr;
  PreviewArea* area_ = nullptr;
  std::map<int, QAction*> actions_;
};

}  // namespace foresta

#endif  // FORESTA_PRINT_PREVIEW_WINDOW_H_
