#include <cstdio>
#include <sstream>

#include "cli/cli_commands.h"
#include "print_fixture.h"

namespace foresta {
namespace {

class PrintCommandTest : public PrintFixture {
 protected:
  int Run(std::vector<std::string> args) {
    out.str("");
    err.str("");
    return RunCommandLine(args, {out, err});
  }
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(PrintCommandTest, PrintsAFileOntoPdfPages) {
  std::string report = Path("report.txt");
  {
    std::ofstream file(report, std::ios::binary);
    file << "Prediction report\r\n";
    for (int i = 1; i <= 150; ++i) file << "value\t" << i << "\r\n";
    file << "end";
  }
  std::string pdf = Path("report.pdf");
  ASSERT_EQ(Run({"print", report, "--pdf", pdf}), kExitOk) << err.str();
  // The editor's own pagination: 152 lines.
  int per_page = 0;
  int pages = 0;
  ASSERT_EQ(std::sscanf(out.str().c_str(), "pages: %d, lines per page: %d", &pages, &per_page), 2) << out.str();
  EXPECT_EQ(pages, 152 / per_page + 1);
  EXPECT_NE(out.str().find("lines: 152"), std::string::npos);

  QString info;
  if (!RunTool("pdfinfo", {QString::fromStdString(pdf)}, &info)) GTEST_SKIP() << "pdfinfo is not installed";
  EXPECT_TRUE(info.contains(QStringLiteral("Pages:           %1\n").arg(pages))) << info.toStdString();
  QString text;
  ASSERT_TRUE(RunTool("pdftotext", {"-layout", QString::fromStdString(pdf), "-"}, &text));
  EXPECT_TRUE(text.contains("Prediction report"));
  EXPECT_TRUE(text.contains(QRegularExpression("value\\s*150\\b")));
  EXPECT_TRUE(text.contains("end"));
  EXPECT_EQ(text.count("\f"), pages);  // pdftotext ends each page with a form feed
}

TEST_F(PrintCommandTest, BadArgumentsAndFilesFailClearly) {
  std::string doc = WriteLines(3);
  EXPECT_EQ(Run({"print", doc}), kExitUsage);
  EXPECT_NE(err.str().find("--pdf"), std::string::npos);
  EXPECT_EQ(Run({"print", doc, "--pdf"}), kExitUsage);
  EXPECT_EQ(Run({"print", Path("absent.txt"), "--pdf", Path("a.pdf")}), kExitFailure);
  EXPECT_NE(err.str().find("absent.txt"), std::string::npos);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("a.pdf"))));
  EXPECT_EQ(Run({"print", doc, "--pdf", Path("no/such/dir/b.pdf")}), kExitFailure);
  EXPECT_NE(err.str().find("cannot write"), std::string::npos);
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace foresta
