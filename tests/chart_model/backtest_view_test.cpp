#include "frame/chart/model/backtest_view.h"

#include <gtest/gtest.h>

#include <string>

#include "frame/chart/model/json_value.h"

namespace foresta {
namespace {

const std::string kPattern =
    R"({"method":"pattern","code":1,"precision":20,"trend":3,"point":"weightedAverage"})";
const std::string kNaive = R"({"method":"naive"})";
const std::string kDrift = R"({"method":"drift"})";

std::string Forecast(const std::string& setting, const char* window, int origin,
                     const char* forecast, const char* actual, const std::string& file = {}) {
  return std::string(R"({"kind":"forecast","setting":)") + setting + R"(,"window":")" + window +
         R"(","origin":)" + std::to_string(origin) + R"(,"forecast":)" + forecast +
         R"(,"actual":)" + actual + (file.empty() ? "" : R"(,"file":")" + file + "\"") + "}\n";
}

std::string Score(const std::string& setting, const char* window, const char* mase,
                  const std::string& file = {}) {
  return std::string(R"({"kind":"score","setting":)") + setting + R"(,"window":")" + window +
         R"(","mae":1.5,"rmse":2.25,"mase":)" + mase + R"(,"forecasts":2,"missing":1)" +
         (file.empty() ? "" : R"(,"file":")" + file + "\"") + "}\n";
}

std::string Recommendation(const std::string& setting, const char* bounds95,
                           const std::string& file = {}) {
  return std::string(R"({"kind":"recommendation","setting":)") + setting +
         R"(,"next":12.5,"lower80":11,"upper80":14,)" + bounds95 +
         R"(,"scoredMase":0.75,"coverage80":0.8,"coverage95":null)" +
         (file.empty() ? "" : R"(,"file":")" + file + "\"") + "}\n";
}

// The records of a backtest of one series: validation origins 5 and 6,
// scored origins 7 and 8, one missing pattern forecast.
std::string OneSeries() {
  std::string text;
  for (const std::string& s : {kPattern, kNaive, kDrift}) {
    text += Forecast(s, "validation", 5, "10", "10.5");
    text += Forecast(s, "validation", 6, s == kPattern ? "null" : "11", "11.25");
    text += Forecast(s, "scored", 7, "12", "11.75");
    text += Forecast(s, "scored", 8, "12.25", "12");
  }
  for (const std::string& s : {kPattern, kNaive, kDrift}) {
    text += Score(s, "validation", "0.5");
    text += Score(s, "scored", "null");
  }
  return text + Recommendation(kPattern, R"("lower95":null,"upper95":null)");
}

TEST(BacktestViewTest, TakesTheRecommendedSettingTheNaiveBaselineAndTheInterval) {
  BacktestRead r = ParseBacktest(OneSeries(), "series.txt", "bt.json");
  ASSERT_TRUE(r.status.ok()) << r.status.message;
  const BacktestView& v = r.view;
  EXPECT_EQ(v.recommended.label, "pattern code 1, precision 20, trend 3, weighted average");
  ASSERT_EQ(v.recommended.points.size(), 4u);
  EXPECT_FALSE(v.recommended.points[1].forecast.has_value());
  EXPECT_EQ(v.recommended.points[2].origin, 7);
  EXPECT_TRUE(v.recommended.points[2].scored);
  EXPECT_FLOAT_EQ(*v.recommended.points[3].forecast, 12.25f);
  EXPECT_FLOAT_EQ(v.recommended.points[3].actual, 12.0f);
  ASSERT_TRUE(v.naive.has_value());
  EXPECT_FLOAT_EQ(*v.naive->points[1].forecast, 11.0f);
  EXPECT_FALSE(v.naiveRecommended);
  EXPECT_TRUE(v.recommended.validation.present);
  EXPECT_FLOAT_EQ(*v.recommended.validation.mase, 0.5f);
  EXPECT_FALSE(v.recommended.scored.mase.has_value());
  EXPECT_EQ(v.recommended.scored.missing, 1);
  EXPECT_EQ(std::make_pair(v.validationFirst, v.validationLast), std::make_pair(5, 6));
  EXPECT_EQ(std::make_pair(v.scoredFirst, v.scoredLast), std::make_pair(7, 8));
  EXPECT_FLOAT_EQ(v.next, 12.5f);
  EXPECT_FLOAT_EQ(*v.lower80, 11.0f);
  EXPECT_FALSE(v.lower95.has_value());  // too few errors
  EXPECT_FALSE(v.coverage95.has_value());
}

