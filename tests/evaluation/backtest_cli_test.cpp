#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <random>
#include <sstream>

#include "cli/cli_commands.h"
#include "evaluation/backtest.h"
#include "evaluation/backtest_report.h"
#include "evaluation/series_files.h"
#include "prediction/text_output.h"
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
using testing::WriteSeries;

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

// The raw JSON value of `key` in a one-line record: a number, null, a
// string with its quotes, or a whole object. Empty when the key is absent.
std::string Field(const std::string& line, const std::string& key) {
  const std::string marker = "\"" + key + "\":";
  std::size_t at = line.find(marker);
  if (at == std::string::npos) return {};
  at += marker.size();
  int depth = 0;
  bool quoted = false;
  std::size_t end = at;
  for (; end < line.size(); ++end) {
    const char c = line[end];
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '{' || c == '[') ++depth;
    if (c == '}' || c == ']') {
      if (depth == 0) break;
      --depth;
    }
    if (c == ',' && depth == 0) break;
  }
  return line.substr(at, end - at);
}

std::string Shortest(std::optional<float> x) {
  if (!x) return "null";
  char text[64];
  auto [end, ec] = std::to_chars(text, text + sizeof text, *x);
  return std::string(text, end);
}

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

  // The records, written out field by field in the order of the interface.
  std::size_t at = 0;
  for (const Candidate& c : expected.candidates) {
    for (std::size_t o = 0; o < origins; ++o, ++at) {
      const bool validation = o < static_cast<std::size_t>(expected.validation);
      ASSERT_EQ(lines[at], "{\"kind\":\"forecast\",\"setting\":" + SettingJson(c.setting) +
                               ",\"window\":\"" + (validation ? "validation" : "scored") +
                               "\",\"origin\":" + std::to_string(expected.firstOrigin + o) +
                               ",\"forecast\":" + Shortest(c.forecasts[o]) + ",\"actual\":" +
                               Shortest(series_.values[expected.firstOrigin + o]) + "}");
    }
  }
  for (const Candidate& c : expected.candidates) {
    for (const WindowScore* s : {&c.validation, &c.scored}) {
      auto measure = [](std::optional<double> x) {
        return x ? Shortest(static_cast<float>(*x)) : std::string("null");
      };
      ASSERT_EQ(lines[at++], "{\"kind\":\"score\",\"setting\":" + SettingJson(c.setting) +
                                 ",\"window\":\"" +
                                 (s == &c.validation ? "validation" : "scored") +
                                 "\",\"mae\":" + measure(s->mae) + ",\"rmse\":" +
                                 measure(s->rmse) + ",\"mase\":" + measure(s->mase) +
                                 ",\"forecasts\":" + std::to_string(s->forecasts) +
                                 ",\"missing\":" + std::to_string(s->missing) + "}");
    }
  }
  const Recommendation& rec = expected.recommendation;
  const Candidate& advised = expected.candidates[rec.candidate];
  EXPECT_EQ(lines[at], "{\"kind\":\"recommendation\",\"setting\":" +
                           SettingJson(advised.setting) + ",\"next\":" + Shortest(rec.next) +
                           ",\"lower80\":" + Shortest(rec.lower80) + ",\"upper80\":" +
                           Shortest(rec.upper80) + ",\"lower95\":" + Shortest(rec.lower95) +
                           ",\"upper95\":" + Shortest(rec.upper95) + ",\"scoredMase\":" +
                           Shortest(static_cast<float>(*advised.scored.mase)) +
                           ",\"coverage80\":" + Shortest(static_cast<float>(*rec.coverage80)) +
                           ",\"coverage95\":" + Shortest(static_cast<float>(*rec.coverage95)) +
                           "}");
  // The settings as the interface spells them.
  EXPECT_EQ(Field(lines[0], "setting"),
            R"({"method":"pattern","code":1,"precision":5,"trend":5,"point":"weightedAverage"})");
  const std::string all = run.out;
  EXPECT_NE(all.find(R"("setting":{"method":"naive"},)"), std::string::npos);
  EXPECT_NE(all.find(R"("setting":{"method":"drift"},)"), std::string::npos);
  EXPECT_NE(all.find(R"("setting":{"method":"combination","of":[{"method":"pattern",)"),
            std::string::npos);
  for (std::size_t i = 0; i < lines.size(); i += 97) {
    const std::string f = Field(lines[i], "forecast");
    if (!f.empty() && f != "null") ParseNumber(f);  // the shortest form
  }
}

// For a sample of backtest forecasts, the prediction report of the file
// cut before the origin, with that setting, prints the same number.
TEST_F(BacktestCliTest, ForecastsAreWhatPredictPrintsOnTheTruncatedFile) {
  const CliRun run = Cli({"backtest", "wave.txt", "--json"});
  ASSERT_EQ(run.exit, 0);
  int checked = 0;
  int index = 0;
  for (const std::string& line : Lines(run.out)) {
    if (Field(line, "kind") != "\"forecast\"") break;
    const std::string setting = Field(line, "setting");
    const std::string forecast = Field(line, "forecast");
    if (Field(setting, "method") != "\"pattern\"" || forecast == "null") continue;
    if (index++ % 53 != 0) continue;  // a spread of codes, settings and origins
    const int origin = std::stoi(Field(line, "origin"));
    WriteSeries("cut.txt", series_, origin);
    const CliRun predict =
        Cli({"predict", "--code", Field(setting, "code"), "--precision", Field(setting, "precision"),
             "--trend", Field(setting, "trend"), "cut.txt"});
    ASSERT_EQ(predict.exit, 0) << predict.err;
    const std::string heading = Field(setting, "point") == "\"weightedAverage\""
                                    ? "Weighted Average\n"
                                    : "Highest Probability\n";
    const std::size_t from = predict.out.find(heading);
    ASSERT_NE(from, std::string::npos) << predict.out;
    const std::size_t start = from + heading.size();
    const std::string printed = predict.out.substr(start, predict.out.find(' ', start) - start);
    EXPECT_EQ(printed, RealText(ParseNumber(forecast))) << line;
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
  ASSERT_EQ(Field(last, "kind"), "\"recommendation\"") << last;
  EXPECT_NE(Field(last, "lower80"), "null");
  EXPECT_NE(Field(last, "lower80"), "");
  EXPECT_EQ(Field(last, "lower95"), "null");
  EXPECT_EQ(Field(last, "upper95"), "null");
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
    const std::string kind = Field(line, "kind");
    const std::string file = Field(line, "file");
    // "file" stands right after "kind".
    ASSERT_EQ(line.rfind("{\"kind\":" + kind + ",\"file\":" + file + ",", 0), 0u) << line;
    if (kind == "\"recommendation\"") recommendations.push_back(file);
    EXPECT_TRUE(previous.empty() || file >= previous);  // names in byte order
    previous = file;
  }
  EXPECT_EQ(recommendations, (std::vector<std::string>{"\"a.TXT\"", "\"b.txt\""}));

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
