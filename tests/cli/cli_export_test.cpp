#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/cli_commands.h"
#include "support/cli_records.h"
#include "support/temp_dir.h"

namespace foresta {
namespace {

using testing::Cli;
using testing::CliRun;
using testing::Lines;
using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;

// The number after "key": in a JSON line, in the report's own form (six
// significant digits), so the two can be compared as text.
std::string Field(const std::string& line, const std::string& key) {
  const std::size_t at = line.find("\"" + key + "\":");
  if (at == std::string::npos) return "<none>";
  const float value = std::strtof(line.c_str() + at + key.size() + 3, nullptr);
  char text[32];
  std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
  return text;
}

std::string After(const std::string& report, const std::string& title) {
  const std::size_t at = report.find(title + "\n");
  if (at == std::string::npos) return "<none>";
  const std::size_t start = at + title.size() + 1;
  return report.substr(start, report.find('\n', start) - start);
}

class CliExportTest : public ::testing::Test {
 protected:
  CliExportTest() {
    WriteFile("example2a.txt", ReadFile(std::string(FORESTA_DATA_DIR) + "/example2a.txt"));
  }
  ScopedTempDir dir_;
};

// The records carry the numbers the report writes: every candidate line of
// the report is one candidate record, and the summary matches the report's
// last three sections, for the real, integer, summary-only and growth forms.
TEST_F(CliExportTest, JsonRecordsMatchEveryReportForm) {
  for (const char* code : {"1", "5", "11", "16", "20", "24"}) {
    CliRun r = Cli({"predict", "--json", "--code", code, "example2a.txt"});
    ASSERT_EQ(r.exit, kExitOk) << code << r.out;
    const std::string report = ReadFile("example2b.txt");
    const std::vector<std::string> records = Lines(r.out);
    ASSERT_GE(records.size(), 2u) << code;
    const std::string& summary = records.back();
    ASSERT_EQ(summary.rfind("{\"kind\":\"summary\",\"file\":\"example2a.txt\",\"step\":1,", 0),
              0u)
        << summary;
    EXPECT_EQ(Field(summary, "weightedAverage") + "  ", After(report, "Weighted Average"))
        << code;
    EXPECT_EQ(Field(summary, "highestProbability") + "  " + Field(summary, "highestWeight"),
              After(report, "Highest Probability"))
        << code;
    EXPECT_EQ(Field(summary, "error") + "  ", After(report, "Error of each number")) << code;
    if (report.rfind("Possibility", 0) == 0) {
      const std::vector<std::string> lines = Lines(report);
      ASSERT_EQ(records.size() - 1, lines.size() - 8) << code;  // header, dashes, 3 x 2
      for (std::size_t i = 0; i + 1 < records.size(); ++i) {
        EXPECT_EQ(Field(records[i], "value") + "       " + Field(records[i], "weight"),
                  lines[i + 1])
            << code;
      }
    }
    // --json before the subcommand means the same.
    EXPECT_EQ(Cli({"--json", "predict", "--code", code, "example2a.txt"}).out, r.out);
  }
}

TEST_F(CliExportTest, EveryStepOfAnAverageIsOneSummary) {
  for (const char* code : {"301", "304", "1012"}) {
    CliRun r = Cli({"predict", "--json", "--code", code, "example2a.txt"});
    ASSERT_EQ(r.exit, kExitOk) << code;
    const std::vector<std::string> table = Lines(ReadFile("example2b.txt"));
    std::vector<std::string> summaries;
    for (const std::string& line : Lines(r.out)) {
      if (line.find("\"kind\":\"summary\"") != std::string::npos) summaries.push_back(line);
    }
    ASSERT_EQ(summaries.size(), table.size()) << code;
    for (std::size_t s = 0; s < table.size(); ++s) {
      EXPECT_NE(summaries[s].find(",\"step\":" + std::to_string(s + 1) + ","),
                std::string::npos);
      std::istringstream row(table[s]);
      float average = 0, weight = 0;
      row >> average >> weight;
      // The growth table turns the step's rate back into a value, which
      // may differ from the average in the last digit.
      EXPECT_NEAR(std::stof(Field(summaries[s], "weightedAverage")), average,
                  std::abs(average) * 2e-6)
          << code;
      EXPECT_EQ(std::stof(Field(summaries[s], "highestWeight")), weight) << code;
    }
  }
}

TEST_F(CliExportTest, DirectoryRunNamesEachFileAndCsvHoldsTheSameRows) {
  std::filesystem::create_directory("series");
  WriteFile("series/a.txt", ReadFile("example2a.txt"));
  WriteFile("series/b.txt", ReadFile("example2a.txt"));
  CliRun json = Cli({"predict", "--code", "16", "--json", "series"});
  ASSERT_EQ(json.exit, kExitOk);
  CliRun text = Cli({"predict", "--code", "16", "--csv", "out.csv", "series"});
  ASSERT_EQ(text.exit, kExitOk);
  EXPECT_EQ(text.out, ReadFile("example2b.txt"));  // the report is still printed

  std::vector<std::string> summaries;
  std::size_t candidates = 0;
  for (const std::string& line : Lines(json.out)) {
    if (line.find("\"kind\":\"summary\"") != std::string::npos) summaries.push_back(line);
    if (line.find("\"kind\":\"candidate\"") != std::string::npos) ++candidates;
  }
  ASSERT_EQ(summaries.size(), 2u);
  EXPECT_NE(summaries[0].find("\"file\":\"series/a.txt\""), std::string::npos);
  EXPECT_NE(summaries[1].find("\"file\":\"series/b.txt\""), std::string::npos);
  const std::string section = "Input file: series/b.txt\n\nWeighted Average\n";
  const std::size_t at = text.out.find(section);
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(text.out.substr(at + section.size(), text.out.find('\n', at + section.size()) -
                                                     at - section.size()),
            Field(summaries[1], "weightedAverage") + "  ");

  const std::vector<std::string> rows = Lines(ReadFile("out.csv"));
  ASSERT_EQ(rows.size(), 1 + candidates + 3 * summaries.size());
  EXPECT_EQ(rows[0], "file,step,kind,value,weight");
  EXPECT_EQ(rows[1].rfind("series/a.txt,1,candidate,", 0), 0u);
  const std::string highest = "series/b.txt,1,highestProbability,";
  EXPECT_EQ(rows[rows.size() - 2].rfind(highest, 0), 0u);
}

TEST_F(CliExportTest, FailuresBecomeErrorRecords) {
  WriteFile("short.txt", "*c*1\n1\n2\n");
  CliRun r = Cli({"predict", "--json", "short.txt"});
  EXPECT_EQ(r.exit, kExitFailure);
  EXPECT_EQ(r.out,
            "{\"kind\":\"error\",\"message\":\"Please Test Your Input File \\n Click: "
            "Initialization/Test Data File \"}\n");
  EXPECT_EQ(r.err, "");

  r = Cli({"predict", "--json", "--code", "107", "example2a.txt"});
  EXPECT_EQ(r.exit, kExitFailure);
  EXPECT_EQ(r.out.rfind("{\"kind\":\"error\",\"message\":\"Run code 107 cannot be averaged", 0),
            0u);

  r = Cli({"predict", "--json", "--csv", "no/such/dir/out.csv", "example2a.txt"});
  EXPECT_EQ(r.exit, kExitFailure);
  EXPECT_EQ(r.out.rfind("{\"kind\":\"error\",\"message\":\"cannot write no/such/dir/out.csv", 0),
            0u);

  // A failed run leaves no CSV file behind.
  r = Cli({"predict", "--csv", "out.csv", "short.txt"});
  EXPECT_EQ(r.exit, kExitFailure);
  EXPECT_FALSE(std::filesystem::exists("out.csv"));
  EXPECT_EQ(Cli({"predict", "--csv"}).exit, kExitUsage);
}

}  // namespace
}  // namespace foresta
