// The input test over bytes in memory must be the file test without the
// files: same code, rows, variable count and echo, and nothing written.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "prediction/input_check.h"
#include "support/temp_dir.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;

TEST(InputBytesTest, MatchesTheFileTestOnEveryOutcome) {
  ScopedTempDir dir;
  struct Case {
    const char* bytes;
    int precision;
    int trend;
    int code;
  };
  const Case cases[] = {
      {"no comment\n1 2 3", 10, 5, kInputNoComment},
      {"one * only", 10, 5, kInputCommentNotClosed},
      {"*c* 0\n1 2 3", 10, 5, kInputNeuronsOutOfRange},
      {"*c* 1\n", 10, 5, kInputNoData},
      {"*c* 1\n1 2 x 3 4 5", 10, 5, kInputInvalidCharacter},
      {"*c* 2\n1 2 3 4 5 6 7 8 9 10 11", 10, 5, kInputLastRowIncomplete},
      {"*c* 1\n1 2 3", 10, 5, kInputNotEnoughData},
      {"pre *c\r\n* 2\r\n- 5 +6\r\n7\t8\r\n.5 9.25\r\n1 2", 5, 2, kInputOk},
      {"*c* 1\n1\n2\n3\n4\n5", 10, 5, kInputOk},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    WriteFile("input.txt", c.bytes);
    PredictionState fromFile;
    int fileRows = 0;
    const int fileCode = TestInputFile({"input.txt", c.precision, c.trend}, fromFile, fileRows);
    const std::string fileEcho = ReadFile(kEchoFile);
    std::filesystem::remove(kEchoFile);

    PredictionState fromBytes;
    int byteRows = 0;
    std::string echo;
    const int byteCode =
        TestInputBytes(c.bytes, c.precision, c.trend, fromBytes, byteRows, &echo);
    EXPECT_EQ(fileCode, c.code);
    EXPECT_EQ(byteCode, fileCode);
    EXPECT_EQ(byteRows, fileRows);
    EXPECT_EQ(fromBytes.VariableCount, fromFile.VariableCount);
    EXPECT_EQ(echo, fileEcho);
    EXPECT_FALSE(std::filesystem::exists(kEchoFile));
  }
}

}  // namespace
}  // namespace foresta
