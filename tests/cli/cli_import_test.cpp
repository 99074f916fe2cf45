#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "cli/cli_commands.h"
#include "support/temp_dir.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;

struct ImportRun {
  int exit;
  std::string out;
  std::string err;
};

ImportRun Cli(std::vector<std::string> args) {
  std::ostringstream out, err;
  int exit = RunCommandLine(args, {out, err});
  return {exit, out.str(), err.str()};
}

// The observations of the bundled example, as the input format holds them.
std::vector<std::string> ExampleValues() {
  std::string text = ReadFile(std::string(FORESTA_DATA_DIR) + "/example2a.txt");
  std::istringstream in(text.substr(text.find('*', text.find('*') + 1) + 1));
  int n = 0;
  in >> n;
  std::vector<std::string> values;
  for (std::string v; in >> v;) values.push_back(v);
  return values;
}

class CliImportTest : public ::testing::Test {
 protected:
  ScopedTempDir dir_;
};

// A spreadsheet export of the example series: byte-order mark, CRLF,
// semicolons, decimal commas, day/month/year dates, a text column, a value
// in exponent form. Imported, it passes the input test and predicts exactly
// what the series typed in the input format predicts.
TEST_F(CliImportTest, SpreadsheetExportPredictsLikeTheTypedSeries) {
  const std::vector<std::string> values = ExampleValues();
  ASSERT_EQ(values.size(), 240u);
  std::string csv = "\xEF\xBB\xBF" "Datum;Kommentar;\"Wert; EUR\"\r\n";
  std::string typed = "*the example typed again*\n1\n";
  for (std::size_t i = 0; i < values.size(); ++i) {
    std::string decimal = values[i];
    std::replace(decimal.begin(), decimal.end(), '.', ',');
    if (i == 3) decimal = "1,1192E2";  // 111.92
    csv += "01." + std::string(i % 12 < 9 ? "0" : "") + std::to_string(i % 12 + 1) + "." +
           std::to_string(2000 + i / 12) + ";\"note " + std::to_string(i) + "\";" + decimal +
           "\r\n";
    typed += values[i] + "\n";
  }
  WriteFile("sales.csv", csv);
  WriteFile("typed.txt", typed);

  ImportRun r = Cli({"import", "sales.csv"});
  ASSERT_EQ(r.exit, kExitOk) << r.err;
  EXPECT_EQ(r.out,
            "Imported 240 rows of 1 column (Wert; EUR) from sales.csv into sales.txt, "
            "dates 01.01.2000 to 01.12.2019; 0 skipped, 0 filled.\n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(Cli({"test", "sales.txt"}).out, "Input File is OK \nvariables: 1, rows: 240\n");

  for (const char* code : {"1", "6", "12", "301"}) {
    ASSERT_EQ(Cli({"predict", "--code", code, "--output", "a.txt", "sales.txt"}).exit, 0);
    ASSERT_EQ(Cli({"predict", "--code", code, "--output", "b.txt", "typed.txt"}).exit, 0);
    EXPECT_EQ(ReadFile("a.txt"), ReadFile("b.txt")) << code;
  }
}

TEST_F(CliImportTest, OptionsChooseColumnsDatesAndPolicy) {
  WriteFile("m.csv",
            "when\tx\ty\n"
            "1\t1.5\tNA\n"
            "2\t\t4\n"
            "3\t3.5\t6\n");
  ImportRun r = Cli({"import", "m.csv", "--delimiter", "tab", "--date-column", "when",
                     "--columns", "y,2", "--missing", "interpolate", "--output", "out.txt"});
  ASSERT_EQ(r.exit, kExitOk) << r.err;
  const std::string text = ReadFile("out.txt");
  EXPECT_EQ(text.substr(text.find("*\n", text.find("rows:")) + 2), "2\n4 2.5\n6 3.5\n");

  r = Cli({"--json", "import", "m.csv", "--missing", "previous", "--date-column", "none",
           "--force", "--output", "out.txt"});
  EXPECT_EQ(r.exit, kExitOk);
  EXPECT_EQ(r.out,
            "{\"kind\":\"imported\",\"file\":\"out.txt\",\"source\":\"m.csv\","
            "\"columns\":[\"when\",\"x\",\"y\"],\"rows\":2,\"skipped\":1,\"filled\":1}\n");
  EXPECT_EQ(Cli({"import", "m.csv", "--json", "--missing", "skip"}).out.rfind(
                "{\"kind\":\"imported\",\"file\":\"m.txt\"", 0),
            0u);
}

TEST_F(CliImportTest, RefusalsNameRowAndColumnAndLeaveNoFile) {
  WriteFile("bad.csv", "a,b\n1,2\n3\n");
  ImportRun r = Cli({"import", "bad.csv"});
  EXPECT_EQ(r.exit, kExitFailure);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            "foresta-cli: import: bad.csv: row 3, column 2: the row has 1 fields where the "
            "first row has 2\n");
  EXPECT_FALSE(std::filesystem::exists("bad.txt"));

  WriteFile("gap.csv", "v\n1\nNA\n3\n");
  r = Cli({"--json", "import", "gap.csv"});
  EXPECT_EQ(r.exit, kExitFailure);
  EXPECT_EQ(r.out,
            "{\"kind\":\"error\",\"message\":\"gap.csv: row 3, column 1: missing value "
            "\\\"NA\\\" in column \\\"v\\\"; --missing skip, previous or interpolate "
            "accepts it\"}\n");

  WriteFile("gap.txt", "keep me");
  r = Cli({"import", "gap.csv", "--missing", "skip"});
  EXPECT_EQ(r.err, "foresta-cli: import: gap.csv: gap.txt already exists; --force replaces it\n");
  EXPECT_EQ(ReadFile("gap.txt"), "keep me");

  r = Cli({"import", "nothere.csv"});
  EXPECT_EQ(r.exit, kExitFailure);
  EXPECT_NE(r.err.find("cannot open nothere.csv"), std::string::npos);

  for (std::vector<std::string> usage :
       {std::vector<std::string>{"import"}, {"import", "a.csv", "b.csv"},
        {"import", "a.csv", "--missing", "guess"}, {"import", "a.csv", "--delimiter", "ab"},
        {"import", "a.csv", "--columns", "a,,b"}, {"import", "a.csv", "--output"}}) {
    EXPECT_EQ(Cli(usage).exit, kExitUsage) << usage.back();
  }
}

}  // namespace
}  // namespace foresta