TEST(BacktestViewTest, NaiveRecommendedAndCombinationsAreNamed) {
  BacktestRead naive = ParseBacktest(
      Forecast(kNaive, "scored", 3, "1", "2") + Recommendation(kNaive, R"("lower95":0,"upper95":3)"),
      "s.txt", "bt.json");
  ASSERT_TRUE(naive.status.ok()) << naive.status.message;
  EXPECT_TRUE(naive.view.naiveRecommended);
  EXPECT_FALSE(naive.view.naive.has_value());
  EXPECT_EQ(naive.view.recommended.label, "naive");
  EXPECT_EQ(naive.view.recommended.points.size(), 1u);

  // Members in another order name the same setting.
  const std::string combination =
      R"({"of":[)" + kPattern + R"(,{"method":"seasonalNaive","season":12}],"method":"combination"})";
  const std::string reordered =
      R"({"method":"combination","of":[{"point":"weightedAverage","trend":3,"precision":20,"code":1,"method":"pattern"},{"season":12,"method":"seasonalNaive"}]})";
  BacktestRead mean = ParseBacktest(Forecast(combination, "scored", 3, "1", "2") +
                                          Recommendation(reordered, R"("lower95":0,"upper95":3)"),
                                      "s.txt", "bt.json");
  ASSERT_TRUE(mean.status.ok()) << mean.status.message;
  EXPECT_EQ(mean.view.recommended.points.size(), 1u);
  EXPECT_EQ(mean.view.recommended.label,
            "mean of (pattern code 1, precision 20, trend 3, weighted average) and "
            "(seasonal naive, season 12)");
}

TEST(BacktestViewTest, DirectoryOutputIsReadForTheChartsFile) {
  std::string text;
  for (const char* file : {"a.txt", "b.txt"}) {
    const char* value = file[0] == 'a' ? "1" : "2";
    text += Forecast(kPattern, "scored", 4, value, "3", file);
    text += Forecast(kNaive, "scored", 4, value, "3", file);
    text += Score(kPattern, "scored", "1", file);
    text += Recommendation(kPattern, R"("lower95":0,"upper95":3)", file);
  }
  BacktestRead b = ParseBacktest(text, "b.txt", "bt.json");
  ASSERT_TRUE(b.status.ok()) << b.status.message;
  EXPECT_FLOAT_EQ(*b.view.recommended.points.at(0).forecast, 2.0f);
  // Records that name files relative to the directory backtested.
  BacktestRead inFolder = ParseBacktest(text, "data/a.txt", "bt.json");
  ASSERT_TRUE(inFolder.status.ok()) << inFolder.status.message;
  EXPECT_FLOAT_EQ(*inFolder.view.recommended.points.at(0).forecast, 1.0f);
  BacktestRead none = ParseBacktest(text, "c.txt", "bt.json");
  EXPECT_EQ(none.status.code, 867);
  EXPECT_NE(none.status.message.find("c.txt"), std::string::npos);
}

TEST(BacktestViewTest, RefusesOutputThatIsNotBacktestRecords) {
  struct Case {
    std::string text;
    int code;
    const char* says;
  } cases[] = {
      {OneSeries() + "not json\n", 866, "line 20"},
      {"[1,2]\n", 866, "line 1: not a record"},
      {Forecast(kPattern, "later", 1, "1", "1"), 866, "\"window\""},
      {Forecast(kPattern, "scored", -1, "1", "1"), 866, "\"origin\""},
      {Forecast(kPattern, "scored", 1, "\"1\"", "1"), 866, "\"forecast\""},
      {R"({"kind":"forecast","setting":"naive","window":"scored","origin":1,"forecast":1,"actual":1})"
       "\n",
       866, "\"setting\""},
      {Forecast(kPattern, "scored", 1, "1", "1"), 867, "bt.json"},
      {"", 867, "s.txt"},
  };
  for (const Case& c : cases) {
    BacktestRead r = ParseBacktest(c.text, "s.txt", "bt.json");
    EXPECT_EQ(r.status.code, c.code) << c.text;
    EXPECT_NE(r.status.message.find(c.says), std::string::npos) << r.status.message;
  }
  EXPECT_EQ(ReadBacktest("absent.json", "s.txt").status.code, 865);
}

TEST(JsonValueTest, ParsesRecordsExactlyAndRefusesMalformedText) {
  JsonParse p = ParseJson(R"( {"a":[1,-2.5e3,true,null],"s":"x\"\u00e9\ud83d\ude00\n","f":0.1} )");
  ASSERT_TRUE(p.value) << p.error;
  EXPECT_EQ(p.value->Find("s")->AsString(), "x\"\xc3\xa9\xf0\x9f\x98\x80\n");
  EXPECT_EQ(*p.value->Find("f")->AsFloat(), 0.1f);
  EXPECT_EQ(*p.value->Find("a")->Items()[0].AsInteger(), 1);
  EXPECT_FALSE(p.value->Find("a")->Items()[1].AsInteger().has_value());
  EXPECT_EQ(p.value->Canonical(),
            R"({"a":[1,-2.5e3,true,null],"f":0.1,"s":"x\"é😀\u000a"})");
  for (const char* bad : {"", "{", "{\"a\":}", "[1,]", "01", "1.", "\"\\ud800\"", "{} x",
                          "\"tab\there\"", "nul"}) {
    JsonParse q = ParseJson(bad);
    EXPECT_FALSE(q.value) << bad;
    EXPECT_FALSE(q.error.empty()) << bad;
  }
  EXPECT_FALSE(ParseJson(std::string(100, '[') + std::string(100, ']')).value);
}

}  // namespace
}  // namespace foresta
