#ifndef FORESTA_INTERCHANGE_MISSING_FILL_H_
#define FORESTA_INTERCHANGE_MISSING_FILL_H_

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace foresta {

// What the import does with a missing value.
enum class MissingPolicy {
  kFail,         // refuse the file at the first one
  kSkip,         // drop the row
  kPrevious,     // the column's previous value
  kInterpolate,  // on the straight line between the values around it
};

// "fail", "skip", "previous", "interpolate".
std::optional<MissingPolicy> ParseMissingPolicy(std::string_view name);
const char* MissingPolicyName(MissingPolicy policy);

// One row on its way to the output: the date cell (empty without a date
// column) and one value per column, each either present or missing.
struct FillRow {
  std::string_view date;
  const float* values = nullptr;
  const bool* missing = nullptr;
};

// Receives the rows to write, complete, in file order.
using FilledRowHandler = std::function<void(std::string_view date, const float* values)>;

// Applies a missing-value policy to a stream of rows. Under kPrevious and
// kInterpolate a row with a missing value before its column's first value
// is dropped (counted as skipped) and values missing after a column's last
// value carry that value forward. kInterpolate places a value by its row's
// position among the rows of the file and holds back only the rows since
// the oldest value still unresolved, so memory follows the longest run of
// missing values, never the file. kFail passes rows through (the caller
// refuses a missing value before adding its row).
class MissingValueFiller {
 public:
  MissingValueFiller(MissingPolicy policy, std::size_t columns,
                     FilledRowHandler handler);

  void Add(const FillRow& row);
  // Resolves what is still held back (carried forward) and hands it on.
  void Finish();

  std::int64_t skipped() const { return skipped_; }
  std::int64_t filled() const { return filled_; }
  std::size_t held() const { return heldDates_.size(); }

 private:
  bool AnyMissing(const FillRow& row) const;
  bool BeforeFirstValue(const FillRow& row);  // also notes the values seen
  void AddPrevious(const FillRow& row);
  void AddInterpolated(const FillRow& row);
  void ResolveGap(std::size_t j, float value, std::int64_t position);
  void EmitReady();
  void Emit(std::string_view date, const float* values, bool filled);

  MissingPolicy policy_;
  std::size_t n_;
  FilledRowHandler handler_;
  std::int64_t skipped_ = 0;
  std::int64_t filled_ = 0;
  std::int64_t position_ = 0;  // rows seen, dropped ones included

  // Per column: a value has been seen, the latest value and its position,
  // a run of missing values is open after it.
  std::vector<bool> seen_;
  std::vector<float> last_;
  std::vector<std::int64_t> lastPosition_;
  std::vector<bool> gapOpen_;

  std::vector<float> scratch_;
  // Rows held back by kInterpolate: consecutive positions from
  // heldFirst_, n_ values and missing flags each.
  std::int64_t heldFirst_ = 0;
  std::deque<std::string> heldDates_;
  std::deque<float> heldValues_;
  std::deque<bool> heldMissing_;
  std::deque<int> heldPending_;
  std::deque<bool> heldFilled_;
};

}  // namespace foresta

#endif  // FORESTA_INTERCHANGE_MISSING_FILL_H_
