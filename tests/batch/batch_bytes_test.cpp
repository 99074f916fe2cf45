// The batch test and loader over bytes in memory must be the file versions
// without the files: same codes, echo and settings, and, with a pretended
// file system, no file touched.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "batch/batch_file.h"
#include "batch/batch_file_access.h"
#include "support/temp_dir.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;

// Knows which names exist; records what the batch test would create.
class PretendFiles : public BatchFileAccess {
 public:
  bool PrepareOutput(const std::string& name) override {
    prepared.insert(name);
    return name != "locked.txt";
  }
  bool CanRead(const std::string& name) override { return readable.count(name) > 0; }

  std::set<std::string> readable;
  std::set<std::string> prepared;
};

TEST(BatchBytesTest, MatchesTheFileTestAndLoaderOnTheDisk) {
  ScopedTempDir dir;
  WriteFile("in.txt", "*x* 1\n1 2 3\n");
  WriteFile("b.txt", "*x* 1\n4 5 6\n");
  const std::string cases[] = {
      "no comment",
      "*open",
      "*c* out.txt 1 5 1 1 in.txt",
      "*c* out.txt 10 5 1 1 missing.txt",
      "*c* out.txt 10 5 1 1 in.txt",
      "*c*\r\nout.txt\r\n10\r\n5\r\n301\r\n3\r\nin.txt\r\nmissing.txt\r\nb.txt",
      "*c* out.txt 10 5 1 3\nin.txt\n",
  };
  for (const std::string& bytes : cases) {
    SCOPED_TRACE(bytes);
    WriteFile("batch.txt", bytes);
    const int fileCode = TestBatchFile("batch.txt");
    const std::string fileEcho = ReadFile(kBatchEchoFile);
    DiskBatchFileAccess disk("batch.txt");
    std::ostringstream echo;
    EXPECT_EQ(TestBatchBytes(bytes, disk, &echo), fileCode);
    EXPECT_EQ(echo.str(), fileEcho);
    if (fileCode != kBatchOk) continue;

    WorkbenchState fromFile;
    fromFile.batchFile = "batch.txt";
    const int fileRun = LoadBatchFile(fromFile);
    const std::string loadEcho = ReadFile(kBatchEchoFile);
    WorkbenchState fromBytes;
    std::ostringstream bytesEcho;
    EXPECT_EQ(LoadBatchBytes(bytes, fromBytes, disk, &bytesEcho), fileRun);
    EXPECT_EQ(bytesEcho.str(), loadEcho);
    EXPECT_EQ(fromBytes.predictionOutputFile, fromFile.predictionOutputFile);
    EXPECT_EQ(fromBytes.precision, fromFile.precision);
    EXPECT_EQ(fromBytes.trend, fromFile.trend);
    EXPECT_EQ(fromBytes.inputMode, fromFile.inputMode);
    EXPECT_EQ(fromBytes.predictionInputFile, fromFile.predictionInputFile);
    EXPECT_EQ(fromBytes.directoryList, fromFile.directoryList);
  }
}

TEST(BatchBytesTest, APretendedFileSystemDecidesAndNothingIsWritten) {
  ScopedTempDir dir;
  PretendFiles files;
  files.readable = {"data/a.txt", "c.txt"};
  EXPECT_EQ(TestBatchBytes("*c* locked.txt 10 5 1 1 data\\a.txt", files), kBatchBadOutputFile);
  EXPECT_EQ(TestBatchBytes("*c* out.txt 10 5 1 1 data\\b.txt", files), kBatchBadInputFile);
  const std::string list = "*c* out.txt 10 5 12 3\ndata\\a.txt\nb.txt\nc.txt\n";
  ASSERT_EQ(TestBatchBytes(list, files), kBatchOk);
  EXPECT_EQ(files.prepared, (std::set<std::string>{"locked.txt", "out.txt"}));

  WorkbenchState state;
  EXPECT_EQ(LoadBatchBytes(list, state, files), 12);
  EXPECT_EQ(state.directoryList, (std::vector<std::string>{"data/a.txt", "c.txt"}));
  EXPECT_EQ(state.directoryCount, 2);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace foresta
