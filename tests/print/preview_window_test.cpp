#include <QAction>
#include <QApplication>
#include <QImage>
#include <QScrollArea>
#include <QScrollBar>
#include <QPrinter>
#include <QTimer>
#include <QTest>

#include "print/document_printer.h"
#include "print/preview_window.h"
#include "print_fixture.h"

namespace foresta {
namespace {

TEST(LayoutPagesTest, KeepsProportionsAtNinetyFivePercentOfTheLimitingSide) {
  // A portrait page in a wide area: the height limits it.
  auto one = LayoutPages(QSize(1000, 400), QSize(210, 297), 1);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].height(), 380);
  EXPECT_NEAR(one[0].width(), 380 * 210 / 297, 1);
  EXPECT_NEAR(one[0].center().x(), 500, 1);
  EXPECT_NEAR(one[0].center().y(), 200, 1);
  // A landscape page in a tall area: the width limits it.
  auto wide = LayoutPages(QSize(400, 1000), QSize(297, 210), 1);
  EXPECT_EQ(wide[0].width(), 380);
  EXPECT_NEAR(wide[0].height(), 380 * 210 / 297, 1);
  // Two pages share the width and do not overlap.
  auto two = LayoutPages(QSize(600, 1000), QSize(210, 297), 2);
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0].size(), two[1].size());
  EXPECT_LT(two[0].right(), two[1].left());
  EXPECT_LE(two[1].right(), 600);
  EXPECT_EQ(two[0].width(), 285);
  // Nothing to lay out in an empty area.
  EXPECT_TRUE(LayoutPages(QSize(0, 0), QSize(210, 297), 1)[0].isEmpty());
}

TEST(LayoutPagesTest, PlacesPagesOfAGivenSizeAndSaysWhatAreaTheyNeed) {
  auto two = PlacePages(QSize(1000, 500), QSize(300, 400), 2);
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0], QRect(100, 50, 300, 400));
  EXPECT_EQ(two[1], QRect(600, 50, 300, 400));
  // In the area they need, fitting them gives them back at that size.
  const QSize need = AreaForPages(QSize(300, 400), 2);
  auto fitted = LayoutPages(need, QSize(300, 400), 2);
  EXPECT_NEAR(fitted[0].width(), 300, 1);
  EXPECT_NEAR(fitted[0].height(), 400, 1);
}

TEST(NextZoomTest, StepsThroughTheOfferedZooms) {
  EXPECT_EQ(NextZoom(63, true), 75);
  EXPECT_EQ(NextZoom(63, false), 50);
  EXPECT_EQ(NextZoom(100, true), 125);
  EXPECT_EQ(NextZoom(100, false), 75);
  EXPECT_EQ(NextZoom(400, true), 400);  // none larger
  EXPECT_EQ(NextZoom(25, false), 25);   // none smaller
  EXPECT_EQ(NextZoom(10, true), 25);
}

TEST(PreviewPageTextTest, ShowsOneOrTwoPageNumbers) {
  EXPECT_EQ(PreviewPageText(1, 1, false), "Page 1");
  EXPECT_EQ(PreviewPageText(1, 2, true), "Page 1 - 2");
  EXPECT_EQ(PreviewPageText(3, 3, true), "Page 3");
}

class PreviewWindowTest : public PrintFixture {
 protected:
  PreviewWindow& Open(int lines, QPageLayout::Orientation orientation = QPageLayout::Portrait) {
    TEditClient& edit = Editor(WriteLines(lines));
    preview = std::make_unique<PreviewWindow>(nullptr, Writer(orientation), edit, [this] { ++prints; });
    preview->resize(800, 600);
    return *preview;
  }
  // A document of `pages` pages, the last holding one line.
  PreviewWindow& OpenPages(int pages) {
    Open(1);
    int per_page = preview->PrintOut().LinesPerPage;
    PreviewWindow& window = Open((pages - 1) * per_page + 1);
    EXPECT_EQ(window.PrintOut().MaxPage, pages);
    return window;
  }
  bool Enabled(int id) { return preview->Action(id)->isEnabled(); }

  std::unique_ptr<PreviewWindow> preview;
  int prints = 0;
};

