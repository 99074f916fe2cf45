#include "prediction/prediction_report.h"

#include <charconv>
#include <cstdint>
#include <vector>

#include "prediction/byte_source.h"
#include "prediction/interval_code.h"
#include "prediction/report_tally.h"

namespace foresta {

const char* const kNoPredictionText =
    "\n\nCan not make a Prediction.\n"
    "To get a prediction, you can:\n"
    "\t(1) Add more data;\n"
    "If you do not have more data; then click 'Data/Link' and: \n"
    "\t(2) Reduce Trend; or/and\n"
    "\t(3) Reduce Precision level;\n"
    "You may also consider:\n"
    "\t(4) Reduce the number of variables in your data set.\n"
    "See the User's Guide\n";

namespace {

constexpr const char* kPossibilityHeader =
    "Possibility              Confidence*Probability  \n";

int NextNonBlank(ByteSource& in) {
  int c = in.Get();
  while (IsBlank(c)) c = in.Get();
  return c;
}

class ReportWriter {
 public:
  ReportWriter(ReportKind kind, const ReportRequest& request,
               PredictionState& state, TextOutput* out)
      : kind_(kind), request_(request), state_(state), out_(out) {}

  int Run(ByteSource& in);

 private:
  bool integer() const {
    return request_.mode == kModeInteger || request_.mode == kModeIntegerSummary;
  }
  bool listing() const {
    return request_.mode == kModeReal || request_.mode == kModeInteger;
  }
  void Write(std::string_view text) {
    if (out_ != nullptr) out_->Write(text);
  }
  void WriteNumber(float x) {
    if (out_ == nullptr) return;
    if (integer()) {
      out_->WriteInteger(TruncateTowardZero(x));
    } else {
      out_->WriteReal(x);
    }
  }
  // Integer modes write the rounded average without rounding it again.
  void WriteAverage(std::uint32_t j) {
    if (out_ == nullptr) return;
    const float average = tally_.Average(j, integer());
    if (integer()) {
      out_->WriteInteger(TruncateTowardZero(average));
    } else {
      out_->WriteReal(average);
    }
  }
  bool DecodeRow(int first, ByteSource& in);
  void TellSummary(bool made);
  static float ReadWeight(ByteSource& in);
  void RecordResults(bool made);

  ReportKind kind_;
  const ReportRequest& request_;
  PredictionState& state_;
  TextOutput* out_;

