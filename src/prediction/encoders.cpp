#include "prediction/encoders.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "prediction/growth_rate.h"
#include "prediction/input_reader.h"
#include "prediction/interval_code.h"
#include "prediction/text_output.h"

namespace foresta {
namespace {

using Kind = EncoderKind;

// Variables the extremes arrays can hold (the header count must stay below).
constexpr std::uint32_t kMaxEncodedVariables = kExtremaEntries;

// Reads exactly N values of one row; false when the file ends early or holds
// something that is not a number (the input test makes both impossible
// unless the file changed in between).
bool ReadRow(InputReader& reader, std::uint32_t n, std::vector<float>& row) {
  for (std::uint32_t j = 0; j < n; ++j) {
    if (reader.NextNumber(row[j]) != InputReader::Item::kNumber) return false;
  }
  return true;
}

// Reads past `rows` rows of N values; false when the file ends first.
bool SkipRows(InputReader& reader, std::uint32_t n, std::int64_t rows) {
  float value = 0.0f;
  for (std::int64_t i = 0; i < rows * n; ++i) {
    if (reader.NextNumber(value) != InputReader::Item::kNumber) return false;
  }
  return true;
}

class Encoder {
 public:
  Encoder(Kind kind, const EncodeRequest& request, int style,
          PredictionState& state)
      : kind_(kind), request_(request), style_(style), state_(state) {}

  int Run();
  int RunTested(int rowCount);

 private:
  int FindExtremes();
  bool FitsBuffers() const;
  bool DecodesFinite(std::uint32_t j, float last) const;
  int WriteFiles();
  void Quantise(std::uint32_t j, float x, std::string& out) const;
  void WriteRowCodes(std::int64_t row, TextOutput& out);
  void EncodeRow(std::int64_t row, const std::vector<float>& values);
  void WriteEnumeration();

  Kind kind_;
  const EncodeRequest& request_;
  int style_;
  PredictionState& state_;

