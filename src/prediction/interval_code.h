#ifndef FORESTA_PREDICTION_INTERVAL_CODE_H_
#define FORESTA_PREDICTION_INTERVAL_CODE_H_

#include <cstdint>
#include <string>

namespace foresta {

// How an interval index is spelled as P characters ("+", "--", "0").
enum CodeStyle : int {
  kStylePlus = 1,   // index + 1 ones at the right
  kStyleMinus = 2,  // P - index ones at the left
  kStyleZero = 3,   // a single one at the index
};

inline bool IsCodeStyle(int style) { return style >= 1 && style <= 3; }

// Integer part of `x` toward zero, saturated to the 32-bit range; NaN gives
// 0. Quantities are floats that may be infinite, and a plain cast of those
// is undefined.
std::int64_t TruncateTowardZero(double x);

// Width of one of `precision` intervals over [minimum, maximum], the range
// widened by one interval so the maximum falls into the last one. Every step
// is rounded to single precision.
float IntervalWidth(float maximum, float minimum, int precision);

// Interval of `x`: (x - minimum) / width truncated when width > 0, otherwise
// (a constant variable) x itself truncated. Lies in 0..P-1 for x within the
// extremes; may lie outside for other x.
std::int64_t IntervalIndex(float x, float minimum, float width);

// The run of '1' characters in the code of `index`: positions first..last
// (none when first > last). Every style spells an index as one such run.
struct CodeOnes {
  std::int64_t first;
  std::int64_t last;
};
// REQUIRES: IsCodeStyle(style), precision >= 1.
CodeOnes IntervalCodeOnes(std::int64_t index, int precision, int style);

// Appends the `precision` characters of `index` in `style` to `out`. An
// index outside 0..P-1 spells what the rule gives (all or no ones).
// REQUIRES: IsCodeStyle(style), precision >= 1.
void AppendIntervalCode(std::int64_t index, int precision, int style,
                        std::string& out);

// Index that a code read back stands for, given how many '1' it holds and
// the position of its last '1' (-1 when none).
std::int64_t DecodedIndex(int precision, int style, std::int64_t ones,
                          std::int64_t lastOne);

}  // namespace foresta

#endif  // FORESTA_PREDICTION_INTERVAL_CODE_H_
