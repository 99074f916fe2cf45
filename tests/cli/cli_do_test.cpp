#include <gtest/gtest.h>

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

class CliTest : public ::testing::Test {
  ScopedTempDir dir_;
};

TEST_F(CliTest, DataTestPrintsInformationThenStatus) {
  WriteFile("in.txt", "*c*1\n1 2 3 4 5 6\n");
  CliRun r = Cli({"--json", "--set", "predictionInputFile=in.txt", "do", "554"});
  EXPECT_EQ(r.exit, 0);
  EXPECT_EQ(r.out,
            "{\"kind\":\"information\",\"code\":150,\"caption\":\"Information\","
            "\"text\":\"Input File is OK \"}\n"
            "{\"kind\":\"status\",\"code\":150}\n");
  EXPECT_EQ(ReadFile("error.tmp"), "*c*\n\n1\n\n\n1 2 3 4 5 6\n");
}

TEST_F(CliTest, InvalidCharacterOpensTheEcho) {
  WriteFile("in.txt", "*c*1\n1 2 a 4\n");
  CliRun r = Cli({"--json", "--set", "predictionInputFile=in.txt", "do", "554"});
  EXPECT_EQ(r.out,
            "{\"kind\":\"information\",\"code\":157,\"caption\":\"Information\","
            "\"text\":\"Input File: Invalid Character (other than integers and real "
            "numbers) \"}\n"
            "{\"kind\":\"open\",\"code\":554,\"file\":\"error.tmp\"}\n"
            "{\"kind\":\"status\",\"code\":554}\n");
  EXPECT_EQ(ReadFile("error.tmp"), "*c*\n\n1\n\n\n1 2 a");
}

TEST_F(CliTest, TextsWithLineBreaksAreEscapedAndEveryIdentifierGetsAStatus) {
  CliRun r = Cli({"--json", "do", "554", "323"});
  EXPECT_EQ(r.out,
            "{\"kind\":\"information\",\"code\":151,\"caption\":\"Information\","
            "\"text\":\"Unable to Open Input File \"}\n"
            "{\"kind\":\"status\",\"code\":151}\n"
            "{\"kind\":\"status\",\"code\":151}\n");
  WriteFile("in.txt", "*c*1\n1 2\n");
  r = Cli({"--json", "--set", "predictionInputFile=in.txt", "do", "554"});
  EXPECT_NE(r.out.find("\"text\":\"Input File: not enough data! \\nFor example"),
            std::string::npos);
}

TEST_F(CliTest, ReadableOutputWithoutJson) {
  CliRun r = Cli({"do", "552"});
  EXPECT_EQ(r.out, "open 552 example2a.txt\nstatus 552\n");
}

TEST_F(CliTest, UsageErrorsExitWithTwo) {
  EXPECT_EQ(Cli({}).exit, kExitUsage);
  EXPECT_EQ(Cli({"do"}).exit, kExitUsage);
  EXPECT_EQ(Cli({"do", "55x"}).exit, kExitUsage);
  EXPECT_EQ(Cli({"--set", "nofield=1", "do", "554"}).exit, kExitUsage);
  EXPECT_EQ(Cli({"--set", "precision", "do", "554"}).exit, kExitUsage);
  EXPECT_EQ(Cli({"--answer", "maybe", "do", "554"}).exit, kExitUsage);
  EXPECT_EQ(Cli({"frobnicate"}).exit, kExitUsage);
  CliRun bad = Cli({"--set", "trend=five", "do", "554"});
  EXPECT_NE(bad.err.find("trend"), std::string::npos);
  EXPECT_TRUE(bad.out.empty());
}

TEST_F(CliTest, VersionAndHelp) {
  CliRun version = Cli({"--version"});
  EXPECT_EQ(version.exit, kExitOk);
  EXPECT_EQ(version.out, "Foresta 2.8\n");
  CliRun help = Cli({"--help"});
  EXPECT_EQ(help.exit, kExitOk);
  EXPECT_NE(help.out.find("or: foresta-cli --help | --version"), std::string::npos);
  EXPECT_NE(help.out.find("print FILE --pdf OUT.pdf"), std::string::npos);
}

TEST_F(CliTest, TestSubcommandExitCodes) {
  WriteFile("good.txt", "*c*1\n1 2 3 4 5\n");
  WriteFile("short.txt", "*c*1\n1 2 3\n");
  CliRun good = Cli({"test", "good.txt"});
  EXPECT_EQ(good.exit, kExitOk);
  EXPECT_EQ(good.out, "Input File is OK \nvariables: 1, rows: 5\n");
  CliRun shortRun = Cli({"test", "short.txt"});
  EXPECT_EQ(shortRun.exit, kExitFailure);
  EXPECT_NE(shortRun.err.find("not enough data"), std::string::npos);
  EXPECT_EQ(Cli({"test", "--trend", "3", "short.txt"}).exit, kExitOk);
  EXPECT_EQ(Cli({"test"}).exit, kExitUsage);
}

}  // namespace
}  // namespace foresta