  std::uint32_t n_ = 0;
  std::int64_t p_ = 0;
  std::int64_t t_ = 0;
  std::int64_t rows_ = 0;
  std::int64_t skipped_ = 0;  // older rows left out (newestRows)
  std::vector<float> widths_;
  // The window ring: codes of the last T rows (each value's code followed by
  // a blank) and their quantities, slot (row mod T).
  std::vector<std::string> ringCodes_;
  std::vector<float> ringValues_;
  std::array<TextOutput, 4> out_;
  std::string line_;
};

enum FileIndex { kTraining, kRetraining, kRecognition, kDistribution };

int Encoder::Run() {
  if (!IsCodeStyle(style_)) return kEncodeInputRefused;
  int rowCount = -1;
  InputTestRequest test{request_.inputFile, request_.precision, request_.trend,
                        request_.echoFile};
  test.particulars = request_.particulars;
  if (TestInputFile(test, state_, rowCount) != kInputOk) {
    return kEncodeInputRefused;
  }
  return RunTested(rowCount);
}

int Encoder::RunTested(int rowCount) {
  if (!IsCodeStyle(style_) || rowCount < 1 || request_.precision < 1 ||
      request_.trend < 1 || rowCount < request_.trend) {
    return kEncodeInputRefused;
  }
  rows_ = rowCount;
  if (request_.newestRows > 0 && request_.newestRows < rows_) {
    skipped_ = rows_ - request_.newestRows;
    rows_ = request_.newestRows;
    if (rows_ < request_.trend) return kEncodeInputRefused;
  }
  p_ = request_.precision;
  t_ = request_.trend;
  const std::int64_t usable = UsableRows(kind_, request_.maxDistributionRows);
  if (request_.maxDistributionRows > 0 && rows_ > usable) {
    if (request_.particulars != nullptr) {
      *request_.particulars = request_.inputFile + " has " + std::to_string(rows_) +
                              " rows; this code can use at most " +
                              std::to_string(usable) + " of them";
    }
    return kEncodeTooManyRows;
  }
  if (int code = FindExtremes(); code != kEncodeOk) return code;
  if (!FitsBuffers()) return kEncodeInputRefused;
  return WriteFiles();
}

bool Encoder::FitsBuffers() const {
  const std::uint64_t n = n_;
  if (n * static_cast<std::uint64_t>(t_) > kWindowCapacity) return false;
  if (t_ - 1 > static_cast<std::int64_t>(kTableRows)) return false;
  if (request_.forTable && n > kMaxTableVariables) return false;
  if (kind_ == Kind::kGrowth && 2 * n > kExtremaEntries) return false;
  return true;
}

// Whether every number the report can decode for variable j stays finite:
// values up to one interval past the extremes, and for growth the last
// value grown by the largest rate.
bool Encoder::DecodesFinite(std::uint32_t j, float last) const {
  const double width = widths_[j];
  const double high = std::max(std::fabs(static_cast<double>(state_.ValueMaxima[j])),
                               std::fabs(static_cast<double>(state_.ValueMinima[j])));
  if (!std::isfinite(width) || !std::isfinite(high)) return false;
  const double reach = kind_ == Kind::kGrowth
                           ? std::fabs(static_cast<double>(last)) * (1.0 + high + width)
                           : high + width;
  return reach <= std::numeric_limits<float>::max();
}

int Encoder::FindExtremes() {
  InputReader reader;
  if (!reader.Open(request_.inputFile)) return kEncodeInputRefused;
  if (reader.SkipComment() != 0) return kEncodeInputRefused;
  std::uint32_t n = 0;
  if (!reader.ReadCount(n) || n == 0 || n >= kMaxEncodedVariables) {
    return kEncodeInputRefused;
  }
  n_ = n;
  state_.VariableCount = n;
  if (!SkipRows(reader, n, skipped_)) return kEncodeInputRefused;
  std::vector<float>& maxima = state_.ValueMaxima;
  std::vector<float>& minima = state_.ValueMinima;
  std::vector<float> row(n), previous(n);
  if (!ReadRow(reader, n, row)) return kEncodeInputRefused;
  if (kind_ == Kind::kGrowth) {
    std::fill_n(maxima.begin(), n, 0.0f);
    std::fill_n(minima.begin(), n, 0.0f);
    for (std::uint32_t j = 0; j < n; ++j) previous[j] = ClampGrowthValue(row[j]);
  } else {
    std::copy_n(row.begin(), n, maxima.begin());
    std::copy_n(row.begin(), n, minima.begin());
  }
  for (std::int64_t r = 1; r < rows_; ++r) {
    if (!ReadRow(reader, n, row)) return kEncodeInputRefused;
    for (std::uint32_t j = 0; j < n; ++j) {
      float q = row[j];
      if (kind_ == Kind::kGrowth) {
        float x = ClampGrowthValue(row[j]);
        q = GrowthRate(x, previous[j]);
        previous[j] = x;
        if (r == 1) {
          maxima[j] = minima[j] = q;
          continue;
        }
      }
      WidenExtremes(q, maxima[j], minima[j]);
    }
  }
  widths_.resize(n);
  for (std::uint32_t j = 0; j < n; ++j) {
    widths_[j] = IntervalWidth(maxima[j], minima[j], request_.precision);
    if (!DecodesFinite(j, kind_ == Kind::kGrowth ? previous[j] : 0.0f)) {
      if (request_.particulars != nullptr) {
        *request_.particulars = "variable " + std::to_string(j + 1) +
                                ": its values lie too far apart for single precision, so "
                                "the prediction would hold infinities";
      }
      return kEncodeInputRefused;
    }
  }
  return kEncodeOk;
}

void Encoder::Quantise(std::uint32_t j, float x, std::string& out) const {
  std::int64_t index = IntervalIndex(x, state_.ValueMinima[j], widths_[j]);
  AppendIntervalCode(index, request_.precision, style_, out);
}

// Appends the codes of window row `row` (each followed by a blank).
void Encoder::WriteRowCodes(std::int64_t row, TextOutput& out) {
  out.Write(ringCodes_[static_cast<std::size_t>(row % t_)]);
}

// One row of quantities (values or rates), numbered as the training windows
// count them: linear rows from 0, growth rate rows from 1.
void Encoder::EncodeRow(std::int64_t row, const std::vector<float>& values) {
  const std::size_t slot = static_cast<std::size_t>(row % t_);
  std::string& codes = ringCodes_[slot];
  codes.clear();
  TextOutput& distribution = out_[kDistribution];
  for (std::uint32_t j = 0; j < n_; ++j) {
    ringValues_[slot * n_ + j] = values[j];
    const std::size_t start = codes.size();
    Quantise(j, values[j], codes);
    if (kind_ != Kind::kEnumerative) {
      distribution.Write(std::string_view(codes).substr(start));
      if (j + 1 == n_) distribution.Put('\n');
      distribution.Put(' ');
    }
    codes.push_back(' ');
  }
  // The retraining vector is the first window.
  const std::int64_t firstRow = kind_ == Kind::kGrowth ? 1 : 0;
  if (row < firstRow + t_) out_[kRetraining].Write(codes);

  if (row >= firstRow + t_ - 1) {
    TextOutput& training = out_[kTraining];
    for (std::int64_t r = row - t_ + 1; r <= row; ++r) WriteRowCodes(r, training);
    training.Put('\n');
  }
  if (row == rows_ - 1) {
    const bool table = kind_ != Kind::kEnumerative && n_ <= kTableColumns;
    std::size_t tableRow = 0;
    for (std::int64_t r = row - t_ + 2; r <= row; ++r, ++tableRow) {
      WriteRowCodes(r, out_[kRecognition]);
      if (!table) continue;
      const std::size_t s = static_cast<std::size_t>(r % t_);
      for (std::uint32_t j = 0; j < n_; ++j) {
        state_.Table(tableRow, j) = ringValues_[s * n_ + j];
      }
    }
    out_[kTraining].Put('\n');
  }
}

void Encoder::WriteEnumeration() {
  const std::uint64_t count = PowerUpTo(static_cast<std::uint64_t>(p_), n_,
                                        kMaxCombinations);
  TextOutput& distribution = out_[kDistribution];
  std::string row;
  for (std::uint64_t y = 0; y < count; ++y) {
    row.clear();
    std::uint64_t t = y;
    for (std::uint32_t j = 0; j < n_; ++j) {
      AppendIntervalCode(static_cast<std::int64_t>(t % static_cast<std::uint64_t>(p_)),
                         request_.precision, style_, row);
      row.push_back(' ');
      t /= static_cast<std::uint64_t>(p_);
    }
    row.push_back('\n');
    distribution.Write(row);
  }
}

int Encoder::WriteFiles() {
  InputReader reader;
  if (!reader.Open(request_.inputFile)) return kEncodeInputRefused;
  const std::string* names[4] = {&request_.trainingFile, &request_.retrainingFile,
                                 &request_.recognitionFile,
                                 &request_.distributionFile};
  for (int i = 0; i < 4; ++i) {
    if (!out_[i].Open(*names[i])) {
      if (request_.particulars != nullptr) {
        *request_.particulars = "the pattern file " + *names[i] + " could not be written";
      }
      return kEncodeCannotWrite;
    }
  }
  // The input's preamble and comment head every pattern file.
  ByteSource& in = reader.source();
  for (int star = 0; star < 2; ++star) {
    int c;
    do {
      c = in.Get();
      if (c == ByteSource::kEnd) return kEncodeInputRefused;
      for (TextOutput& out : out_) out.Put(static_cast<char>(c));
    } while (c != '*');
  }
  std::uint32_t n = 0;
  reader.ReadCount(n);
  if (n != n_ || !SkipRows(reader, n, skipped_)) return kEncodeInputRefused;

  const std::int64_t neurons = static_cast<std::int64_t>(n_) * p_ * t_;
  for (int i : {kTraining, kRetraining}) {
    out_[i].Put('\n');
    out_[i].WriteInteger(neurons);
    out_[i].Put('\n');
  }
  out_[kRecognition].Put('\n');
  TextOutput& distribution = out_[kDistribution];
  distribution.Put('\n');
  distribution.WriteInteger(static_cast<std::int64_t>(n_) * p_);
  distribution.Write("   ");
  switch (kind_) {
    case Kind::kLinear: distribution.WriteInteger(rows_); break;
    case Kind::kGrowth: distribution.WriteInteger(rows_ - 1); break;
    case Kind::kEnumerative:
      distribution.Write(PowerText(static_cast<std::uint32_t>(p_), n_));
      break;
  }
  distribution.Put('\n');

  if (kind_ == Kind::kEnumerative) {
    if (PowerUpTo(static_cast<std::uint64_t>(p_), n_, kMaxCombinations) >=
        kMaxCombinations) {
      for (TextOutput& out : out_) out.Close();
      return kEncodeTooManyCombinations;
    }
    WriteEnumeration();
  }

  ringCodes_.assign(static_cast<std::size_t>(t_), std::string());
  ringValues_.assign(static_cast<std::size_t>(t_) * n_, 0.0f);
  std::vector<float> row(n_), previous(n_), rates(n_);
  for (std::int64_t r = 0; r < rows_; ++r) {
    if (!ReadRow(reader, n_, row)) return kEncodeInputRefused;
    if (kind_ != Kind::kGrowth) {
      EncodeRow(r, row);
      continue;
    }
    for (std::uint32_t j = 0; j < n_; ++j) {
      const float x = ClampGrowthValue(row[j]);
      if (r > 0) rates[j] = GrowthRate(x, previous[j]);
      previous[j] = x;
      if (r == rows_ - 1) state_.ValueMinima[n_ + j] = x;
    }
    if (r > 0) EncodeRow(r, rates);
  }
  // A growth input of a single row has no rate rows, so the training file
  // gets no closing line end from the last row.

  TextOutput& recognition = out_[kRecognition];
  line_.assign(static_cast<std::size_t>(p_), 'x');
  line_.push_back(' ');
  for (std::uint32_t j = 0; j < n_; ++j) recognition.Write(line_);

  bool written = true;
  for (TextOutput& out : out_) written = out.Close() && written;
  return written ? kEncodeOk : kEncodeCannotWrite;
}

}  // namespace

int EncodeLinear(const EncodeRequest& request, int style,
                 PredictionState& state) {
  return Encoder(Kind::kLinear, request, style, state).Run();
}

int EncodeGrowth(const EncodeRequest& request, int style,
                 PredictionState& state) {
  return Encoder(Kind::kGrowth, request, style, state).Run();
}

int EncodeEnumerative(const EncodeRequest& request, int style,
                      PredictionState& state) {
  return Encoder(Kind::kEnumerative, request, style, state).Run();
}

int EncodeTestedInput(EncoderKind kind, const EncodeRequest& request,
                      int style, PredictionState& state, int rowCount) {
  return Encoder(kind, request, style, state).RunTested(rowCount);
}

std::int64_t UsableRows(EncoderKind kind, std::int64_t maxDistributionRows) {
  switch (kind) {
    case EncoderKind::kLinear: return maxDistributionRows;
    case EncoderKind::kGrowth: return maxDistributionRows + 1;
    case EncoderKind::kEnumerative: break;
  }
  return INT64_MAX;
}

std::uint64_t PowerUpTo(std::uint64_t base, std::uint64_t exponent,
                        std::uint64_t limit) {
  if (exponent == 0) return 1 < limit ? 1 : limit;
  if (base <= 1) return base < limit ? base : limit;
  std::uint64_t value = 1;
  for (std::uint64_t i = 0; i < exponent; ++i) {
    // value * base >= limit from here on.
    if (value >= (limit + base - 1) / base) return limit;
    value *= base;
  }
  return value < limit ? value : limit;
}

std::string PowerText(std::uint32_t base, std::uint32_t exponent) {
  // Little-endian limbs of nine decimal digits.
  constexpr std::uint64_t kLimb = 1000000000;
  std::vector<std::uint64_t> limbs{1};
  for (std::uint32_t i = 0; i < exponent; ++i) {
    std::uint64_t carry = 0;
    for (std::uint64_t& limb : limbs) {
      std::uint64_t v = limb * base + carry;
      limb = v % kLimb;
      carry = v / kLimb;
    }
    while (carry > 0) {
      limbs.push_back(carry % kLimb);
      carry /= kLimb;
    }
    if (base == 0) {
      limbs.assign(1, 0);
      break;
    }
  }
  std::string text = std::to_string(limbs.back());
  char digits[16];
  for (std::size_t i = limbs.size() - 1; i-- > 0;) {
    std::snprintf(digits, sizeof digits, "%09llu",
                  static_cast<unsigned long long>(limbs[i]));
    text += digits;
  }
  return text;
}

}  // namespace foresta
