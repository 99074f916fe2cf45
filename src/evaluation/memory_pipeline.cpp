#include "evaluation/memory_pipeline.h"

#include <bit>
#include <optional>

#include "prediction/encoders.h"
#include "prediction/growth_rate.h"
#include "prediction/input_check.h"
#include "prediction/interval_code.h"
#include "prediction/prediction_state.h"
#include "prediction/report_tally.h"
#include "prediction/run_code.h"

namespace foresta {
namespace {

constexpr int kLinearEncoder = 0;
constexpr int kGrowthEncoder = 1;
constexpr int kEnumerativeEncoder = 2;
// The distribution file test refuses rows shorter than this or more rows.
constexpr std::int64_t kMinDistributionRow = 2;
constexpr std::int64_t kMaxDistributionRowLength = 100000;
constexpr std::int64_t kMaxDistributionRows = 100000;

int EncoderIndex(EncoderKind kind) {
  switch (kind) {
    case EncoderKind::kLinear: return kLinearEncoder;
    case EncoderKind::kGrowth: return kGrowthEncoder;
    case EncoderKind::kEnumerative: return kEnumerativeEncoder;
  }
  return kLinearEncoder;
}

// The refusals of the input test and of the encoders' buffer checks that
// hold for these rows whatever the encoding.
bool InputAccepted(std::uint32_t n, int rows, int precision, int trend, bool growth) {
  if (!InputFitsNeuronLimits(n, trend, precision) || rows < 1 || rows < trend) return false;
  const std::uint64_t n64 = n;
  if (n64 >= kExtremaEntries) return false;
  if (n64 * static_cast<std::uint64_t>(trend) > kWindowCapacity) return false;
  if (static_cast<std::uint64_t>(trend - 1) > kTableRows) return false;
  if (growth && 2 * n64 > kExtremaEntries) return false;
  return true;
}

}  // namespace

MemoryPipeline::MemoryPipeline() = default;

void MemoryPipeline::Forget() {
  series_ = nullptr;
  rows_ = -1;
  for (Quantities& q : quantities_) q.built = false;
  for (Encoding& e : encodings_) {
    e.built = false;
    e.store.Clear();
  }
  for (Listing& l : listings_) l.built = false;
}

bool MemoryPipeline::SameKey(const Series& series, int rows, int precision, int trend) const {
  return series_ == &series && rows_ == rows && precision_ == precision && trend_ == trend;
}

const MemoryPipeline::Quantities& MemoryPipeline::QuantitiesOf(bool growth) {
  Quantities& q = quantities_[growth ? 1 : 0];
  if (q.built) return q;
  q.built = true;
  const Series& s = *series_;
  q.rows = growth ? rows_ - 1 : rows_;
  q.values.resize(static_cast<std::size_t>(q.rows) * n_);
  std::vector<float> maxima(n_), minima(n_);
  for (std::uint32_t j = 0; j < n_; ++j) {
    if (!growth) {
      maxima[j] = minima[j] = s.at(0, j);
      for (int r = 0; r < rows_; ++r) {
        const float x = s.at(r, j);
        q.values[static_cast<std::size_t>(r) * n_ + j] = x;
        if (r > 0) WidenExtremes(x, maxima[j], minima[j]);
      }
      continue;
    }
    // As the growth encoder: the rates of the second row start the extremes.
    maxima[j] = minima[j] = 0.0f;
    float previous = ClampGrowthValue(s.at(0, j));
    for (int r = 1; r < rows_; ++r) {
      const float x = ClampGrowthValue(s.at(r, j));
      const float rate = GrowthRate(x, previous);
      previous = x;
      q.values[static_cast<std::size_t>(r - 1) * n_ + j] = rate;
      if (r == 1) {
        maxima[j] = minima[j] = rate;
      } else {
        WidenExtremes(rate, maxima[j], minima[j]);
      }
    }
  }
  q.minima = minima;
  q.widths.resize(n_);
  for (std::uint32_t j = 0; j < n_; ++j) {
    q.widths[j] = IntervalWidth(maxima[j], minima[j], precision_);
  }
  return q;
}

// Appends the 1-bit positions of quantity row `row`'s codes, the codes of
// its variables laid out one after the other from `offset`.
void MemoryPipeline::AppendOnes(const Quantities& q, int row, int style, std::int64_t offset,
                                std::vector<int32_t>& ones) const {
  for (std::uint32_t j = 0; j < n_; ++j) {
    const float x = q.values[static_cast<std::size_t>(row) * n_ + j];
    const std::int64_t index = IntervalIndex(x, q.minima[j], q.widths[j]);
    const CodeOnes code = IntervalCodeOnes(index, precision_, style);
    const std::int64_t base = offset + static_cast<std::int64_t>(j) * precision_;
    for (std::int64_t i = code.first; i <= code.last; ++i) {
      ones.push_back(static_cast<int32_t>(base + i));
    }
  }
}

void MemoryPipeline::AppendRow(const Encoding& e, int r, int32_t offset,
                               std::vector<int32_t>& ones) {
  const std::size_t end = e.rowStart[static_cast<std::size_t>(r) + 1];
  for (std::size_t i = e.rowStart[static_cast<std::size_t>(r)]; i < end; ++i) {
    ones.push_back(e.rowOnes[i] + offset);
  }
}

MemoryPipeline::Encoding& MemoryPipeline::EncodingOf(bool growth, int style) {
  Encoding& e = encodings_[static_cast<std::size_t>((growth ? 3 : 0) + style - 1)];
  if (e.built) return e;
  e.built = true;
  const Quantities& q = QuantitiesOf(growth);
  const std::int64_t rowWidth = static_cast<std::int64_t>(n_) * precision_;
  e.neurons = static_cast<uint32_t>(rowWidth * trend_);
  // Each row is quantised once; the windows copy its codes.
  e.rowOnes.clear();
  e.rowStart.assign(1, 0);
  for (int r = 0; r < q.rows; ++r) {
    AppendOnes(q, r, style, 0, e.rowOnes);
    e.rowStart.push_back(e.rowOnes.size());
  }
  // The training file holds one vector per window of `trend` quantity rows;
  // its test refuses a file without any.
  const int windows = q.rows - trend_ + 1;
  if (windows < 1) {
    e.code = kMemoryTrainingRefused;
    return e;
  }
  e.code = kMemoryPredicted;
  e.store.BeginTraining(e.neurons);
  for (int last = trend_ - 1; last < q.rows; ++last) {
    ones_.clear();
    for (int k = 0; k < trend_; ++k) {
      AppendRow(e, last - trend_ + 1 + k, static_cast<int32_t>(k * rowWidth), ones_);
    }
    e.store.StorePositions(ones_.data(), static_cast<int32_t>(ones_.size()));
  }
  e.store.AppendEndMark();
  // The recognition vector: the last trend - 1 rows, then the unknown row
  // (left '0' for scoring).
  e.vector.assign(e.neurons, '0');
  ones_.clear();
  for (int k = 0; k < trend_ - 1; ++k) {
    AppendRow(e, q.rows - trend_ + 1 + k, static_cast<int32_t>(k * rowWidth), ones_);
  }
  for (int32_t at : ones_) e.vector[static_cast<std::size_t>(at)] = '1';
  return e;
}

// The rows of the user distribution file of `encoder`, as bits.
void MemoryPipeline::FillTable(int encoder, int style) {
  const std::int64_t m = static_cast<std::int64_t>(n_) * precision_;
  if (encoder == kEnumerativeEncoder) {
    const std::int64_t count = static_cast<std::int64_t>(
        PowerUpTo(static_cast<std::uint64_t>(precision_), n_, kMaxCombinations));
    table_.Start(m, count);
    for (std::int64_t y = 0; y < count; ++y) {
      std::uint64_t* row = table_.RowForWriting(y);
      std::uint64_t t = static_cast<std::uint64_t>(y);
      for (std::uint32_t j = 0; j < n_; ++j) {
        const std::int64_t index =
            static_cast<std::int64_t>(t % static_cast<std::uint64_t>(precision_));
        t /= static_cast<std::uint64_t>(precision_);
        const CodeOnes code = IntervalCodeOnes(index, precision_, style);
        for (std::int64_t i = code.first; i <= code.last; ++i) {
          const std::int64_t bit = static_cast<std::int64_t>(j) * precision_ + i;
          row[bit / 64] |= std::uint64_t{1} << (bit % 64);
        }
      }
    }
  } else {
    const Quantities& q = QuantitiesOf(encoder == kGrowthEncoder);
    const Encoding& e = EncodingOf(encoder == kGrowthEncoder, style);
    table_.Start(m, q.rows);
    for (int r = 0; r < q.rows; ++r) {
      std::uint64_t* row = table_.RowForWriting(r);
      ones_.clear();
      AppendRow(e, r, 0, ones_);
      for (int32_t bit : ones_) row[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
  }
  table_.Finish();
}

const MemoryPipeline::Listing& MemoryPipeline::ListingOf(int encoder, int style) {
  Listing& l = listings_[static_cast<std::size_t>(encoder * 3 + style - 1)];
  if (l.built) return l;
  l.built = true;
  l.ones.clear();
  l.lastOne.clear();
  l.totals.clear();
  Encoding& e = EncodingOf(encoder == kGrowthEncoder, style);
  if (e.code != kMemoryPredicted) {
    l.code = e.code;
    return l;
  }
  const std::int64_t m = static_cast<std::int64_t>(n_) * precision_;
  const std::int64_t rows =
      encoder == kEnumerativeEncoder
          ? static_cast<std::int64_t>(PowerUpTo(static_cast<std::uint64_t>(precision_), n_,
                                                kMaxCombinations))
          : QuantitiesOf(encoder == kGrowthEncoder).rows;
  if (m < kMinDistributionRow || m > kMaxDistributionRowLength || rows > kMaxDistributionRows ||
      rows < 1) {
    l.code = kMemoryDistributionRefused;
    return l;
  }
  l.code = kMemoryPredicted;
  FillTable(encoder, style);
  const std::int64_t s = static_cast<std::int64_t>(trend_ - 1) * m;
  scorer_.Score(e.store, table_, e.vector, e.neurons, s, m, &totals_);
  for (std::int64_t r = 0; r < rows; ++r) {
    const uint32_t total = totals_[static_cast<std::size_t>(r)];
    if (total == 0) continue;
    l.totals.push_back(total);
    for (std::uint32_t j = 0; j < n_; ++j) {
      std::int64_t ones = 0;
      std::int64_t lastOne = -1;
      for (int i = 0; i < precision_; ++i) {
        if (table_.Bit(r, static_cast<std::int64_t>(j) * precision_ + i)) {
          ++ones;
          lastOne = i;
        }
      }
      l.ones.push_back(ones);
      l.lastOne.push_back(lastOne);
    }
  }
  return l;
}

int MemoryPipeline::Predict(const Series& series, int rows, int code, int precision, int trend,
                            MemoryPrediction* out, bool listCandidates) {
  out->candidates.clear();
  out->weightedAverage.clear();
  out->highestProbability.clear();
  out->errors.clear();
  out->maximumWeight = 0;
  const std::optional<RunCodeInfo> info = DecodeRunCode(code);
  const bool growth = info && info->encoder == EncoderKind::kGrowth;
  if (!info || !InputAccepted(series.variables, rows, precision, trend, growth)) {
    return out->code = kMemoryInputRefused;
  }
  if (!SameKey(series, rows, precision, trend)) {
    Forget();
    series_ = &series;
    rows_ = rows;
    precision_ = precision;
    trend_ = trend;
    n_ = series.variables;
  }
  const int encoder = EncoderIndex(info->encoder);
  if (encoder == kEnumerativeEncoder &&
      PowerUpTo(static_cast<std::uint64_t>(precision), n_, kMaxCombinations) >=
          kMaxCombinations) {
    return out->code = kMemoryTooManyCombinations;
  }
  const Listing& listing = ListingOf(encoder, info->style);
  if (listing.code != kMemoryPredicted) return out->code = listing.code;
  if (listing.totals.empty()) return out->code = kMemoryNoPrediction;

  const Quantities& q = QuantitiesOf(growth);
  const bool integer = info->mode == kModeInteger || info->mode == kModeIntegerSummary;
  std::vector<float> last(n_, 0.0f);
  if (growth) {
    for (std::uint32_t j = 0; j < n_; ++j) last[j] = ClampGrowthValue(series.at(rows - 1, j));
  }
  ReportTally tally;
  tally.Start(n_);
  numbers_.resize(n_);
  for (std::size_t r = 0; r < listing.totals.size(); ++r) {
    for (std::uint32_t j = 0; j < n_; ++j) {
      const std::size_t at = r * n_ + j;
      const std::int64_t index =
          DecodedIndex(precision, info->style, listing.ones[at], listing.lastOne[at]);
      numbers_[j] = DecodedNumber(info->report, index, q.minima[j], q.widths[j], last[j], integer);
    }
    // The report reads each total back as a single-precision number.
    const float weight = static_cast<float>(listing.totals[r]);
    tally.Add(numbers_, weight);
    if (listCandidates) out->candidates.push_back({numbers_, weight});
  }
  for (std::uint32_t j = 0; j < n_; ++j) {
    out->weightedAverage.push_back(tally.Average(j, integer));
    const float halfWidth = q.widths[j] / 2.0f;
    out->errors.push_back(growth ? last[j] * q.widths[j] / 2.0f : halfWidth);
  }
  out->highestProbability = tally.best();
  out->maximumWeight = tally.maximum();
  return out->code = kMemoryPredicted;
}

}  // namespace foresta
