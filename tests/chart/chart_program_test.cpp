// foresta-chart as scripts run it: files in, a picture out, exit codes.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "frame/chart/forecast_chart.h"

namespace foresta {
namespace {

struct ChartRun {
  int exit = -1;
  QString out, err;
};

class ChartProgramTest : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }
  void Write(const QString& name, const QByteArray& bytes) const {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  ChartRun Chart(const QStringList& args) const {
    QProcess process;
    process.setWorkingDirectory(dir_.path());
    process.start(QStringLiteral(FORESTA_BIN_DIR "/foresta-chart"), args);
    ChartRun run;
    if (!process.waitForFinished(60000)) return run;
    run.exit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
  }
  QTemporaryDir dir_;
};

TEST_F(ChartProgramTest, WritesPngAndSvgWithTheReportAndTheBacktest) {
  QByteArray series = "*Series for the program\n*1\n";
  for (int r = 1; r <= 30; ++r) series += QByteArray::number(r <= 15 ? 10 : 20) + "\n";
  Write("in.txt", series);
  Write("report.txt",
        "Possibility              Confidence*Probability  \n21       3\n24       1\n" +
            QByteArray(51, '-') +
            "\nWeighted Average\n21.75  \nHighest Probability\n21  3\nError of each number\n1.5  \n");
  Write("bt.json",
        R"({"kind":"forecast","setting":{"method":"naive"},"window":"scored","origin":29,"forecast":20,"actual":20})"
        "\n"
        R"({"kind":"recommendation","setting":{"method":"naive"},"next":20,"lower80":19,"upper80":21,"lower95":null,"upper95":null,"scoredMase":null,"coverage80":null,"coverage95":null})"
        "\n");
  ChartRun png = Chart({"in.txt", "--report", "report.txt", "--png", "out.png"});
  ASSERT_EQ(png.exit, 0) << png.err.toStdString();
  QImage image(Path("out.png"));
  ASSERT_EQ(image.size(), QSize(1000, 600));
  // Some pixels of the series line, the candidates and the white ground.
  int line = 0, candidates = 0, white = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      line += c == kSeriesColor;
      candidates += c == kCandidateColor;
      white += c == 0xffffffff;
    }
  }
  EXPECT_GT(line, 200);
  EXPECT_GT(candidates, 20);
  EXPECT_GT(white, 1000 * 600 / 2);

  ChartRun svg = Chart({"--size", "640x400", "--backtest", "bt.json", "in.txt", "--svg", "out.svg"});
  ASSERT_EQ(svg.exit, 0) << svg.err.toStdString();
  QFile file(Path("out.svg"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  EXPECT_TRUE(text.contains("<svg width=\"640\" height=\"400\""));
  EXPECT_TRUE(text.contains("Series for the program"));
  EXPECT_TRUE(png.out.isEmpty());
}

TEST_F(ChartProgramTest, EmptyAndOneRowSeriesAreRefusedWithAMessageAndNoPicture) {
  Write("empty.txt", "*nothing yet*1\n");
  Write("one.txt", "*one*1\n42\n");
  Write("two.txt", "*two variables*2\n1 2\n3 4\n");
  struct Case {
    QStringList args;
    const char* says;
  } cases[] = {
      {{"empty.txt", "--png", "e.png"}, "Input File: No data"},
      {{"one.txt", "--png", "e.png"}, "at least two rows"},
      {{"one.txt", "--svg", "e.svg"}, "one.txt has 1 row"},
      {{"two.txt", "--variable", "3", "--png", "e.png"}, "no such variable"},
      {{"absent.txt", "--png", "e.png"}, "Unable to Open Input File"},
      {{"two.txt", "--report", "absent.txt", "--png", "e.png"}, "report cannot be read"},
      {{"two.txt", "--report", "two.txt", "--png", "e.png"}, "does not fit"},
      {{"two.txt", "--backtest", "two.txt", "--png", "e.png"}, "line 1"},
  };
  for (const Case& c : cases) {
    ChartRun run = Chart(c.args);
    EXPECT_EQ(run.exit, 1) << c.args.join(' ').toStdString();
    EXPECT_NE(run.err.indexOf(QLatin1String(c.says)), -1) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("e.png")));
    EXPECT_FALSE(QFile::exists(Path("e.svg")));
  }
  ChartRun unwritable = Chart({"two.txt", "--png", "missing/dir/e.png"});
  EXPECT_EQ(unwritable.exit, 1);
  EXPECT_NE(unwritable.err.indexOf(QLatin1String("could not be written")), -1);
}

TEST_F(ChartProgramTest, UsageErrorsExitWithTwo) {
  Write("two.txt", "*two variables*2\n1 2\n3 4\n");
  for (const QStringList& args :
       {QStringList{}, QStringList{"two.txt"}, QStringList{"two.txt", "--png", "a.png", "--svg", "a.svg"},
        QStringList{"two.txt", "--png", "a.png", "--size", "big"},
        QStringList{"two.txt", "--png", "a.png", "--variable", "x"},
        QStringList{"two.txt", "--pdf", "a.pdf"}}) {
    ChartRun run = Chart(args);
    EXPECT_EQ(run.exit, 2) << args.join(' ').toStdString();
    EXPECT_NE(run.err.indexOf(QLatin1String("usage: foresta-chart")), -1);
  }
  ChartRun help = Chart({"--help"});
  EXPECT_EQ(help.exit, 0);
  EXPECT_TRUE(help.out.startsWith(QLatin1String("usage: foresta-chart INPUT")));
}

}  // namespace
}  // namespace foresta
