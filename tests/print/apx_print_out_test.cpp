#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include "print/apx_print_out.h"
#include "print_fixture.h"

namespace foresta {
namespace {

TEST(PageArithmeticTest, ExactMultipleGetsAFurtherEmptyPage) {
  EXPECT_EQ(PageCountFor(60, 60), 2);
  EXPECT_EQ(PageCountFor(61, 60), 2);
  EXPECT_EQ(PageCountFor(59, 60), 1);
  EXPECT_EQ(PageCountFor(1, 60), 1);  // an empty document is one empty line
  EXPECT_EQ(PageCountFor(120, 60), 3);
  EXPECT_EQ(PageCountFor(1, 1), 2);
}

TEST(PageArithmeticTest, OnlyWholeLinesFitAndAtLeastOne) {
  EXPECT_EQ(LinesPerPageFor(1123, 14), 80);
  EXPECT_EQ(LinesPerPageFor(139, 14), 9);  // 9.93 lines: the tenth would be cut off
  EXPECT_EQ(LinesPerPageFor(5, 14), 1);
  EXPECT_EQ(LinesPerPageFor(100, 0), 100);
}

// Rows of `image` that hold any dark pixel: first and last, or -1.
std::pair<int, int> InkedRows(const QImage& image) {
  int first = -1;
  int last = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) {
        if (first < 0) first = y;
        last = y;
        break;
      }
    }
  }
  return {first, last};
}

