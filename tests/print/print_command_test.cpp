#include <cstdio>
#include <sstream>

#include "print/pdf_print.h"
#include "print_fixture.h"

namespace foresta {
namespace {

// foresta-print, run in this process: the program's whole work.
class PrintCommandTest : public PrintFixture {
 protected:
  int Run(std::vector<std::string> args) {
    out.str("");
    err.str("");
    return RunPdfPrint(args, out, err);
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
  ASSERT_EQ(Run({report, "--pdf", pdf}), kPdfPrintOk) << err.str();
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
  EXPECT_EQ(Run({doc}), kPdfPrintUsage);
  EXPECT_NE(err.str().find("--pdf"), std::string::npos);
  EXPECT_EQ(Run({doc, "--pdf"}), kPdfPrintUsage);
  EXPECT_EQ(Run({doc, "--pdf", Path("a.pdf"), "extra"}), kPdfPrintUsage);
  EXPECT_EQ(Run({Path("absent.txt"), "--pdf", Path("a.pdf")}), kPdfPrintFailed);
  EXPECT_NE(err.str().find("absent.txt"), std::string::npos);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("a.pdf"))));
  EXPECT_EQ(Run({doc, "--pdf", Path("no/such/dir/b.pdf")}), kPdfPrintFailed);
  EXPECT_NE(err.str().find("cannot write"), std::string::npos);
  EXPECT_EQ(out.str(), "");
}

// A full disk swallows the PDF: that is a failure, never "pages: N".
TEST_F(PrintCommandTest, AFailedWriteIsAFailure) {
  if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  std::string doc = WriteLines(200);
  EXPECT_EQ(Run({doc, "--pdf", "/dev/full"}), kPdfPrintFailed);
  EXPECT_NE(err.str().find("cannot write /dev/full"), std::string::npos) << err.str();
  EXPECT_EQ(out.str(), "");
}

TEST_F(PrintCommandTest, HelpAndVersion) {
  EXPECT_EQ(Run({"--version"}), kPdfPrintOk);
  EXPECT_EQ(out.str(), "Foresta 2.8\n");
  EXPECT_EQ(Run({"--help"}), kPdfPrintOk);
  EXPECT_NE(out.str().find("foresta-print FILE --pdf OUT.pdf"), std::string::npos);
}

// `foresta-cli print` runs foresta-print from its own folder and passes
// through what it prints and its exit status.
class PrintLauncherTest : public PrintFixture {
 protected:
  // Runs `program` with `args`; returns the exit status (-1 if it did not run).
  int Launch(const QString& program, const QStringList& args) {
    QProcess process;
    // Qt warns on standard error when it lacks a runtime folder.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", dir.path());
    process.setProcessEnvironment(env);
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return -1;
    out = QString::fromUtf8(process.readAllStandardOutput());
    err = QString::fromUtf8(process.readAllStandardError());
    return process.exitCode();
  }
  static QString Cli() { return QStringLiteral(FORESTA_BIN_DIR "/foresta-cli"); }
  QString out;
  QString err;
};

TEST_F(PrintLauncherTest, PassesOutputAndExitStatusThrough) {
  std::string doc = WriteLines(70);
  QString pdf = QString::fromStdString(Path("doc.pdf"));
  ASSERT_EQ(Launch(Cli(), {"print", QString::fromStdString(doc), "--pdf", pdf}), 0) << err.toStdString();
  EXPECT_TRUE(out.startsWith("pages: ")) << out.toStdString();
  EXPECT_TRUE(out.endsWith(", lines: 70\n")) << out.toStdString();
  EXPECT_EQ(err, "");
  EXPECT_TRUE(QFile::exists(pdf));

  EXPECT_EQ(Launch(Cli(), {"print", QString::fromStdString(Path("absent.txt")), "--pdf", pdf}), 1);
  EXPECT_TRUE(err.contains("absent.txt")) << err.toStdString();
  EXPECT_EQ(out, "");
  EXPECT_EQ(Launch(Cli(), {"print", QString::fromStdString(doc)}), 2);
  EXPECT_TRUE(err.contains("--pdf")) << err.toStdString();
}

TEST_F(PrintLauncherTest, SaysSoWhenThePrinterIsMissing) {
  // A copy of foresta-cli alone in a folder: nothing to run beside it.
  QString lone = QString::fromStdString(Path("foresta-cli"));
  ASSERT_TRUE(QFile::copy(Cli(), lone));
  std::string doc = WriteLines(3);
  EXPECT_EQ(Launch(lone, {"print", QString::fromStdString(doc), "--pdf", QString::fromStdString(Path("x.pdf"))}), 1);
  EXPECT_TRUE(err.contains("foresta-print was not found")) << err.toStdString();
  EXPECT_EQ(out, "");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("x.pdf"))));
}

}  // namespace
}  // namespace foresta
