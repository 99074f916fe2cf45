#include "frame/chart/model/series_data.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace foresta {
namespace {

using testing::ScopedTempDir;
using testing::WriteFile;

class SeriesDataTest : public ::testing::Test {
 protected:
  ScopedTempDir dir_;
};

TEST_F(SeriesDataTest, ReadsTheChosenVariableWhateverTheLineLayout) {
  // Two variables, rows split across lines as the input format allows.
  WriteFile("two.txt", "pre*\n\n   Monthly sales  \nsecond line*2\n1 10\n2\n20 3 30\r\n4 40\n");
  SeriesResult first = ReadSeries("two.txt", 1);
  ASSERT_TRUE(first.status.ok()) << first.status.message;
  EXPECT_EQ(first.series.values, (std::vector<float>{1, 2, 3, 4}));
  EXPECT_EQ(first.series.variableCount, 2u);
  EXPECT_EQ(first.series.title, "Monthly sales");
  SeriesResult second = ReadSeries("two.txt", 2);
  EXPECT_EQ(second.series.values, (std::vector<float>{10, 20, 30, 40}));
  // The chart's own reading leaves the user's echo file alone.
  EXPECT_FALSE(std::filesystem::exists("error.tmp"));
}

TEST_F(SeriesDataTest, TitleFallsBackToTheFileName) {
  WriteFile("blank.txt", "x* \n \t *1\n1\n2\n");
  EXPECT_EQ(SeriesTitle("blank.txt"), "blank.txt");
  WriteFile("inline.txt", "*Prices*1\n1\n2\n");
  EXPECT_EQ(SeriesTitle("inline.txt"), "Prices");
  std::filesystem::create_directory("sub");
  WriteFile("sub/none.txt", "");
  EXPECT_EQ(SeriesTitle("sub/none.txt"), "none.txt");
}

TEST_F(SeriesDataTest, RefusesWhatCannotBeDrawnWithAClearMessage) {
  struct Case {
    const char* content;
    int variable;
    int code;
    const char* says;
  } cases[] = {
      {"*c*1\n", 1, 156, "Input File: No data"},
      {"*c*1\n7\n", 1, 860, "1 row"},
      {"*c*1\n1\n2 x\n", 1, 157, "Invalid Character"},
      {"*c*2\n1 2 3\n", 1, 158, "Last row is not complete"},
      {"*c*2\n1 2\n3 4\n", 3, 861, "which has 2 variables"},
      {"no comment", 1, 152, "Missing Comment"},
      // The input test refuses a value beyond single precision, naming it.
      {"*c*1\n1\n1000000000000000000000000000000000000000000\n", 1, 801, "row 2"},
  };
  for (const Case& c : cases) {
    WriteFile("bad.txt", c.content);
    SeriesResult r = ReadSeries("bad.txt", c.variable);
    EXPECT_EQ(r.status.code, c.code) << c.content;
    EXPECT_NE(r.status.message.find(c.says), std::string::npos) << r.status.message;
    EXPECT_NE(r.status.message.find("bad.txt"), std::string::npos) << r.status.message;
  }
  SeriesResult missing = ReadSeries("absent.txt", 1);
  EXPECT_EQ(missing.status.code, 151);
  EXPECT_EQ(missing.status.message, "Cannot chart absent.txt: Unable to Open Input File");
}

TEST_F(SeriesDataTest, WideFilesPassTheNeuronLimitsThatAPredictionWouldApply) {
  // 30,000 variables: far beyond what a prediction of trend 5 accepts, but
  // a well-formed file that a chart can draw one variable of.
  std::string text = "*wide*30000\n";
  for (int row = 0; row < 2; ++row) {
    for (int j = 0; j < 30000; ++j) text += std::to_string(row * 100000 + j) + " ";
    text += "\n";
  }
  WriteFile("wide.txt", text);
  SeriesResult r = ReadSeries("wide.txt", 30000);
  ASSERT_TRUE(r.status.ok()) << r.status.message;
  EXPECT_EQ(r.series.values, (std::vector<float>{29999, 129999}));
}

}  // namespace
}  // namespace foresta