TEST_F(PreviewWindowTest, OnePageDocument) {
  PreviewWindow& window = Open(5);
  EXPECT_EQ(window.windowTitle(), "Print Preview");
  EXPECT_EQ(window.PageText(), "Page 1");
  EXPECT_FALSE(Enabled(kCmPreviewPrevious));
  EXPECT_FALSE(Enabled(kCmPreviewNext));
  EXPECT_TRUE(Enabled(kCmPreviewTwoPages));
  EXPECT_TRUE(window.Action(kCmPreviewOnePage)->isChecked());
  window.TwoPages();
  EXPECT_TRUE(window.TwoPagesShown());
  EXPECT_EQ(window.ShownPages(), (std::vector<int>{1, 0}));  // the second sheet is empty
  EXPECT_EQ(window.PageText(), "Page 1");
  EXPECT_FALSE(Enabled(kCmPreviewNext));
  window.NextPage();
  EXPECT_EQ(window.FromPage, 1);
}

TEST_F(PreviewWindowTest, PagingThroughThreePages) {
  PreviewWindow& window = OpenPages(3);
  EXPECT_EQ(window.PageText(), "Page 1");
  EXPECT_TRUE(Enabled(kCmPreviewNext));
  window.TwoPages();
  EXPECT_EQ(window.PageText(), "Page 1 - 2");
  EXPECT_EQ(window.ShownPages(), (std::vector<int>{1, 2}));
  EXPECT_TRUE(window.Action(kCmPreviewTwoPages)->isChecked());
  window.NextPage();
  EXPECT_EQ(window.PageText(), "Page 2 - 3");
  EXPECT_FALSE(Enabled(kCmPreviewNext));
  EXPECT_TRUE(Enabled(kCmPreviewPrevious));
  window.NextPage();  // no page 4
  EXPECT_EQ(window.ShownPages(), (std::vector<int>{2, 3}));
  window.OnePage();
  EXPECT_FALSE(window.TwoPagesShown());
  EXPECT_EQ(window.PageText(), "Page 2");
  EXPECT_EQ(window.ToPage, 2);
  window.NextPage();
  EXPECT_EQ(window.PageText(), "Page 3");
  EXPECT_FALSE(Enabled(kCmPreviewNext));
  // Two pages at the last page shows it beside the one before.
  window.TwoPages();
  EXPECT_EQ(window.FromPage, 2);
  EXPECT_EQ(window.ToPage, 3);
  EXPECT_EQ(window.ShownPages(), (std::vector<int>{2, 3}));
  window.PreviousPage();
  window.PreviousPage();  // no page 0
  EXPECT_EQ(window.PageText(), "Page 1 - 2");
  EXPECT_FALSE(Enabled(kCmPreviewPrevious));
}

TEST_F(PreviewWindowTest, LandscapePageCannotShowTwoPages) {
  PreviewWindow& window = Open(5, QPageLayout::Landscape);
  EXPECT_FALSE(Enabled(kCmPreviewTwoPages));
  window.TwoPages();
  EXPECT_FALSE(window.TwoPagesShown());
  EXPECT_EQ(window.PageText(), "Page 1");
}

TEST_F(PreviewWindowTest, PagesKeepThePrinterPageProportions) {
  PreviewWindow& window = Open(5);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  // A sheet shows the whole paper, margins included.
  QSize page = window.PrintOut().PaperPage();
  QRect sheet = window.PageRects()[0];
  ASSERT_FALSE(sheet.isEmpty());
  EXPECT_NEAR(double(sheet.width()) / sheet.height(), double(page.width()) / page.height(), 0.01);
  window.TwoPages();
  auto rects = window.PageRects();
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_LT(rects[0].right(), rects[1].left());
}

