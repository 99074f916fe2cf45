#include <QAction>
#include <QApplication>
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
  QSize page = window.PrintOut().DevicePage();
  QRect sheet = window.PageRects()[0];
  ASSERT_FALSE(sheet.isEmpty());
  EXPECT_NEAR(double(sheet.width()) / sheet.height(), double(page.width()) / page.height(), 0.01);
  window.TwoPages();
  auto rects = window.PageRects();
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_LT(rects[0].right(), rects[1].left());
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
