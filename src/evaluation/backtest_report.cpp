#include "evaluation/backtest_report.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "state/json_text.h"

namespace foresta {
namespace {

constexpr int kListedSettings = 10;

std::string FileField(const std::string* file) {
  return file == nullptr ? std::string() : ",\"file\":" + JsonString(*file);
}

const char* WindowName(const BacktestResult& r, std::size_t o) {
  return o < static_cast<std::size_t>(r.validation) ? "validation" : "scored";
}

// The CSV cells a setting fills: method, code, precision, trend, point,
// season. A combination joins its members' cells with '+'.
std::vector<std::string> CsvCells(const Setting& s) {
  switch (s.method) {
    case Method::kPattern:
      return {"pattern", std::to_string(s.code), std::to_string(s.precision),
              std::to_string(s.trend), PointName(s.point), ""};
    case Method::kNaive: return {"naive", "", "", "", "", ""};
    case Method::kSeasonalNaive: return {"seasonalNaive", "", "", "", "", std::to_string(s.season)};
    case Method::kDrift: return {"drift", "", "", "", "", ""};
    case Method::kCombination: break;
  }
  std::vector<std::string> cells(6);
  for (std::size_t m = 0; m < s.members.size(); ++m) {
    const std::vector<std::string> member = CsvCells(s.members[m]);
    for (std::size_t k = 0; k < cells.size(); ++k) cells[k] += (m > 0 ? "+" : "") + member[k];
  }
  cells[0] = "combination(" + cells[0] + ")";
  return cells;
}

std::string Fixed(std::optional<double> x, int decimals) {
  if (!x || !std::isfinite(*x)) return "-";
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, *x);
  return text;
}

std::string Percent(std::optional<double> x) {
  if (!x) return "none";
  char text[32];
  std::snprintf(text, sizeof text, "%.0f%%", *x * 100);
  return text;
}

std::string Padded(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string ScoreLine(const std::string& label, const Candidate& c) {
  // A long name (a combination) stands on lines of its own above its scores.
  const std::string head = label.size() < 58 ? "  " + Padded(label, 58)
                                             : "  " + label + "\n  " + std::string(58, ' ');
  return head + Padded(Fixed(c.validation.mase, 3), 12) +
         Padded(Fixed(c.scored.mase, 3), 10) +
         std::to_string(c.validation.missing + c.scored.missing) + "\n";
}

std::string IntervalText(std::optional<float> lower, std::optional<float> upper, int percent,
                         const std::optional<float>& next) {
  const std::string level = std::to_string(percent) + "% interval: ";
  if (!next) return "  " + level + "none (no next value)\n";
  if (!lower) return "  " + level + "none: too few errors for this level\n";
  return "  " + level + NumberText(lower) + " to " + NumberText(upper) + "\n";
}

}  // namespace

std::string NumberText(std::optional<float> x) {
  if (!x || !std::isfinite(*x)) return "null";
  char text[64];
  auto [end, ec] = std::to_chars(text, text + sizeof text, *x);
  return std::string(text, end);
}

std::string NumberText(std::optional<double> x) {
  if (!x) return "null";
  return NumberText(std::optional<float>(static_cast<float>(*x)));
}

void WriteBacktestJson(std::ostream& out, const BacktestResult& r, const std::string* file) {
  const std::string fileField = FileField(file);
  for (const Candidate& c : r.candidates) {
    const std::string head = "{\"kind\":\"forecast\"" + fileField + ",\"setting\":" +
                             SettingJson(c.setting) + ",\"window\":\"";
    for (std::size_t o = 0; o < c.forecasts.size(); ++o) {
      out << head << WindowName(r, o) << "\",\"origin\":" << r.firstOrigin + static_cast<int>(o)
          << ",\"forecast\":" << NumberText(c.forecasts[o])
          << ",\"actual\":" << NumberText(std::optional<float>(r.actuals[o])) << "}\n";
    }
  }
  for (const Candidate& c : r.candidates) {
    for (const WindowScore* s : {&c.validation, &c.scored}) {
      out << "{\"kind\":\"score\"" << fileField << ",\"setting\":" << SettingJson(c.setting)
          << ",\"window\":\"" << (s == &c.validation ? "validation" : "scored")
          << "\",\"mae\":" << NumberText(s->mae) << ",\"rmse\":" << NumberText(s->rmse)
          << ",\"mase\":" << NumberText(s->mase) << ",\"forecasts\":" << s->forecasts
          << ",\"missing\":" << s->missing << "}\n";
    }
  }
  const Recommendation& rec = r.recommendation;
  if (rec.candidate < 0) return;
  const Candidate& c = r.candidates[static_cast<std::size_t>(rec.candidate)];
  out << "{\"kind\":\"recommendation\"" << fileField << ",\"setting\":" << SettingJson(c.setting)
      << ",\"next\":" << NumberText(rec.next) << ",\"lower80\":" << NumberText(rec.lower80)
      << ",\"upper80\":" << NumberText(rec.upper80) << ",\"lower95\":" << NumberText(rec.lower95)
      << ",\"upper95\":" << NumberText(rec.upper95)
      << ",\"scoredMase\":" << NumberText(c.scored.mase)
      << ",\"coverage80\":" << NumberText(rec.coverage80)
      << ",\"coverage95\":" << NumberText(rec.coverage95) << "}\n";
}

const char* const kBacktestCsvHeader =
    "file,method,code,precision,trend,point,season,window,origin,forecast,actual\n";

void WriteBacktestCsv(std::ostream& out, const BacktestResult& r, const std::string& file) {
  for (const Candidate& c : r.candidates) {
    std::string head = file;
    for (const std::string& cell : CsvCells(c.setting)) head += "," + cell;
    for (std::size_t o = 0; o < c.forecasts.size(); ++o) {
      const std::string forecast = c.forecasts[o] ? NumberText(c.forecasts[o]) : "";
      out << head << "," << WindowName(r, o) << "," << r.firstOrigin + static_cast<int>(o) << ","
          << forecast << "," << NumberText(std::optional<float>(r.actuals[o])) << "\n";
    }
  }
}

std::vector<std::string> NotApplicableLines(const BacktestResult& r) {
  std::vector<std::pair<std::pair<int, int>, std::string>> lines;
  for (const Setting& s : r.notApplicable) {
    const std::pair<int, int> key{s.precision, s.trend};
    auto it = std::find_if(lines.begin(), lines.end(), [&](const auto& l) { return l.first == key; });
    if (it == lines.end()) {
      lines.push_back({key, std::to_string(s.code)});
    } else {
      it->second += " " + std::to_string(s.code);
    }
  }
  std::vector<std::string> text;
  for (const auto& [key, codes] : lines) {
    text.push_back("precision " + std::to_string(key.first) + ", trend " +
                   std::to_string(key.second) + ": codes " + codes);
  }
  return text;
}

const Candidate* FindCandidate(const BacktestResult& r, Method method) {
  for (const Candidate& c : r.candidates) {
    if (c.setting.method == method) return &c;
  }
  return nullptr;
}

std::string BacktestReportText(const BacktestResult& r, const std::string& input) {
  std::string text = "Backtest of " + input + ": " + std::to_string(r.rows) + " rows, variable " +
                     std::to_string(r.variable + 1) + ", one step ahead.\n";
  text += "Validation window: rows " + std::to_string(r.firstOrigin + 1) + " to " +
          std::to_string(r.firstScored()) + " (" + std::to_string(r.validation) +
          " origins); scored window: rows " + std::to_string(r.firstScored() + 1) + " to " +
          std::to_string(r.rows) + " (" + std::to_string(r.origins) + " origins).\n";
  text += "Each row is forecast from the rows before it; the advice is chosen on the "
          "validation window only.\n";
  text += r.scale ? "MASE divides the mean absolute error by " + NumberText(r.scale) +
                        ", the mean absolute " +
                        (r.seasonGiven ? "seasonal (" + std::to_string(r.season) + "-row)" : std::string("one-step")) +
                        " change before the scored window.\n"
                  : "MASE cannot be computed: the series does not change before the scored "
                    "window.\n";
  for (const std::string& note : r.notes) text += note + "\n";

  std::vector<const Candidate*> patterns;
  for (const Candidate& c : r.candidates) {
    if (c.setting.method == Method::kPattern && c.validation.mae && c.validation.missing == 0) {
      patterns.push_back(&c);
    }
  }
  std::stable_sort(patterns.begin(), patterns.end(), [](const Candidate* a, const Candidate* b) {
    return *a->validation.mae < *b->validation.mae;
  });
  const std::string columns = "  " + Padded("setting", 58) + Padded("validation", 12) +
                              Padded("scored", 10) + "missing\n";
  text += "\nBest pattern settings on the validation window (MASE, lower is better):\n" + columns;
  if (patterns.empty()) text += "  none forecast at every validation origin\n";
  for (std::size_t i = 0; i < patterns.size() && i < static_cast<std::size_t>(kListedSettings); ++i) {
    text += ScoreLine(SettingName(patterns[i]->setting), *patterns[i]);
  }
  text += "\nBaselines and combinations:\n" + columns;
  for (const Candidate& c : r.candidates) {
    if (c.setting.method != Method::kPattern) text += ScoreLine(SettingName(c.setting), c);
  }
  if (!r.notApplicable.empty()) {
    text += "\nNot applicable (refused by the input test for this series at every origin):\n";
    for (const std::string& line : NotApplicableLines(r)) text += "  " + line + "\n";
  }
  const Recommendation& rec = r.recommendation;
  if (rec.candidate < 0) return text + "\nNo recommendation: no setting forecast at every validation origin.\n";
  const Candidate& c = r.candidates[static_cast<std::size_t>(rec.candidate)];
  text += "\nRecommendation: " + SettingName(c.setting) + "\n";
  if (c.setting.method == Method::kNaive) {
    text += "  No pattern setting beat the naive forecast (the last value) on the validation "
            "window.\n";
  } else if (c.setting.method != Method::kPattern && c.setting.method != Method::kCombination) {
    text += "  No pattern setting beat this baseline on the validation window.\n";
  }
  const Candidate* naive = FindCandidate(r, Method::kNaive);
  text += "  Scored window: MASE " + Fixed(c.scored.mase, 3) + " (naive " +
          Fixed(naive ? naive->scored.mase : std::nullopt, 3) + "), MAE " +
          NumberText(c.scored.mae) + ", " + std::to_string(c.scored.missing) + " missing.\n";
  text += "  Next value (row " + std::to_string(r.rows + 1) + "): " +
          (rec.next ? NumberText(rec.next) : std::string("none (no prediction)")) + "\n";
  text += IntervalText(rec.lower80, rec.upper80, 80, rec.next);
  text += IntervalText(rec.lower95, rec.upper95, 95, rec.next);
  text += "  Intervals from " + std::to_string(rec.errors) +
          " backtest errors; coverage on the scored window: 80% interval " +
          Percent(rec.coverage80) + ", 95% interval " + Percent(rec.coverage95) + ".\n";
  return text;
}

std::string AdvisedPredictionText(const BacktestResult& r, const std::string& input) {
  const Recommendation& rec = r.recommendation;
  const Candidate& c = r.candidates[static_cast<std::size_t>(rec.candidate)];
  std::string text = "Prediction of " + input + " with the advised method: " +
                     SettingName(c.setting) + "\n";
  text += "Next value (row " + std::to_string(r.rows + 1) + "): " +
          (rec.next ? NumberText(rec.next) : std::string("none (no prediction)")) + "\n";
  text += IntervalText(rec.lower80, rec.upper80, 80, rec.next);
  text += IntervalText(rec.lower95, rec.upper95, 95, rec.next);
  text += "The intervals come from " + std::to_string(rec.errors) +
          " errors of this method, each row of the last " + std::to_string(r.originCount()) +
          " forecast from the rows before it. On the last " + std::to_string(r.origins) +
          " rows the 80% interval held the actual value " + Percent(rec.coverage80) +
          " of the time, the 95% interval " + Percent(rec.coverage95) + "; MASE there " +
          Fixed(c.scored.mase, 3) + ".\n";
  return text;
}

BacktestSummaryLine SummaryOf(const std::string& file, const BacktestResult& r) {
  BacktestSummaryLine line;
  line.file = file;
  line.rows = r.rows;
  if (const Candidate* naive = FindCandidate(r, Method::kNaive)) line.naiveMase = naive->scored.mase;
  line.coverage80 = r.recommendation.coverage80;
  line.recommendation = "none";
  if (r.recommendation.candidate >= 0) {
    const Candidate& c = r.candidates[static_cast<std::size_t>(r.recommendation.candidate)];
    line.recommendation = SettingName(c.setting);
    line.scoredMase = c.scored.mase;
  }
  return line;
}

std::string BacktestSummaryTable(const std::vector<BacktestSummaryLine>& lines) {
  std::string text = Padded("file", 24) + Padded("rows", 7) + Padded("MASE", 8) +
                     Padded("naive", 8) + Padded("cover80", 9) + "recommendation\n";
  for (const BacktestSummaryLine& line : lines) {
    text += Padded(line.file, 24);
    if (!line.refusal.empty()) {
      text += line.refusal + "\n";
      continue;
    }
    text += Padded(std::to_string(line.rows), 7) + Padded(Fixed(line.scoredMase, 3), 8) +
            Padded(Fixed(line.naiveMase, 3), 8) + Padded(Percent(line.coverage80), 9) +
            line.recommendation + "\n";
  }
  return text;
}

}  // namespace foresta
