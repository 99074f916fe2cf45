#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/cli_commands.h"
#include "support/temp_dir.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;

std::string CliOut(std::vector<std::string> args) {
  std::ostringstream out, err;
  EXPECT_EQ(RunCommandLine(args, {out, err}), 0) << err.str();
  return out.str();
}

class CliExamplesTest : public ::testing::Test {
  ScopedTempDir dir_;
};

TEST_F(CliExamplesTest, XorWritesItsFilesAndOpensThem) {
  EXPECT_EQ(CliOut({"--json", "do", "411"}),
            "{\"kind\":\"question\",\"code\":233,\"caption\":\"Information\","
            "\"text\":\"New output file is ready!\"}\n"
            "{\"kind\":\"open\",\"code\":403,\"file\":\"example1.rec\"}\n"
            "{\"kind\":\"open\",\"code\":402,\"file\":\"example1.rtn\"}\n"
            "{\"kind\":\"open\",\"code\":401,\"file\":\"example1.trn\"}\n"
            "{\"kind\":\"status\",\"code\":401}\n");
  for (const char* f : {"example1.trn", "example1.rtn", "example1.rec", "example1.dat"})
    EXPECT_TRUE(std::filesystem::exists(f)) << f;
  EXPECT_EQ(ReadFile("example1.rtn").find(" * No retraining file is necessary for XOR2  * \n\n "),
            0u);
}

TEST_F(CliExamplesTest, CounterSetupShowsItsSummaryAndInitialises) {
  const std::string out =
      CliOut({"--json", "--text", "counter.bits=60", "do", "535", "531"});
  EXPECT_NE(out.find("\"code\":535,\"caption\":\"Segment Counter\""), std::string::npos);
  EXPECT_NE(out.find("\"text\":\"Segment Counter: KORVA is initialized\""),
            std::string::npos);
  EXPECT_NE(out.find("{\"kind\":\"open\",\"code\":401,\"file\":\"example1.trn\"}"),
            std::string::npos);
  EXPECT_NE(ReadFile("example1.trn").find("*\n 100\n\n"), std::string::npos);
}

TEST_F(CliExamplesTest, UnwritableBatchFileIsReported) {
  std::filesystem::create_directory("batch.txt");  // cannot be opened for writing
  EXPECT_EQ(CliOut({"--json", "do", "578"}),
            "{\"kind\":\"information\",\"code\":566,\"caption\":\"Information\","
            "\"text\":\"Cannot open batch file! \"}\n"
            "{\"kind\":\"status\",\"code\":566}\n");
}

}  // namespace
}  // namespace foresta