class APXPrintOutTest : public PrintFixture {
 protected:
  // Lines per page of this page and font, measured on a one-line document.
  int PageLines() {
    APXPrintOut probe(Writer(), Editor(WriteLines(1, "probe.txt")));
    return probe.LinesPerPage;
  }
  QImage Render(APXPrintOut& printout, int page) {
    QImage image(printout.LogicalPage(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    printout.PrintPage(painter, page, image.rect());
    painter.end();
    return image;
  }
};

TEST_F(APXPrintOutTest, PageCountFollowsTheLineCount) {
  const int lines = PageLines();
  ASSERT_GT(lines, 10);
  struct Case {
    int count;
    int pages;
  } cases[] = {{0, 1}, {lines - 1, 1}, {lines, 2}, {lines + 1, 2}, {2 * lines, 3}};
  for (const Case& c : cases) {
    APXPrintOut printout(Writer(), Editor(WriteLines(c.count)));
    EXPECT_EQ(printout.MaxPage, c.pages) << c.count << " lines";
    EXPECT_EQ(printout.MinPage, 1);
    EXPECT_TRUE(printout.HasPage(c.pages));
    EXPECT_FALSE(printout.HasPage(c.pages + 1));
    EXPECT_FALSE(printout.HasPage(0));
  }
}

TEST_F(APXPrintOutTest, PageIsScaledFromPrinterToScreenResolution) {
  TEditClient& editor = Editor(WriteLines(3));
  QPdfWriter& writer = Writer();
  APXPrintOut printout(writer, editor);
  const int screen = editor.logicalDpiY();
  EXPECT_EQ(printout.DevicePage(), QSize(writer.width(), writer.height()));
  EXPECT_NEAR(printout.LogicalPage().height(), writer.height() * screen / writer.logicalDpiY(), 1);
  EXPECT_NEAR(printout.LogicalPage().width(), writer.width() * editor.logicalDpiX() / writer.logicalDpiX(), 1);
  // The font keeps its screen size in those units, not the printer's.
  EXPECT_EQ(printout.PrintFont().pixelSize(), QFontInfo(editor.font()).pixelSize());
  EXPECT_EQ(printout.LinesPerPage, printout.LogicalPage().height() / printout.LineHeight());
}

TEST_F(APXPrintOutTest, EachLineIsPaintedOnItsOwnPageOnly) {
  const int lines = PageLines();
  APXPrintOut printout(Writer(), Editor(WriteLines(lines + 1)));
  ASSERT_EQ(printout.MaxPage, 2);
  auto [first1, last1] = InkedRows(Render(printout, 1));
  auto [first2, last2] = InkedRows(Render(printout, 2));
  // Page 1 is full down to its last line, which still lies on the page.
  EXPECT_GE(first1, 0);
  EXPECT_GT(last1, (lines - 1) * printout.LineHeight());
  EXPECT_LT(last1, printout.LogicalPage().height());
  // Page 2 holds one line at its top.
  EXPECT_GE(first2, 0);
  EXPECT_LT(last2, printout.LineHeight());
  // Beyond the last page nothing is painted.
  EXPECT_EQ(InkedRows(Render(printout, 3)).first, -1);
}

TEST_F(APXPrintOutTest, TabsExpandToTheEditorsTabStops) {
  std::string path = Path("tab.txt");
  std::ofstream(path, std::ios::binary) << "\tX";
  TEditClient& editor = Editor(path);
  APXPrintOut printout(Writer(), editor);
  QImage image = Render(printout, 1);
  int first_ink = -1;
  for (int x = 0; x < image.width() && first_ink < 0; ++x) {
    for (int y = 0; y < printout.LineHeight(); ++y) {
      if (qGray(image.pixel(x, y)) < 128) {
        first_ink = x;
        break;
      }
    }
  }
  EXPECT_GE(first_ink, editor.TabStop());
  EXPECT_LT(first_ink, editor.TabStop() + editor.CharWidth() * 2);
}

TEST_F(APXPrintOutTest, PrintWritesEveryPageWithItsLines) {
  const int lines = PageLines();
  APXPrintOut printout(Writer(), Editor(WriteLines(lines + 1)));
  int pages = 0;
  ASSERT_EQ(printout.Print(&pages), kPrintOk);
  EXPECT_EQ(pages, 2);
  writer.reset();  // closes the file
  const QString pdf = QString::fromStdString(Path("out.pdf"));
  QString info;
  if (!RunTool("pdfinfo", {pdf}, &info)) GTEST_SKIP() << "pdfinfo is not installed";
  EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
  QString page1;
  QString page2;
  ASSERT_TRUE(RunTool("pdftotext", {"-f", "1", "-l", "1", pdf, "-"}, &page1));
  ASSERT_TRUE(RunTool("pdftotext", {"-f", "2", "-l", "2", pdf, "-"}, &page2));
  const QString last_on_1 = QStringLiteral("line %1").arg(lines);
  const QString only_on_2 = QStringLiteral("line %1").arg(lines + 1);
  EXPECT_TRUE(page1.contains(QRegularExpression("^line 1\\n")));
  EXPECT_TRUE(page1.contains(last_on_1 + "\n"));
  EXPECT_FALSE(page1.contains(only_on_2));
  EXPECT_EQ(page2.trimmed(), only_on_2);
}

TEST_F(APXPrintOutTest, FullLastPageIsFollowedByAnEmptyPrintedPage) {
  const int lines = PageLines();
  APXPrintOut printout(Writer(), Editor(WriteLines(lines)));
  int pages = 0;
  ASSERT_EQ(printout.Print(&pages), kPrintOk);
  EXPECT_EQ(pages, 2);
  writer.reset();
  const QString pdf = QString::fromStdString(Path("out.pdf"));
  QString page1;
  QString page2;
  if (!RunTool("pdftotext", {"-f", "1", "-l", "2", pdf, "-"}, &page1)) GTEST_SKIP() << "pdftotext is not installed";
  ASSERT_TRUE(RunTool("pdftotext", {"-f", "2", "-l", "2", pdf, "-"}, &page2));
  EXPECT_EQ(page1.count("\f"), 2);
  EXPECT_TRUE(page1.contains(QStringLiteral("line %1\n").arg(lines)));
  EXPECT_EQ(page2.trimmed(), "");
}

TEST_F(APXPrintOutTest, DeviceThatCannotOpenIsReported) {
  TEditClient& editor = Editor(WriteLines(2));
  QPdfWriter bad(QString::fromStdString(Path("missing/dir/out.pdf")));
  APXPrintOut printout(bad, editor);
  int pages = -1;
  EXPECT_EQ(printout.Print(&pages), kPrintDeviceFailed);
  EXPECT_EQ(pages, 0);
}

}  // namespace
}  // namespace foresta