// The first and last columns and rows of `image` with dark ink, inside a
// frame of `border` pixels.
QRect InkedBox(const QImage& image, int border) {
  QRect box;
  for (int y = border; y < image.height() - border; ++y) {
    for (int x = border; x < image.width() - border; ++x) {
      if (qGray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

TEST_F(PreviewWindowTest, SheetsShowThePrintoutsMargins) {
  TEditClient& edit = Editor(WriteLines(200));
  QPdfWriter& writer = Writer();
  writer.setPageMargins(QMarginsF(30, 20, 30, 20), QPageLayout::Millimeter);
  APXPrintOut printout(writer, edit);
  // The page lies inside the paper, 30 mm in from the left, 20 mm down.
  const QSize paper = printout.PaperPage();
  const QRect printable = printout.PrintableRect();
  EXPECT_NEAR(double(printable.left()) / paper.width(), 30.0 / 210, 0.002);
  EXPECT_NEAR(double(printable.top()) / paper.height(), 20.0 / 297, 0.002);
  EXPECT_EQ(printable.size(), printout.DevicePage());

  PreviewPage sheet(nullptr, printout);
  sheet.resize(420, 594);
  sheet.SetPage(1);
  const QImage image = sheet.grab().toImage();
  const QRect ink = InkedBox(image, 2);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.left(), 420 * 30 / 210 - 1);
  EXPECT_GE(ink.top(), 594 * 20 / 297 - 1);
  EXPECT_LE(ink.bottom(), 594 - 594 * 20 / 297 + 1);
  EXPECT_EQ(sheet.PrintTarget(), QRect(60, 40, 300, 514));
}

TEST_F(PreviewWindowTest, ZoomInOutAndFit) {
  PreviewWindow& window = Open(5);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QRect fitted = window.PageRects()[0];
  const int fit = window.ShownPercent();
  EXPECT_EQ(window.Zoom(), 0);
  EXPECT_TRUE(window.Action(kCmPreviewZoomFit)->isChecked());
  EXPECT_EQ(window.ZoomText(), QStringLiteral("%1%").arg(fit));
  auto* scroller = window.findChild<QScrollArea*>();
  ASSERT_NE(scroller, nullptr);
  EXPECT_EQ(scroller->verticalScrollBar()->maximum(), 0);

  // Larger than the window: the sheet keeps its proportions and scrolls.
  window.Action(kCmPreviewZoomIn)->trigger();
  EXPECT_EQ(window.Zoom(), NextZoom(fit, true));
  EXPECT_NEAR(window.PageRects()[0].width(), window.PrintOut().LogicalPaper().width() * window.Zoom() / 100, 1);
  EXPECT_FALSE(window.Action(kCmPreviewZoomFit)->isChecked());
  window.Action(kCmPreviewZoomIn)->trigger();
  QTest::qWait(0);
  const QRect zoomed = window.PageRects()[0];
  EXPECT_GT(zoomed.height(), fitted.height());
  EXPECT_NEAR(double(zoomed.width()) / zoomed.height(), double(fitted.width()) / fitted.height(), 0.01);
  EXPECT_GT(scroller->verticalScrollBar()->maximum(), 0);

  while (window.Action(kCmPreviewZoomIn)->isEnabled()) window.Action(kCmPreviewZoomIn)->trigger();
  EXPECT_EQ(window.Zoom(), 400);
  window.Action(kCmPreviewZoomOut)->trigger();
  EXPECT_EQ(window.Zoom(), 300);
  EXPECT_EQ(window.ZoomText(), "300%");

  // Two pages at a zoom stand side by side, the area wide enough for both.
  window.TwoPages();
  auto rects = window.PageRects();
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_LT(rects[0].right(), rects[1].left());
  EXPECT_EQ(rects[0].size(), rects[1].size());

  window.OnePage();
  window.Action(kCmPreviewZoomFit)->trigger();
  QTest::qWait(0);
  EXPECT_EQ(window.Zoom(), 0);
  EXPECT_EQ(window.PageRects()[0], fitted);
  EXPECT_EQ(window.ShownPercent(), fit);
}

TEST_F(PreviewWindowTest, PrintAndDoneButtons) {
  PreviewWindow& window = Open(5);
  window.Action(kCmPreviewPrint)->trigger();
  EXPECT_EQ(prints, 1);
  EXPECT_EQ(window.result(), 0);
  window.Action(kCmPreviewDone)->trigger();
  EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(PreviewWindowTest, PreviewRunsModallyWithThePrintingCountRaised) {
  DocumentPrinter printer;
  TEditClient& edit = Editor(WriteLines(3));
  EXPECT_FALSE(printer.CanPrint(nullptr));
  int during = -1;
  QString title;
  QTimer::singleShot(0, [&] {
    during = printer.PrintingCount();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* window = qobject_cast<PreviewWindow*>(widget); window && window->isVisible()) {
        title = window->PageText();
        window->Done();
      }
    }
  });
  printer.Preview(nullptr, edit, {});
  EXPECT_EQ(during, 1);
  EXPECT_EQ(title, "Page 1");
  EXPECT_EQ(printer.PrintingCount(), 0);
}

}  // namespace
}  // namespace foresta
