#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "evaluation/series_files.h"
#include "support/temp_dir.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteSeries;

Series Ramp(int rows, float slope) {
  Series s;
  s.variables = 1;
  for (int i = 0; i < rows; ++i) {
    s.values.push_back(10.0f + slope * static_cast<float>(i) + static_cast<float>((i * 7) % 5));
  }
  return s;
}

// The README's recipe for many machines, run here with two job slots on
// this machine: its output is the serial run's, file by file.
TEST(ParallelRecipeTest, TwoJobSlotsPrintWhatTheSerialRunPrints) {
  if (std::system("command -v parallel >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "GNU parallel is not installed (scripts/install-deps.sh installs it)";
  }
  ScopedTempDir dir;
  const std::string cli = std::string(FORESTA_BIN_DIR) + "/foresta-cli";
  const std::string script = std::string(FORESTA_DATA_DIR) + "/../scripts/backtest-parallel.sh";
  WriteSeries("one.txt", Ramp(50, 0.5f), 50);
  WriteSeries("two.txt", Ramp(60, -0.25f), 60);
  WriteSeries("three.txt", Ramp(46, 2.0f), 46);
  const std::string files = "one.txt two.txt three.txt";
  const std::string options = "--origins 12 --validation 12";
  ASSERT_EQ(std::system(("FORESTA_CLI='" + cli + "' bash '" + script + "' 2/: " + files + " -- " +
                         options + " > parallel.jsonl 2> parallel.err")
                            .c_str()),
            0)
      << ReadFile("parallel.err");
  ASSERT_EQ(std::system(("for f in " + files + "; do '" + cli + "' backtest --json \"$f\" " +
                         options + "; done > serial.jsonl 2> /dev/null")
                            .c_str()),
            0);
  const std::string serial = ReadFile("serial.jsonl");
  EXPECT_GT(serial.size(), 1000u);
  EXPECT_EQ(ReadFile("parallel.jsonl"), serial);
}

}  // namespace
}  // namespace foresta
