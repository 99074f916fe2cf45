#include "frame/chart/model/backtest_view.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <set>

#include "frame/chart/model/report_forecast.h"
#include "state/message_codes.h"

namespace foresta {
namespace {

constexpr std::string_view kNaiveSetting = R"({"method":"naive"})";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string NumberText(const JsonValue* value) {
  return value != nullptr && value->type() == JsonValue::Type::kNumber ? value->Canonical() : "?";
}

struct Record {
  std::size_t line = 0;  // from 1
  JsonValue value;
};

// Reads the fields of the records of one input into a view, or says which
// record lacks what.
class ViewBuilder {
 public:
  explicit ViewBuilder(const std::string& source) : source_(source) {}

  bool Add(const Record& record);
  BacktestRead Finish(const std::string& inputFile);

 private:
  bool Invalid(const Record& record, const std::string& what) {
    status_ = ChartRefusal(kMsgChartBacktestInvalid,
                           source_ + ", line " + std::to_string(record.line) + ": " + what);
    return false;
  }
  // A member that must be a number or null.
  bool Measure(const Record& record, const char* key, std::optional<float>& out);
  bool Window(const Record& record, bool& scored);
  std::string Setting(const Record& record, bool& ok);

  struct Forecast {
    std::string setting;
    BacktestPoint point;
  };

