#include "frame/chart/model/report_forecast.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>

#include "state/message_codes.h"

namespace foresta {
namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";
constexpr std::string_view kSectionPrefix = "Input file: ";
constexpr std::size_t kSectionStars = 44;

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// The numbers of a line of numbers, in the report's "%g" form (including
// "inf" and "nan" where a division had no weight); nothing when any item
// of the line is not a number.
std::optional<std::vector<float>> Numbers(std::string_view line) {
  std::vector<float> numbers;
  std::size_t i = 0;
  while (true) {
    i = line.find_first_not_of(kBlanks, i);
    if (i == std::string_view::npos) break;
    std::size_t end = line.find_first_of(kBlanks, i);
    if (end == std::string_view::npos) end = line.size();
    float value = 0.0f;
    const char* first = line.data() + i;
    const char* last = line.data() + end;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
      value = *first == '-' ? -std::numeric_limits<float>::infinity()
                            : std::numeric_limits<float>::infinity();
    } else if (ec != std::errc() || ptr != last) {
      return std::nullopt;
    }
    numbers.push_back(value);
    i = end;
  }
  if (numbers.empty()) return std::nullopt;
  return numbers;
}

bool AllDashes(std::string_view line) {
  return !line.empty() && line.find_first_not_of('-') == std::string_view::npos;
}

// The lines [first, last) of the part of the report that is about the input.
struct Section {
  std::size_t first = 0;
  std::size_t last = 0;
};

class ReportParser {
 public:
  ReportParser(const std::vector<std::string_view>& lines, std::uint32_t n,
               const std::string& inputFile, const std::string& reportName)
      : lines_(lines), n_(n), input_(inputFile), report_(reportName) {}

  ReportResult Parse(Section section);

 private:
  enum class Expect { kNothing, kAverage, kHighest, kErrors };

  ChartStatus Mismatch(const std::string& detail) const {
    return ChartRefusal(kMsgChartReportMismatch, report_ + ", " + detail);
  }
  ChartStatus CountMismatch(std::size_t line, std::size_t held, std::size_t wanted) const {
    return Mismatch("line " + std::to_string(line + 1) + " holds " + std::to_string(held) +
                    " numbers where a report on " + input_ + " (" + std::to_string(n_) +
                    (n_ == 1 ? " variable" : " variables") + ") holds " +
                    std::to_string(wanted));
  }
  // Takes the numbers after a summary title.
  ChartStatus TakeSummary(Expect expect, std::size_t line, std::vector<float> numbers);

  const std::vector<std::string_view>& lines_;
  std::uint32_t n_;
  const std::string& input_;
  const std::string& report_;
  ReportResult result_;
  bool average_ = false;
  bool highest_ = false;
};

ChartStatus ReportParser::TakeSummary(Expect expect, std::size_t line,
                                      std::vector<float> numbers) {
  ReportForecast& f = result_.forecast;
  const std::size_t wanted = expect == Expect::kHighest ? n_ + 1 : n_;
  if (numbers.size() != wanted) return CountMismatch(line, numbers.size(), wanted);
  switch (expect) {
    case Expect::kAverage:
      f.weightedAverage = std::move(numbers);
      average_ = true;
      break;
    case Expect::kHighest:
      f.highestWeight = numbers.back();
      numbers.pop_back();
      f.highestProbability = std::move(numbers);
      highest_ = true;
      break;
    case Expect::kErrors:
      f.errors = std::move(numbers);
      break;
    case Expect::kNothing:
      break;
  }
  return {};
}

