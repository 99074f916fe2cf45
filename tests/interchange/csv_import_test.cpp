#include <gtest/gtest.h>

#include <filesystem>

#include "interchange/csv_import.h"
#include "prediction/input_check.h"
#include "support/temp_dir.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;

std::string Repeated(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

class CsvImportTest : public ::testing::Test {
 protected:
  ImportSummary Import(const std::string& bytes, ImportRequest request = {}) {
    WriteFile("data.csv", bytes);
    request.csvFile = "data.csv";
    return ImportCsv(request);
  }
  // The data section of the written file: what follows the comment.
  static std::string Data(const std::string& file) {
    std::string text = ReadFile(file);
    std::size_t first = text.find('*');
    std::size_t second = text.find('*', first + 1);
    return second == std::string::npos ? "" : text.substr(second + 2);
  }
  // Only the temporary files' absence proves nothing was left behind.
  static std::size_t FilesHere() {
    std::size_t n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
      (void)entry;
      ++n;
    }
    return n;
  }
  ScopedTempDir dir_;
};

TEST_F(CsvImportTest, HeaderDatesAndExponents) {
  ImportSummary s = Import(
      "Date,Price,Volume\n"
      "2024-01-02,1.5e2,1e-7\n"
      "2024-01-03,151.25,2E3\n"
      "2024-01-04,-0.5,3\n");
  ASSERT_TRUE(s.problem.ok()) << s.problem.message;
  EXPECT_EQ(s.outputFile, "data.txt");
  EXPECT_EQ(s.columns, (std::vector<std::string>{"Price", "Volume"}));
  EXPECT_EQ(s.firstDate, "2024-01-02");
  EXPECT_EQ(s.lastDate, "2024-01-04");
  EXPECT_EQ(s.rowsWritten, 3);
  const std::string text = ReadFile("data.txt");
  EXPECT_EQ(text.substr(0, text.find('*') + 1), "Foresta input imported from CSV *");
  EXPECT_NE(text.find(" source: data.csv\n columns: Price, Volume\n date column: Date\n"
                      " dates: 2024-01-02 to 2024-01-04"),
            std::string::npos);
  EXPECT_NE(text.find(" rows: 3 written, 0 skipped, 0 filled"), std::string::npos);
  EXPECT_EQ(Data("data.txt"), "2\n150 0.0000001\n151.25 2000\n-0.5 3\n");

  PredictionState state;
  int rows = -1;
  EXPECT_EQ(TestInputFile({"data.txt", 10, 2}, state, rows), kInputOk);
  EXPECT_EQ(rows, 3);
  EXPECT_EQ(state.VariableCount, 2u);
}

TEST_F(CsvImportTest, SemicolonsDecimalCommasBomAndCrlf) {
  ImportSummary s = Import(
      "\xEF\xBB\xBF" "Datum;Umsatz;Kosten\r\n"
      "31.01.2024;1.234;5,5\r\n"
      "29.02.2024;2,25;6\r\n");
  // A number written with a point rules decimal commas out...
  EXPECT_EQ(s.problem.message,
            "row 3, column 2: column \"Umsatz\" is not numeric, first bad value \"2,25\"");
  // ...and where commas are chosen, a point is no separator.
  ImportRequest comma;
  comma.choices.decimalComma = true;
  s = Import("Datum;Umsatz\n31.01.2024;1.234\n29.02.2024;2,25\n", comma);
  EXPECT_EQ(s.problem.message,
            "row 2, column 2: column \"Umsatz\" is not numeric, first bad value \"1.234\"");

  s = Import(
      "\xEF\xBB\xBF" "Datum;Umsatz;Kosten\r\n"
      "31.01.2024;1234;5,5\r\n"
      "29.02.2024;2,25;6\r\n");
  ASSERT_TRUE(s.problem.ok()) << s.problem.message;
  EXPECT_EQ(Data("data.txt"), "2\n1234 5.5\n2.25 6\n");
  EXPECT_EQ(s.firstDate, "31.01.2024");
}

TEST_F(CsvImportTest, QuotedFieldsWithDelimitersInside) {
  ImportRequest request;
  request.choices.dateColumn = "none";
  ImportSummary s = Import(
      "\"label, long\",\"value\",\"count\"\n"
      "\"a, b\",\"1.5\",2\n"
      "\"say \"\"hi\"\"\n twice\",\"2.5\",3\n"
      "plain,3.5,4\n",
      request);
  ASSERT_TRUE(s.problem.ok()) << s.problem.message;
  EXPECT_EQ(s.columns, (std::vector<std::string>{"value", "count"}));
  EXPECT_EQ(Data("data.txt"), "2\n1.5 2\n2.5 3\n3.5 4\n");

  // The quoted line end moves the rows on: the bad row is line 4.
  request.force = true;
  s = Import(
      "label,value\n"
      "\"a\r\nb\",1\n"
      "c,2,3\n",
      request);
  EXPECT_EQ(s.problem.code, kMsgImportRagged);
  EXPECT_EQ(s.problem.row, 4);
}

