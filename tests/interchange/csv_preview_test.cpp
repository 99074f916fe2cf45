#include <gtest/gtest.h>

#include "interchange/csv_preview.h"
#include "support/temp_dir.h"

namespace foresta {
namespace {

using testing::ScopedTempDir;
using testing::WriteFile;

CsvPreview Preview(const std::string& bytes, CsvChoices choices = {}) {
  WriteFile("in.csv", bytes);
  return PreviewCsv("in.csv", choices);
}

TEST(GuessDelimiterTest, PicksTheDelimiterEveryLineAgreesOn) {
  EXPECT_EQ(GuessDelimiter("a,b,c\n1,2,3\n"), ',');
  EXPECT_EQ(GuessDelimiter("a;b\n1,5;2,5\n3,25;4\n"), ';');
  EXPECT_EQ(GuessDelimiter("a\tb\n1,5\t2\n"), '\t');
  // Commas inside quotes do not count.
  EXPECT_EQ(GuessDelimiter("name;value\n\"a, b\";1\n\"c\";2\n"), ';');
  EXPECT_EQ(GuessDelimiter("x,\"y;z\"\n1,2\n"), ',');
  EXPECT_EQ(GuessDelimiter("one column\n1\n2\n"), ',');
}

class CsvPreviewTest : public ::testing::Test {
 protected:
  ScopedTempDir dir_;
};

TEST_F(CsvPreviewTest, FindsHeaderDatesAndNumericColumns) {
  CsvPreview p = Preview(
      "Date,Open,Name,Close\r\n"
      "2024-01-02,10.5,alpha,11\r\n"
      "2024-01-03,NA,beta,12\r\n");
  ASSERT_TRUE(p.problem.ok()) << p.problem.message;
  EXPECT_EQ(p.delimiter, ',');
  EXPECT_TRUE(p.header);
  EXPECT_FALSE(p.decimalComma);
  ASSERT_EQ(p.columns.size(), 4u);
  EXPECT_EQ(p.columns[1].name, "Open");
  EXPECT_EQ(p.dateColumn, 0);
  EXPECT_FALSE(p.columns[0].numeric);
  EXPECT_TRUE(p.columns[1].numeric);
  EXPECT_FALSE(p.columns[2].numeric);
  EXPECT_EQ(p.columns[2].firstText, "alpha");
  EXPECT_EQ(p.columns[2].firstTextRow, 2);
  EXPECT_TRUE(p.columns[3].numeric);
  EXPECT_EQ(p.columns[1].missing, 1);
  ASSERT_EQ(p.rows.size(), 2u);
  EXPECT_EQ(p.rowNumbers[1], 3);
}

TEST_F(CsvPreviewTest, SemicolonsWithDecimalCommasAndDayMonthYear) {
  CsvPreview p = Preview("\xEF\xBB\xBF" "Datum;Wert\n31.01.2024;1,5\n29.02.2024;2,25\n");
  ASSERT_TRUE(p.problem.ok());
  EXPECT_EQ(p.delimiter, ';');
  EXPECT_TRUE(p.decimalComma);
  EXPECT_EQ(p.columns[0].name, "Datum");  // the byte-order mark is not part of it
  EXPECT_EQ(p.dateColumn, 0);
  EXPECT_TRUE(p.columns[1].numeric);
}

TEST_F(CsvPreviewTest, WithoutHeaderTheFirstRowIsData) {
  CsvPreview p = Preview("1999,5\n2000,6\n2001,7\n");
  EXPECT_FALSE(p.header);
  EXPECT_EQ(p.rows.size(), 3u);
  EXPECT_EQ(p.columns[0].name, "column 1");
  EXPECT_EQ(p.dateColumn, 0);  // strictly increasing years beside a series

  EXPECT_EQ(Preview("1999,5\n1998,6\n").dateColumn, -1);  // not increasing
  EXPECT_EQ(Preview("1200\n1350\n1500\n").dateColumn, -1);  // the series itself
  EXPECT_EQ(Preview("year,v\n1999,5\n2000,6\n").dateColumn, 0);
}

TEST_F(CsvPreviewTest, ChoicesOverrideTheGuesses) {
  CsvChoices choices;
  choices.dateColumn = "none";
  CsvPreview p = Preview("1999,5\n2000,6\n", choices);
  EXPECT_EQ(p.dateColumn, -1);
  EXPECT_TRUE(p.columns[0].numeric);

  choices.dateColumn = "2";
  EXPECT_EQ(Preview("a,b\n1,x\n", choices).dateColumn, 1);
  choices.dateColumn = "b";
  EXPECT_EQ(Preview("a,b\n1,x\n", choices).dateColumn, 1);
  choices.dateColumn = "c";
  EXPECT_EQ(Preview("a,b\n1,x\n", choices).problem.code, kMsgImportUnknownColumn);

  CsvChoices tab;
  tab.delimiter = '\t';
  tab.decimalComma = false;
  p = Preview("a,b\n1,2\n", tab);
  EXPECT_EQ(p.columns.size(), 1u);
  EXPECT_EQ(p.columns[0].name, "a,b");
}

TEST_F(CsvPreviewTest, EmptyAndBinaryFilesAreNamedAsSuch) {
  EXPECT_EQ(Preview("").problem.code, kMsgImportEmpty);
  EXPECT_EQ(Preview("\n\n  \n").problem.code, kMsgImportEmpty);
  CsvPreview p = Preview(std::string("a,b\n1,\0\x01\x02", 9));
  EXPECT_EQ(p.problem.code, kMsgImportBinary);
  EXPECT_EQ(p.problem.row, 2);
  EXPECT_EQ(p.problem.column, 2);
  EXPECT_EQ(Preview(std::string("\xFF\xFE" "a\0,\0", 6)).problem.code, kMsgImportBinary);
}

}  // namespace
}  // namespace foresta
