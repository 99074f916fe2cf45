#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "interchange/report_records.h"
#include "support/temp_dir.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;

TEST(ReportRecordsTest, JsonLinesForOneAndSeveralVariables) {
  const float one[] = {3.2222223f};
  EXPECT_EQ(CandidateJson("a \"b\".txt", 1, one, 5.0f),
            "{\"kind\":\"candidate\",\"file\":\"a \\\"b\\\".txt\",\"step\":1,"
            "\"value\":3.2222223,\"weight\":5}\n");
  const float two[] = {4.0f, 1e-7f};
  EXPECT_EQ(CandidateJson("x", 3, two, 1e20f),
            "{\"kind\":\"candidate\",\"file\":\"x\",\"step\":3,"
            "\"value\":[4,1e-07],\"weight\":1e+20}\n");

  SummaryRecord s;
  s.made = true;
  s.weightedAverage = {3.0740740f};
  s.highestProbability = {3.2222223f};
  s.highestWeight = 5;
  s.error = {std::numeric_limits<float>::quiet_NaN()};
  EXPECT_EQ(SummaryJson("f", 1, s),
            "{\"kind\":\"summary\",\"file\":\"f\",\"step\":1,\"weightedAverage\":3.074074,"
            "\"highestProbability\":3.2222223,\"highestWeight\":5,\"error\":null}\n");
  s.made = false;
  EXPECT_EQ(SummaryJson("f", 2, s),
            "{\"kind\":\"summary\",\"file\":\"f\",\"step\":2,\"weightedAverage\":null,"
            "\"highestProbability\":null,\"highestWeight\":0,\"error\":null}\n");
  EXPECT_EQ(ErrorJson("Input File: No data \n"),
            "{\"kind\":\"error\",\"message\":\"Input File: No data \\n\"}\n");
  EXPECT_EQ(JsonString(std::string("\x01\t", 2)), "\"\\u0001\\t\"");
}

TEST(ReportRecordsTest, CsvRowsQuoteOnlyWhatNeedsIt) {
  ScopedTempDir dir;
  CsvRecordFile csv;
  ASSERT_EQ(csv.Open("out.csv"), "");
  const float one[] = {103.0f};
  csv.Candidate("dir/a,b.txt", 1, one, 4.0f);
  SummaryRecord s;
  s.made = true;
  s.weightedAverage = {103.0f};
  s.highestProbability = {103.0f};
  s.highestWeight = 4;
  s.error = {1.0f};
  csv.Summary("plain.txt", 2, s);
  s.made = false;
  const float two[] = {1.5f, -2.0f};
  csv.Candidate("say \"x\"", 1, two, 2.0f);
  csv.Summary("none.txt", 1, s);
  EXPECT_FALSE(std::filesystem::exists("out.csv"));  // appears whole at the end
  ASSERT_EQ(csv.Commit(), "");
  EXPECT_EQ(ReadFile("out.csv"),
            "file,step,kind,value,weight\n"
            "\"dir/a,b.txt\",1,candidate,103,4\n"
            "plain.txt,2,weightedAverage,103,\n"
            "plain.txt,2,highestProbability,103,4\n"
            "plain.txt,2,error,1,\n"
            "\"say \"\"x\"\"\",1,candidate,1.5 -2,2\n"
            "none.txt,1,weightedAverage,,\n"
            "none.txt,1,highestProbability,,0\n"
            "none.txt,1,error,,\n");
}

TEST(ReportRecordsTest, CsvFileThatCannotBeWrittenSaysSo) {
  CsvRecordFile csv;
  EXPECT_NE(csv.Open("/nonexistent-dir/out.csv"), "");
}

}  // namespace
}  // namespace foresta
