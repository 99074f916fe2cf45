#include "prediction/report_tally.h"

#include "prediction/interval_code.h"
#include "prediction/prediction_report.h"

namespace foresta {

float DecodedNumber(ReportKind kind, std::int64_t index, float minimum, float width,
                    float last, bool integer) {
  const float low = width > 0.0f ? static_cast<float>(index) * width + minimum : minimum;
  float number = low + width / 2.0f;
  if (kind == ReportKind::kGrowth) number = last * (1.0f + low + width / 2.0f);
  if (integer) number = static_cast<float>(TruncateTowardZero(number + 0.5f));
  return number;
}

void ReportTally::Start(std::uint32_t variables) {
  sums_.assign(variables, 0.0f);
  best_.assign(variables, 0.0f);
  total_ = maximum_ = rows_ = 0;
}

void ReportTally::Add(const std::vector<float>& numbers, float weight) {
  const std::int64_t w = TruncateTowardZero(weight);
  for (std::size_t j = 0; j < sums_.size(); ++j) {
    sums_[j] += static_cast<float>(w) * numbers[j];
  }
  total_ += w;
  ++rows_;
  if (w > maximum_) {
    maximum_ = w;
    best_ = numbers;
  }
}

float ReportTally::Average(std::uint32_t j, bool integer) const {
  const float average = sums_[j] / static_cast<float>(total_);
  if (!integer) return average;
  return static_cast<float>(TruncateTowardZero(average + 0.5f));
}

}  // namespace foresta