TEST_F(CsvImportTest, ColumnsChosenByNameOrIndex) {
  const std::string csv = "t,a,b,c\n1,10,20,30\n2,11,21,31\n";
  ImportRequest request;
  request.columns = {"c", "2"};
  ImportSummary s = Import(csv, request);
  ASSERT_TRUE(s.problem.ok()) << s.problem.message;
  EXPECT_EQ(Data("data.txt"), "2\n30 10\n31 11\n");

  request.columns = {"d"};
  request.force = true;
  s = Import(csv, request);
  EXPECT_EQ(s.problem.code, kMsgImportUnknownColumn);
  EXPECT_EQ(s.problem.message, "no column \"d\"; the columns are t, a, b, c");
  request.columns = {"5"};
  EXPECT_EQ(Import(csv, request).problem.code, kMsgImportUnknownColumn);
}

TEST_F(CsvImportTest, MissingValuesUnderEachPolicy) {
  const std::string csv =
      "day,a,b\n"
      "1,NA,5\n"      // a before its first value
      "2,10,\n"       // b empty
      "3,,N/A\n"
      "4,16,8\n"
      "5,18,NaN\n";   // b after its last value
  ImportSummary s = Import(csv);
  EXPECT_EQ(s.problem.code, kMsgImportMissingValue);
  EXPECT_EQ(s.problem.row, 2);
  EXPECT_EQ(s.problem.column, 2);
  EXPECT_EQ(s.problem.message,
            "row 2, column 2: missing value \"NA\" in column \"a\"");
  EXPECT_FALSE(std::filesystem::exists("data.txt"));

  ImportRequest request;
  request.choices.dateColumn = "day";
  request.missing = MissingPolicy::kSkip;
  s = Import(csv, request);
  ASSERT_TRUE(s.problem.ok()) << s.problem.message;
  EXPECT_EQ(Data("data.txt"), "2\n16 8\n");
  EXPECT_EQ(s.rowsSkipped, 4);
  EXPECT_EQ(s.firstDate, "4");

  request.missing = MissingPolicy::kPrevious;
  request.force = true;
  s = Import(csv, request);
  ASSERT_TRUE(s.problem.ok());
  EXPECT_EQ(Data("data.txt"), "2\n10 5\n10 5\n16 8\n18 8\n");
  EXPECT_EQ(s.rowsSkipped, 1);
  EXPECT_EQ(s.rowsFilled, 3);
  EXPECT_NE(ReadFile("data.txt").find(" rows: 4 written, 1 skipped, 3 filled"),
            std::string::npos);

  request.missing = MissingPolicy::kInterpolate;
  s = Import(csv, request);
  ASSERT_TRUE(s.problem.ok());
  // b: 5 at row 1 and 8 at row 4 (the dropped row keeps its place).
  EXPECT_EQ(Data("data.txt"), "2\n10 6\n13 7\n16 8\n18 8\n");
  EXPECT_EQ(s.rowsSkipped, 1);
  EXPECT_EQ(s.rowsFilled, 3);
  EXPECT_EQ(s.firstDate, "2");
  EXPECT_EQ(s.lastDate, "5");
}

TEST_F(CsvImportTest, InterpolationAcrossOverlappingRuns) {
  ImportRequest request;
  request.missing = MissingPolicy::kInterpolate;
  ImportSummary s = Import(
      "a,b\n"
      "0,0\n"
      ",100\n"
      ",\n"
      "30,\n"
      "40,400\n"
      ",500\n",
      request);
  ASSERT_TRUE(s.problem.ok()) << s.problem.message;
  EXPECT_EQ(Data("data.txt"), "2\n0 0\n10 100\n20 200\n30 300\n40 400\n40 500\n");
  EXPECT_EQ(s.rowsFilled, 4);
}