ReportResult ReportParser::Parse(Section section) {
  ReportForecast& f = result_.forecast;
  Expect expect = Expect::kNothing;
  bool listing = false;
  bool noPrediction = false;
  for (std::size_t i = section.first; i < section.last; ++i) {
    const std::string_view line = Trimmed(lines_[i]);
    if (line.empty()) continue;
    std::optional<std::vector<float>> numbers = Numbers(line);
    if (expect != Expect::kNothing) {
      if (!numbers) {
        result_.status = Mismatch("line " + std::to_string(i + 1) + " should hold numbers");
        return result_;
      }
      result_.status = TakeSummary(expect, i, std::move(*numbers));
      if (!result_.status.ok()) return result_;
      expect = Expect::kNothing;
    } else if (line.starts_with("Possibility")) {
      listing = true;
    } else if (AllDashes(line)) {
      listing = false;
    } else if (line == "Can not make a Prediction.") {
      noPrediction = true;
    } else if (line == "Weighted Average") {
      expect = Expect::kAverage;
    } else if (line == "Highest Probability") {
      expect = Expect::kHighest;
    } else if (line == "Error of each number") {
      expect = Expect::kErrors;
    } else if (numbers && !noPrediction) {
      if (numbers->size() != n_ + 1) {
        result_.status = CountMismatch(i, numbers->size(), n_ + 1);
        return result_;
      }
      const float weight = numbers->back();
      numbers->pop_back();
      if (listing) {
        f.candidates.push_back({std::move(*numbers), weight});
      } else {
        f.steps.push_back(std::move(*numbers));
        f.stepWeights.push_back(weight);
      }
    } else if (!noPrediction) {
      // After "Can not make a Prediction." only its advice follows.
      result_.status = Mismatch("line " + std::to_string(i + 1) + " is not part of a prediction report");
      return result_;
    }
  }
  if (expect != Expect::kNothing) {
    result_.status = Mismatch("it ends before the numbers of its last title");
  } else if (average_ != highest_ || (average_ && (noPrediction || !f.steps.empty()))) {
    result_.status = Mismatch("its parts do not make one report");
  } else if (average_) {
    f.form = ReportForecast::Form::kSingle;
  } else if (noPrediction) {
    f.form = ReportForecast::Form::kNoPrediction;
  } else if (!f.steps.empty() && f.candidates.empty()) {
    f.form = ReportForecast::Form::kSteps;
  } else {
    result_.status = Mismatch("it holds no forecast for " + input_);
  }
  return result_;
}

}  // namespace

bool IsCollectiveReport(const std::string& reportFile) {
  std::ifstream in(reportFile, std::ios::binary);
  const std::string stars(kSectionStars, '*');
  std::string line;
  bool afterStars = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (afterStars && line.starts_with(kSectionPrefix)) return true;
    afterStars = line == stars;
  }
  return false;
}

bool SameInputName(const std::string& a, const std::string& b) {
  if (a == b) return true;
  std::error_code error;
  if (std::filesystem::equivalent(a, b, error) && !error) return true;
  const auto canonical = [](const std::string& name) {
    std::error_code ignored;
    return std::filesystem::weakly_canonical(std::filesystem::absolute(name, ignored), ignored)
        .lexically_normal();
  };
  return canonical(a) == canonical(b);
}

ReportResult ParseReport(std::string_view text, const std::string& inputFile,
                         std::uint32_t variableCount, const std::string& reportName) {
  const std::vector<std::string_view> lines = SplitLines(text);
  // A collective report: a row of stars and "Input file: NAME" before each
  // file's part. The last part about the input is the one that counts.
  Section whole{0, lines.size()};
  std::optional<Section> mine;
  bool collective = false;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i] != std::string(kSectionStars, '*') || !lines[i + 1].starts_with(kSectionPrefix)) {
      continue;
    }
    if (collective && mine && mine->last == lines.size()) mine->last = i;
    collective = true;
    const std::string name(lines[i + 1].substr(kSectionPrefix.size()));
    if (SameInputName(name, inputFile)) mine = Section{i + 2, lines.size()};
  }
  if (collective && !mine) {
    return {ChartRefusal(kMsgChartReportMismatch, reportName + " has no part for " + inputFile),
            {},
            true};
  }
  ReportParser parser(lines, variableCount, inputFile, reportName);
  return parser.Parse(mine.value_or(whole));
}

ReportResult ReadReport(const std::string& reportFile, const std::string& inputFile,
                        std::uint32_t variableCount) {
  std::ifstream in(reportFile, std::ios::binary);
  if (!in) return {ChartRefusal(kMsgChartReportUnreadable, reportFile), {}};
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return {ChartRefusal(kMsgChartReportUnreadable, reportFile), {}};
  return ParseReport(text, inputFile, variableCount, reportFile);
}

}  // namespace foresta
