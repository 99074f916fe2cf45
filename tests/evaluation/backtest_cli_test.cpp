#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <random>
#include <regex>
#include <sstream>

#include "cli/cli_commands.h"
#include "evaluation/backtest.h"
#include "evaluation/backtest_report.h"
#include "evaluation/series_files.h"
#include "prediction/text_output.h"
#include "support/temp_dir.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;
using testing::WriteSeries;

struct CliRun {
  int exit;
  std::string out;
  std::string err;
};

CliRun Cli(std::vector<std::string> args) {
  std::ostringstream out, err;
  int exit = RunCommandLine(args, {out, err});
  return {exit, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

Series Wave(int rows, unsigned seed) {
  std::mt19937 random(seed);
  std::normal_distribution<float> noise(0.0f, 2.0f);
  Series s;
  s.variables = 1;
  for (int i = 0; i < rows; ++i) {
    s.values.push_back(std::round(100.0f * (30.0f + 0.3f * static_cast<float>(i) +
                                            12.0f * std::sin(static_cast<float>(i) / 2.0f) +
                                            noise(random))) /
                       100.0f);
  }
  return s;
}

// The value a JSON number stands for, checking that it is written in its
// shortest round-trip form.
float ParseNumber(const std::string& text) {
  float x = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), x);
  EXPECT_TRUE(ec == std::errc() && end == text.data() + text.size()) << text;
  char shortest[64];
  auto [last, ec2] = std::to_chars(shortest, shortest + sizeof shortest, x);
  EXPECT_EQ(std::string(shortest, last), text);
  return x;
}

const std::string kNumber = R"((-?[0-9][0-9.e+-]*))";
const std::string kNullable = R"((null|-?[0-9][0-9.e+-]*))";
const std::regex kForecast("\\{\"kind\":\"forecast\",\"setting\":(\\{.*\\}),\"window\":\"(validation|scored)\",\"origin\":([0-9]+),\"forecast\":" +
                           kNullable + ",\"actual\":" + kNumber + "\\}");
const std::regex kScore("\\{\"kind\":\"score\",\"setting\":(\\{.*\\}),\"window\":\"(validation|scored)\",\"mae\":" +
                        kNullable + ",\"rmse\":" + kNullable + ",\"mase\":" + kNullable +
                        ",\"forecasts\":([0-9]+),\"missing\":([0-9]+)\\}");
const std::regex kRecommendation(
    "\\{\"kind\":\"recommendation\",\"setting\":(\\{.*\\}),\"next\":" + kNullable +
    ",\"lower80\":" + kNullable + ",\"upper80\":" + kNullable + ",\"lower95\":" + kNullable +
    ",\"upper95\":" + kNullable + ",\"scoredMase\":" + kNullable + ",\"coverage80\":" +
    kNullable + ",\"coverage95\":" + kNullable + "\\}");
const std::regex kPatternSetting(
    R"re(\{"method":"pattern","code":([0-9]+),"precision":([0-9]+),"trend":([0-9]+),"point":"(weightedAverage|highestProbability)"\})re");

class BacktestCliTest : public ::testing::Test {
 protected:
  BacktestCliTest() : series_(Wave(60, 9)) { WriteSeries("wave.txt", series_, series_.rows()); }
  ScopedTempDir dir_;
  Series series_;
};