TEST_F(CsvImportTest, BadInputNamesRowAndColumnAndWritesNothing) {
  struct Case {
    const char* name;
    std::string bytes;
    int code;
    const char* message;
  };
  const Case cases[] = {
      {"ragged short", "a,b,c\n1,2,3\n4,5\n", kMsgImportRagged,
       "row 3, column 3: the row has 2 fields where the first row has 3"},
      {"ragged long", "a,b\n1,2\n3,4,5\n", kMsgImportRagged,
       "row 3, column 3: the row has 3 fields where the first row has 2"},
      {"text in sample", "a,b\n1,2\n3,4\nfive,6\n", kMsgImportNotNumeric,
       "row 4, column 1: column \"a\" is not numeric, first bad value \"five\""},
      {"text late", "a,b\n" + Repeated("1,2\n", 300) + "3,4\n5,six\n", kMsgImportNotNumeric,
       "row 303, column 2: column \"b\" is not numeric: \"six\" is not a number"},
      {"empty", "", kMsgImportEmpty, "row 1, column 1: the file holds no rows"},
      {"header only", "a,b\r\n", kMsgImportEmpty, "row 2, column 1: no data rows after the header"},
      {"binary", std::string("a,b\n1,2\n3,\x89PNG\0\x1a\n", 16), kMsgImportBinary,
       "row 3, column 2: a NUL byte: this is not a text file"},
      {"quote", "a,b\n1,2\n3,4\"x\n", kMsgImportMalformed, "row 3, column 2: a quote out of place"},
      {"beyond float", "a\n1\n2e40\n", kMsgImportOutOfRange,
       "row 3, column 1: \"2e40\" is beyond single precision"},
  };
  for (const Case& c : cases) {
    const std::size_t before = FilesHere() + (std::filesystem::exists("data.csv") ? 0 : 1);
    ImportSummary s = Import(c.bytes);
    EXPECT_EQ(s.problem.code, c.code) << c.name;
    EXPECT_EQ(s.problem.message, c.message) << c.name;
    EXPECT_FALSE(std::filesystem::exists("data.txt")) << c.name;
    EXPECT_EQ(FilesHere(), before) << c.name;
    std::filesystem::remove("data.txt");
  }
  // Random bytes without line ends are not taken for one enormous field.
  std::string noise(3 << 20, 'x');
  EXPECT_EQ(Import(noise).problem.code, kMsgImportMalformed);
}

TEST_F(CsvImportTest, KeepsAnExistingOutputUnlessForced) {
  WriteFile("data.txt", "mine");
  ImportSummary s = Import("v\n1\n2\n");
  EXPECT_EQ(s.problem.code, kMsgImportOutputExists);
  EXPECT_EQ(s.problem.message, "data.txt already exists");
  EXPECT_EQ(ReadFile("data.txt"), "mine");

  ImportRequest request;
  request.force = true;
  EXPECT_TRUE(Import("v\n1\n2\n", request).problem.ok());
  EXPECT_EQ(Data("data.txt"), "1\n1\n2\n");

  request.outputFile = "data.csv";
  EXPECT_EQ(Import("v\n1\n", request).problem.code, kMsgImportSameFile);
  EXPECT_EQ(ReadFile("data.csv"), "v\n1\n");
}

TEST_F(CsvImportTest, StarsInNamesStayOutOfTheComment) {
  WriteFile("odd*name.csv", "a*b,c\n1,2\n3,4\n");
  ImportRequest request;
  request.csvFile = "odd*name.csv";
  ImportSummary s = ImportCsv(request);
  ASSERT_TRUE(s.problem.ok()) << s.problem.message;
  EXPECT_EQ(s.outputFile, "odd*name.txt");
  const std::string text = ReadFile("odd*name.txt");
  EXPECT_NE(text.find(" source: odd_name.csv\n columns: a_b, c\n"), std::string::npos);
  PredictionState state;
  int rows = -1;
  EXPECT_EQ(TestInputFile({"odd*name.txt", 5, 2}, state, rows), kInputOk);
  EXPECT_EQ(state.VariableCount, 2u);
}

TEST_F(CsvImportTest, ProgressIsToldAndCancelWritesNothing) {
  const std::string csv = "v\n" + Repeated("12345.678\n", 300000);  // 3 MB
  std::vector<double> told;
  ImportRequest request;
  request.progress = [&](double done) {
    told.push_back(done);
    return true;
  };
  ASSERT_TRUE(Import(csv, request).problem.ok());
  ASSERT_EQ(told.size(), 2u);  // every megabyte
  EXPECT_DOUBLE_EQ(told[1], (2 << 20) / 3000002.0);

  request.force = true;
  request.progress = [](double) { return false; };
  ImportSummary s = Import(csv + "1\n", request);
  EXPECT_EQ(s.problem.code, kMsgImportCancelled);
  EXPECT_EQ(Data("data.txt"), "1\n" + Repeated("12345.678\n", 300000));  // kept as it was
}

TEST_F(CsvImportTest, WarnsAboveOneHundredThousandRows) {
  std::string csv = "v\n";
  for (int i = 0; i < 100001; ++i) csv += std::to_string(i % 97) + "\n";
  ImportSummary s = Import(csv);
  ASSERT_TRUE(s.problem.ok());
  ASSERT_EQ(s.warnings.size(), 1u);
  EXPECT_EQ(s.warnings[0], "100001 rows written; a prediction uses at most 100,000 rows");
  ImportRequest again;
  again.force = true;
  EXPECT_TRUE(Import("v\n1\n2\n", again).warnings.empty());
}

}  // namespace
}  // namespace foresta
