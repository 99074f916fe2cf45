#include "state/bundled_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace foresta {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;

TEST(BundledFilesTest, AnInstalledProgramLooksInShareAndABuiltOneBesideItself) {
  ScopedTempDir dir;
  fs::create_directories("usr/bin");
  fs::create_directories("build/bin");
  // Without an installation's data folder the program's own folder holds them.
  EXPECT_EQ(BundledFilesDirectoryFor((dir.path() / "usr/bin").string()),
            (dir.path() / "usr/bin").string());
  fs::create_directories("usr/share/foresta");
  EXPECT_EQ(BundledFilesDirectoryFor((dir.path() / "usr/bin").string()),
            (dir.path() / "usr/share/foresta").string());
  EXPECT_EQ(BundledFilesDirectoryFor((dir.path() / "build/bin").string()),
            (dir.path() / "build/bin").string());
  EXPECT_EQ(BundledFilesDirectoryFor(""), "");
}

TEST(BundledFilesTest, ProgramDirectoryIsTheFolderOfThisTest) {
  std::string directory = ProgramDirectory();
  ASSERT_FALSE(directory.empty());
  EXPECT_TRUE(fs::is_directory(directory));
  EXPECT_EQ(BundledFilesDirectory(), BundledFilesDirectoryFor(directory));
}

// A scratch bundle with a file and a folder of two files, and an empty
// current folder beside it.
class CopyBundledTest : public ::testing::Test {
 protected:
  CopyBundledTest() : bundle_((dir_.path() / "bundle").string()) {
    fs::create_directories(dir_.path() / "bundle/cash3");
    fs::create_directories(dir_.path() / "here");
    WriteFile(bundle_ + "/data.txt", "1 2 3\n");
    WriteFile(bundle_ + "/cash3/x.txt", "x\n");
    WriteFile(bundle_ + "/cash3/y.txt", "y\n");
    fs::current_path(dir_.path() / "here");
  }
  ScopedTempDir dir_;
  std::string bundle_;
};

TEST_F(CopyBundledTest, CopiesAMissingFileAndNeverOverwrites) {
  EXPECT_EQ(CopyBundledIfMissing(bundle_, "data.txt"), BundledCopy::kCopied);
  EXPECT_EQ(ReadFile("data.txt"), "1 2 3\n");
  WriteFile("data.txt", "my own data\n");
  EXPECT_EQ(CopyBundledIfMissing(bundle_, "data.txt"), BundledCopy::kPresent);
  EXPECT_EQ(ReadFile("data.txt"), "my own data\n");
  // A file the user has that was never bundled is simply there.
  WriteFile("mine.txt", "4\n");
  EXPECT_EQ(CopyBundledIfMissing(bundle_, "mine.txt"), BundledCopy::kPresent);
  EXPECT_EQ(CopyBundledIfMissing(bundle_, "absent.txt"), BundledCopy::kNotBundled);
  EXPECT_FALSE(fs::exists("absent.txt"));
  EXPECT_EQ(CopyBundledIfMissing("", "data2.txt"), BundledCopy::kNotBundled);
}

TEST_F(CopyBundledTest, AFolderGetsTheFilesItLacks) {
  EXPECT_EQ(CopyBundledIfMissing(bundle_, "cash3"), BundledCopy::kCopied);
  EXPECT_EQ(ReadFile("cash3/x.txt"), "x\n");
  EXPECT_EQ(ReadFile("cash3/y.txt"), "y\n");
  EXPECT_EQ(CopyBundledIfMissing(bundle_, "cash3"), BundledCopy::kPresent);

  fs::remove("cash3/y.txt");
  WriteFile("cash3/x.txt", "edited\n");
  EXPECT_EQ(CopyBundledIfMissing(bundle_, "cash3"), BundledCopy::kCopied);
  EXPECT_EQ(ReadFile("cash3/x.txt"), "edited\n");
  EXPECT_EQ(ReadFile("cash3/y.txt"), "y\n");
}

TEST_F(CopyBundledTest, ACopyThatFailsSaysSo) {
  // A bundled file that cannot be read (a link to nothing) cannot be copied.
  fs::create_symlink(dir_.path() / "nowhere", bundle_ + "/broken.txt");
  EXPECT_EQ(CopyBundledIfMissing(bundle_, "broken.txt"), BundledCopy::kCopyFailed);
  EXPECT_FALSE(fs::exists("broken.txt"));
  fs::create_symlink(dir_.path() / "nowhere", bundle_ + "/cash3/z.txt");
  EXPECT_EQ(CopyBundledIfMissing(bundle_, "cash3"), BundledCopy::kCopyFailed);
}

}  // namespace
}  // namespace foresta