TEST_F(BacktestCliTest, JsonRecordsFollowTheInterface) {
  const CliRun run = Cli({"backtest", "wave.txt", "--json"});
  ASSERT_EQ(run.exit, 0) << run.err;
  EXPECT_EQ(Cli({"--json", "backtest", "wave.txt"}).out, run.out);
  const std::vector<std::string> lines = Lines(run.out);

  BacktestOptions options;
  const BacktestResult expected = RunBacktest(series_, options);
  const std::size_t origins = static_cast<std::size_t>(expected.originCount());
  const std::size_t candidates = expected.candidates.size();
  ASSERT_EQ(lines.size(), candidates * origins + 2 * candidates + 1);

  std::size_t at = 0;
  std::smatch m;
  for (const Candidate& c : expected.candidates) {
    for (std::size_t o = 0; o < origins; ++o, ++at) {
      ASSERT_TRUE(std::regex_match(lines[at], m, kForecast)) << lines[at];
      EXPECT_EQ(m[1], SettingJson(c.setting));
      EXPECT_EQ(m[2], o < static_cast<std::size_t>(expected.validation) ? "validation" : "scored");
      EXPECT_EQ(std::stoi(m[3]), expected.firstOrigin + static_cast<int>(o));
      if (c.forecasts[o]) {
        EXPECT_EQ(ParseNumber(m[4]), *c.forecasts[o]);
      } else {
        EXPECT_EQ(m[4], "null");
      }
      EXPECT_EQ(ParseNumber(m[5]), series_.values[expected.firstOrigin + o]);
    }
  }
  for (const Candidate& c : expected.candidates) {
    for (const WindowScore* s : {&c.validation, &c.scored}) {
      ASSERT_TRUE(std::regex_match(lines[at], m, kScore)) << lines[at];
      ++at;
      EXPECT_EQ(m[1], SettingJson(c.setting));
      EXPECT_EQ(m[2], s == &c.validation ? "validation" : "scored");
      EXPECT_EQ(m[3], NumberText(s->mae));
      EXPECT_EQ(std::stoi(m[6]), s->forecasts);
      EXPECT_EQ(std::stoi(m[7]), s->missing);
    }
  }
  ASSERT_TRUE(std::regex_match(lines[at], m, kRecommendation)) << lines[at];
  const Recommendation& rec = expected.recommendation;
  EXPECT_EQ(m[1], SettingJson(expected.candidates[rec.candidate].setting));
  EXPECT_EQ(ParseNumber(m[2]), *rec.next);
  EXPECT_EQ(ParseNumber(m[3]), *rec.lower80);
  EXPECT_EQ(ParseNumber(m[6]), *rec.upper95);
}

// For a sample of backtest forecasts, the prediction report of the file
// cut before the origin, with that setting, prints the same number.
TEST_F(BacktestCliTest, ForecastsAreWhatPredictPrintsOnTheTruncatedFile) {
  const CliRun run = Cli({"backtest", "wave.txt", "--json"});
  ASSERT_EQ(run.exit, 0);
  int checked = 0;
  int index = 0;
  for (const std::string& line : Lines(run.out)) {
    std::smatch m, s;
    if (!std::regex_match(line, m, kForecast)) break;
    const std::string setting = m[1];
    if (!std::regex_match(setting, s, kPatternSetting) || m[4] == "null") continue;
    if (index++ % 53 != 0) continue;  // a spread of codes, settings and origins
    const int origin = std::stoi(m[3]);
    WriteSeries("cut.txt", series_, origin);
    const CliRun predict = Cli({"predict", "--code", s[1], "--precision", s[2], "--trend", s[3], "cut.txt"});
    ASSERT_EQ(predict.exit, 0) << predict.err;
    const std::string heading = s[4] == "weightedAverage" ? "Weighted Average\n" : "Highest Probability\n";
    const std::size_t from = predict.out.find(heading);
    ASSERT_NE(from, std::string::npos) << predict.out;
    const std::size_t start = from + heading.size();
    const std::string printed = predict.out.substr(start, predict.out.find(' ', start) - start);
    EXPECT_EQ(printed, RealText(ParseNumber(m[4]))) << line;
    ++checked;
  }
  EXPECT_GE(checked, 40);
}

