#ifndef FORESTA_PREDICTION_REPORT_TALLY_H_
#define FORESTA_PREDICTION_REPORT_TALLY_H_

#include <cstdint>
#include <vector>

namespace foresta {

enum class ReportKind;

// The number a listed row stands for, for one variable: the centre of the
// interval `index` over [minimum, ...) of width `width` (value report), or
// that centre taken as a growth rate applied to `last` (growth report). In
// integer modes the number is rounded once, here.
float DecodedNumber(ReportKind kind, std::int64_t index, float minimum, float width,
                    float last, bool integer);

// The running sums a report keeps over its listed rows, in listing order:
// the weighted sums (single precision, as the report adds them), the total
// and the largest weight, and the first row with the largest weight. The
// file report and the in-memory pipeline both add through this class, so
// they add the same numbers in the same order.
class ReportTally {
 public:
  // Starts an empty tally of `variables` numbers per row.
  void Start(std::uint32_t variables);

  // Adds one listed row: its numbers and its weight as read back from the
  // recognition output (a single-precision number, truncated here).
  void Add(const std::vector<float>& numbers, float weight);

  // True once a row was added.
  bool made() const { return rows_ > 0; }
  std::int64_t total() const { return total_; }
  std::int64_t maximum() const { return maximum_; }
  const std::vector<float>& best() const { return best_; }

  // The weighted average of variable j; in integer modes rounded as the
  // report writes it. REQUIRES: made().
  float Average(std::uint32_t j, bool integer) const;

 private:
  std::vector<float> sums_;
  std::vector<float> best_;
  std::int64_t total_ = 0;
  std::int64_t maximum_ = 0;
  std::int64_t rows_ = 0;
};

}  // namespace foresta

#endif  // FORESTA_PREDICTION_REPORT_TALLY_H_