  std::uint32_t n_ = 0;
  std::vector<float> widths_;
  std::vector<float> numbers_;
  ReportTally tally_;
  ReportNumbers exported_;
};

// Hands the listener the summary exactly as the report writes it.
void ReportWriter::TellSummary(bool made) {
  if (request_.listener == nullptr) return;
  exported_.made = made;
  if (made) {
    for (std::uint32_t j = 0; j < n_; ++j) {
      exported_.weightedAverage.push_back(tally_.Average(j, integer()));
      float error = widths_[j] / 2.0f;
      if (kind_ == ReportKind::kGrowth) error = state_.ValueMinima[n_ + j] * widths_[j] / 2.0f;
      exported_.error.push_back(error);
    }
    exported_.highestProbability = tally_.best();
    exported_.highestWeight = tally_.maximum();
  }
  request_.listener->OnSummary(exported_);
}

// Decodes the N codes of one listed row into numbers_. `first` is the row's
// first character. False when the row is cut short.
bool ReportWriter::DecodeRow(int first, ByteSource& in) {
  const int p = request_.precision;
  int c = first;
  for (std::uint32_t j = 0; j < n_; ++j) {
    std::int64_t ones = 0;
    std::int64_t lastOne = -1;
    for (int i = 0; i < p; ++i) {
      if (j > 0 || i > 0) c = NextNonBlank(in);
      if (c == '1') {
        ++ones;
        lastOne = i;
      } else if (c != '0') {
        return false;
      }
    }
    const std::int64_t index = DecodedIndex(p, request_.style, ones, lastOne);
    const float last = kind_ == ReportKind::kGrowth ? state_.ValueMinima[n_ + j] : 0.0f;
    numbers_[j] = DecodedNumber(kind_, index, state_.ValueMinima[j], widths_[j], last,
                                integer());
  }
  return true;
}

float ReportWriter::ReadWeight(ByteSource& in) {
  int c = NextNonBlank(in);
  std::string token;
  while (c != ByteSource::kEnd && !IsBlank(c)) {
    token.push_back(static_cast<char>(c));
    c = in.Get();
  }
  float weight = 0.0f;
  std::from_chars(token.data(), token.data() + token.size(), weight);
  return weight;
}

void ReportWriter::RecordResults(bool made) {
  const std::int64_t a = request_.averageIndex;
  const bool tableFits = n_ < kTableColumns;
  const std::int64_t stepRow = a + request_.trend - 1;
  const bool stepRowFits = a >= 0 && tableFits && stepRow >= 0 &&
                           stepRow < static_cast<std::int64_t>(kTableRows);
  const std::size_t row = static_cast<std::size_t>(stepRowFits ? stepRow : 0);
  if (!made) {
    if (stepRowFits) {
      for (std::uint32_t j = 0; j <= n_; ++j) state_.Table(row, j) = 0.0f;
    }
    return;
  }
  const std::int64_t lastRow = static_cast<std::int64_t>(kGrowthLastRow) + a;
  for (std::uint32_t j = 0; j < n_; ++j) {
    const float average = tally_.Average(j, integer());
    if (kind_ == ReportKind::kValue) {
      if (stepRowFits) state_.Table(row, j) = average;
      continue;
    }
    float& last = state_.ValueMinima[n_ + j];
    const float previous = last;
    if (tableFits && lastRow >= 0 && lastRow < static_cast<std::int64_t>(kTableRows)) {
      state_.Table(static_cast<std::size_t>(lastRow), j) = previous;
    }
    last = average;
    if (stepRowFits) state_.Table(row, j) = (average - previous) / previous;
  }
  if (stepRowFits) state_.Table(row, n_) = static_cast<float>(tally_.maximum());
}

int ReportWriter::Run(ByteSource& in) {
  n_ = state_.VariableCount;
  const std::size_t limit = kind_ == ReportKind::kGrowth ? kExtremaEntries / 2
                                                         : kExtremaEntries;
  if (n_ == 0 || n_ > limit || request_.precision < 1 ||
      !IsCodeStyle(request_.style) || !IsReportMode(request_.mode)) {
    return kReportNoRecognitionOutput;
  }
  widths_.resize(n_);
  for (std::uint32_t j = 0; j < n_; ++j) {
    widths_[j] = IntervalWidth(state_.ValueMaxima[j], state_.ValueMinima[j],
                               request_.precision);
  }
  numbers_.assign(n_, 0.0f);
  tally_.Start(n_);
  exported_.inputFile = request_.predictionInputFile;
  exported_.averageIndex = request_.averageIndex;

  int c;
  do {
    c = in.Get();
  } while (c != ByteSource::kEnd && c != ':');
  if (c == ByteSource::kEnd && kind_ == ReportKind::kGrowth) return kReportNoList;

  if (listing()) Write(kPossibilityHeader);
  c = NextNonBlank(in);
  const bool made = c == '0' || c == '1';
  if (!made) Write(kNoPredictionText);
  while (c == '0' || c == '1') {
    if (!DecodeRow(c, in)) break;
    if (listing()) {
      for (std::uint32_t j = 0; j < n_; ++j) {
        WriteNumber(numbers_[j]);
        Write("  ");
      }
    }
    const float weight = ReadWeight(in);
    if (request_.listener != nullptr) {
      request_.listener->OnCandidate(exported_, numbers_, weight);
    }
    if (listing() && out_ != nullptr) {
      Write("     ");
      out_->WriteReal(weight);
      Write("\n");
    }
    tally_.Add(numbers_, weight);
    c = NextNonBlank(in);
  }
  if (listing()) Write(std::string(51, '-') + "\n");
  if (made) {
    Write("Weighted Average\n");
    for (std::uint32_t j = 0; j < n_; ++j) {
      WriteAverage(j);
      Write("  ");
    }
    Write("\nHighest Probability\n");
    for (std::uint32_t j = 0; j < n_; ++j) {
      WriteNumber(tally_.best()[j]);
      Write("  ");
    }
    if (out_ != nullptr) out_->WriteInteger(tally_.maximum());
    Write("\nError of each number\n");
    for (std::uint32_t j = 0; j < n_; ++j) {
      float error = widths_[j] / 2.0f;
      if (kind_ == ReportKind::kGrowth) {
        error = state_.ValueMinima[n_ + j] * widths_[j] / 2.0f;
      }
      if (out_ != nullptr) out_->WriteReal(error);
      Write("  ");
    }
    Write("\n");
  }
  TellSummary(made);
  RecordResults(made);
  return kReportOk;
}

}  // namespace

int WritePredictionReport(ReportKind kind, const ReportRequest& request,
                          ReportTarget target, PredictionState& state,
                          TextOutput* collective) {
  TextOutput file;
  TextOutput* out = nullptr;
  switch (target) {
    case ReportTarget::kFile:
      if (!file.Open(request.predictionOutputFile)) return kReportCannotWrite;
      out = &file;
      break;
    case ReportTarget::kCollective:
      if (collective == nullptr || !collective->is_open() || !collective->ok()) {
        return kReportCannotWrite;
      }
      out = collective;
      out->Put('\n');
      out->Write(std::string(44, '*'));
      out->Write("\nInput file: ");
      out->Write(request.predictionInputFile);
      out->Write("\n\n");
      break;
    case ReportTarget::kSilent:
      break;
  }
  ByteSource in;
  if (!in.Open(request.recognitionOutputFile)) {
    if (target == ReportTarget::kFile && !file.Close()) return kReportCannotWrite;
    return kReportNoRecognitionOutput;
  }
  int code = ReportWriter(kind, request, state, out).Run(in);
  if (target == ReportTarget::kFile && !file.Close()) return kReportCannotWrite;
  if (target == ReportTarget::kCollective && !collective->ok()) {
    return kReportCannotWrite;
  }
  return code;
}

}  // namespace foresta