TEST_F(BacktestCliTest, PlainReportCsvAndRefusals) {
  CliRun run = Cli({"backtest", "wave.txt", "--csv", "out.csv"});
  ASSERT_EQ(run.exit, 0) << run.err;
  EXPECT_EQ(run.out.rfind("Backtest of wave.txt: 60 rows, variable 1, one step ahead.\n", 0), 0u);
  EXPECT_NE(run.out.find("\nRecommendation: "), std::string::npos);
  EXPECT_NE(run.out.find("Not applicable"), std::string::npos);
  const std::vector<std::string> csv = Lines(ReadFile("out.csv"));
  const std::vector<std::string> json = Lines(Cli({"backtest", "wave.txt", "--json"}).out);
  const std::size_t forecasts = static_cast<std::size_t>(
      std::count_if(json.begin(), json.end(),
                    [](const std::string& l) { return l.find("{\"kind\":\"forecast\"") == 0; }));
  ASSERT_EQ(csv.size(), forecasts + 1);
  EXPECT_EQ(csv[0], "file,method,code,precision,trend,point,season,window,origin,forecast,actual");
  EXPECT_EQ(std::count(csv[1].begin(), csv[1].end(), ','), 10);
  EXPECT_EQ(csv[1].rfind("wave.txt,pattern,1,", 0), 0u);
  EXPECT_NE(csv.back().find("combination("), std::string::npos);
  // The in-memory runs leave no file behind.
  EXPECT_FALSE(std::filesystem::exists("error.tmp"));
  EXPECT_FALSE(std::filesystem::exists("example1.trn"));

  WriteSeries("short.txt", series_, 43);
  run = Cli({"backtest", "short.txt"});
  EXPECT_EQ(run.exit, kExitFailure);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("too short"), std::string::npos);
  EXPECT_EQ(Cli({"backtest", "wave.txt", "--variable", "2"}).exit, kExitFailure);
  WriteFile("bad.txt", "*c*1\n1\n2x\n");
  run = Cli({"backtest", "bad.txt"});
  EXPECT_EQ(run.exit, kExitFailure);
  EXPECT_NE(run.err.find("Invalid Character"), std::string::npos);

  for (std::vector<std::string> usage :
       {std::vector<std::string>{"backtest"}, {"backtest", "wave.txt", "--origins", "0"},
        {"backtest", "wave.txt", "--grid", "huge"}, {"backtest", "wave.txt", "--season"},
        {"backtest", "wave.txt", "--frobnicate"}}) {
    EXPECT_EQ(Cli(usage).exit, kExitUsage);
  }
}

TEST_F(BacktestCliTest, TooFewErrorsLeaveTheBoundsNull) {
  // One scored origin after ten validation origins: eleven errors, and the
  // 95% rank ceil(12 x 0.95) = 12 lies beyond them.
  CliRun run = Cli({"backtest", "wave.txt", "--origins", "1", "--validation", "10", "--json"});
  ASSERT_EQ(run.exit, 0) << run.err;
  const std::string last = Lines(run.out).back();
  std::smatch m;
  ASSERT_TRUE(std::regex_match(last, m, kRecommendation)) << last;
  EXPECT_NE(m[3], "null");
  EXPECT_EQ(m[5], "null");
  EXPECT_EQ(m[6], "null");
  run = Cli({"backtest", "wave.txt", "--origins", "1", "--validation", "10"});
  EXPECT_NE(run.out.find("95% interval: none: too few errors for this level"), std::string::npos)
      << run.out;
}

TEST_F(BacktestCliTest, ADirectoryIsBacktestedFileByFile) {
  std::filesystem::create_directory("many");
  WriteSeries("many/b.txt", Wave(50, 2), 50);
  WriteSeries("many/a.TXT", Wave(55, 3), 55);
  WriteSeries("many/short.txt", Wave(20, 4), 20);
  WriteFile("many/notes.md", "not an input");
  CliRun run = Cli({"backtest", "many", "--json"});
  EXPECT_EQ(run.exit, kExitFailure);  // one file was refused
  EXPECT_NE(run.err.find("short.txt: Backtest: the series is too short."), std::string::npos);
  std::vector<std::string> recommendations;
  std::string previous;
  for (const std::string& line : Lines(run.out)) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(line, m, std::regex(R"re(\{"kind":"(\w+)","file":"([^"]+)",.*)re")))
        << line;
    if (m[1] == "recommendation") recommendations.push_back(m[2]);
    EXPECT_TRUE(previous.empty() || m[2] >= previous);  // names in byte order
    previous = m[2];
  }
  EXPECT_EQ(recommendations, (std::vector<std::string>{"a.TXT", "b.txt"}));

  run = Cli({"backtest", "many"});
  const std::vector<std::string> lines = Lines(run.out);
  auto has = [&lines](const std::string& prefix) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
  };
  EXPECT_TRUE(has("file                    rows   MASE"));
  EXPECT_TRUE(has("a.TXT                   55     "));
  EXPECT_TRUE(has("short.txt               Backtest: the series is too short."));
}

}  // namespace
}  // namespace foresta