  const std::string& source_;
  ChartStatus status_;
  std::vector<Forecast> forecasts_;
  std::map<std::string, BacktestScore> validationScores_, scoredScores_;
  std::optional<Record> recommendation_;
};

bool ViewBuilder::Measure(const Record& record, const char* key, std::optional<float>& out) {
  const JsonValue* value = record.value.Find(key);
  if (value != nullptr && value->IsNull()) {
    out.reset();
    return true;
  }
  out = value != nullptr ? value->AsFloat() : std::nullopt;
  if (!out) return Invalid(record, std::string("\"") + key + "\" is not a number or null");
  return true;
}

bool ViewBuilder::Window(const Record& record, bool& scored) {
  const JsonValue* window = record.value.Find("window");
  const std::string name = window != nullptr ? window->AsString() : std::string();
  if (name != "validation" && name != "scored") {
    return Invalid(record, "\"window\" is neither \"validation\" nor \"scored\"");
  }
  scored = name == "scored";
  return true;
}

std::string ViewBuilder::Setting(const Record& record, bool& ok) {
  const JsonValue* setting = record.value.Find("setting");
  ok = setting != nullptr && setting->type() == JsonValue::Type::kObject;
  if (!ok) {
    Invalid(record, "\"setting\" is not an object");
    return {};
  }
  return setting->Canonical();
}

bool ViewBuilder::Add(const Record& record) {
  const std::string kind = record.value.Find("kind")->AsString();
  if (kind != "forecast" && kind != "score" && kind != "recommendation") return true;
  bool ok = false;
  const std::string setting = Setting(record, ok);
  if (!ok) return false;
  if (kind == "recommendation") {
    std::optional<float> next;
    if (!Measure(record, "next", next)) return false;
    if (!next) return Invalid(record, "the recommendation has no next value");
    recommendation_ = record;
    return true;
  }
  bool scored = false;
  if (!Window(record, scored)) return false;
  if (kind == "forecast") {
    Forecast f;
    f.setting = setting;
    f.point.scored = scored;
    const JsonValue* origin = record.value.Find("origin");
    const std::optional<long long> t = origin != nullptr ? origin->AsInteger() : std::nullopt;
    if (!t || *t < 0 || *t > std::numeric_limits<int>::max() - 1) {
      return Invalid(record, "\"origin\" is not a row number");
    }
    f.point.origin = static_cast<int>(*t);
    std::optional<float> actual;
    if (!Measure(record, "forecast", f.point.forecast) || !Measure(record, "actual", actual)) {
      return false;
    }
    if (!actual) return Invalid(record, "the forecast record has no actual value");
    f.point.actual = *actual;
    forecasts_.push_back(std::move(f));
    return true;
  }
  BacktestScore score;
  score.present = true;
  if (!Measure(record, "mae", score.mae) || !Measure(record, "rmse", score.rmse) ||
      !Measure(record, "mase", score.mase)) {
    return false;
  }
  const JsonValue* forecasts = record.value.Find("forecasts");
  const JsonValue* missing = record.value.Find("missing");
  const auto count = [](const JsonValue* v) {
    return v != nullptr ? v->AsInteger() : std::nullopt;
  };
  if (!count(forecasts) || !count(missing)) {
    return Invalid(record, "\"forecasts\" and \"missing\" are not counts");
  }
  score.forecasts = *count(forecasts);
  score.missing = *count(missing);
  (scored ? scoredScores_ : validationScores_)[setting] = score;
  return true;
}

BacktestRead ViewBuilder::Finish(const std::string& inputFile) {
  BacktestRead result;
  if (!status_.ok()) {
    result.status = status_;
    return result;
  }
  if (!recommendation_) {
    result.status = ChartRefusal(kMsgChartNoRecommendation, source_ + ", " + inputFile);
    return result;
  }
  const JsonValue& rec = recommendation_->value;
  const JsonValue& setting = *rec.Find("setting");
  const std::string recommended = setting.Canonical();
  BacktestView& view = result.view;
  view.next = *rec.Find("next")->AsFloat();
  const std::pair<const char*, std::optional<float>*> measures[] = {
      {"lower80", &view.lower80},       {"upper80", &view.upper80},
      {"lower95", &view.lower95},       {"upper95", &view.upper95},
      {"scoredMase", &view.scoredMase}, {"coverage80", &view.coverage80},
      {"coverage95", &view.coverage95},
  };
  for (const auto& [key, out] : measures) {
    if (!Measure(*recommendation_, key, *out)) {
      result.status = status_;
      return result;
    }
  }
  view.naiveRecommended = recommended == kNaiveSetting;
  view.recommended.label = SettingLabel(setting);
  BacktestLine naive;
  naive.label = "naive";
  bool naiveRun = false;
  for (const Forecast& f : forecasts_) {
    int& first = f.point.scored ? view.scoredFirst : view.validationFirst;
    int& last = f.point.scored ? view.scoredLast : view.validationLast;
    if (first < 0 || f.point.origin < first) first = f.point.origin;
    if (f.point.origin > last) last = f.point.origin;
    if (f.setting == recommended) view.recommended.points.push_back(f.point);
    if (f.setting == kNaiveSetting && !view.naiveRecommended) {
      naive.points.push_back(f.point);
      naiveRun = true;
    }
  }
  const auto scores = [this](const std::string& key, BacktestLine& line) {
    if (auto it = validationScores_.find(key); it != validationScores_.end()) line.validation = it->second;
    if (auto it = scoredScores_.find(key); it != scoredScores_.end()) line.scored = it->second;
  };
  scores(recommended, view.recommended);
  if (naiveRun || (!view.naiveRecommended && scoredScores_.count(std::string(kNaiveSetting)) != 0)) {
    scores(std::string(kNaiveSetting), naive);
    view.naive = std::move(naive);
  }
  return result;
}

// The "file" values of the records, and which of them is the input.
std::optional<std::string> InputName(const std::vector<Record>& records,
                                     const std::string& inputFile) {
  std::set<std::string> names;
  for (const Record& r : records) {
    if (const JsonValue* file = r.value.Find("file")) names.insert(file->AsString());
  }
  for (const std::string& name : names) {
    if (SameInputName(name, inputFile)) return name;
  }
  // A directory's records may name files relative to that directory.
  const std::string wanted = std::filesystem::path(inputFile).filename().string();
  std::optional<std::string> found;
  for (const std::string& name : names) {
    if (std::filesystem::path(name).filename().string() != wanted) continue;
    if (found) return std::nullopt;  // two files of that name: neither is sure
    found = name;
  }
  return found;
}

}  // namespace

std::string SettingLabel(const JsonValue& setting) {
  const JsonValue* method = setting.Find("method");
  const std::string name = method != nullptr ? method->AsString() : std::string();
  if (name == "pattern") {
    const JsonValue* point = setting.Find("point");
    const std::string p = point != nullptr ? point->AsString() : std::string();
    return "pattern code " + NumberText(setting.Find("code")) + ", precision " +
           NumberText(setting.Find("precision")) + ", trend " + NumberText(setting.Find("trend")) +
           (p == "highestProbability" ? ", highest probability"
                                      : p == "weightedAverage" ? ", weighted average" : "");
  }
  if (name == "naive") return "naive";
  if (name == "drift") return "drift";
  if (name == "seasonalNaive") return "seasonal naive, season " + NumberText(setting.Find("season"));
  if (name == "combination") {
    std::string label = "mean of ";
    const JsonValue* of = setting.Find("of");
    if (of != nullptr) {
      for (std::size_t i = 0; i < of->Items().size(); ++i) {
        if (i > 0) label += " and ";
        label += "(" + SettingLabel(of->Items()[i]) + ")";
      }
    }
    return label;
  }
  return setting.Canonical();
}

BacktestRead ParseBacktest(std::string_view text, const std::string& inputFile,
                             const std::string& sourceName) {
  std::vector<Record> records;
  std::size_t lineNumber = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = Trimmed(text.substr(start, end - start));
    start = end + 1;
    ++lineNumber;
    if (line.empty()) continue;
    JsonParse parsed = ParseJson(line);
    const JsonValue* kind = parsed.value ? parsed.value->Find("kind") : nullptr;
    if (kind == nullptr || kind->type() != JsonValue::Type::kString) {
      const std::string why = parsed.value ? "not a record with a \"kind\"" : parsed.error;
      return {ChartRefusal(kMsgChartBacktestInvalid,
                           sourceName + ", line " + std::to_string(lineNumber) + ": " + why),
              {}};
    }
    records.push_back({lineNumber, std::move(*parsed.value)});
  }
  const std::optional<std::string> name = InputName(records, inputFile);
  ViewBuilder builder(sourceName);
  for (const Record& record : records) {
    const JsonValue* file = record.value.Find("file");
    if (file != nullptr && (!name || file->AsString() != *name)) continue;
    if (!builder.Add(record)) break;
  }
  return builder.Finish(inputFile);
}

BacktestRead ReadBacktest(const std::string& file, const std::string& inputFile) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return {ChartRefusal(kMsgChartBacktestUnreadable, file), {}};
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return {ChartRefusal(kMsgChartBacktestUnreadable, file), {}};
  return ParseBacktest(text, inputFile, file);
}

}  // namespace foresta
