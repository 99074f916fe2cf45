#include "prediction/interval_code.h"

#include <cmath>

namespace foresta {

std::int64_t TruncateTowardZero(double x) {
  if (std::isnan(x)) return 0;
  if (x >= 2147483647.0) return 2147483647;
  if (x <= -2147483648.0) return -2147483648LL;
  return static_cast<std::int64_t>(x);
}

float IntervalWidth(float maximum, float minimum, int precision) {
  const float p = static_cast<float>(precision);
  const float range = maximum - minimum;
  const float w0 = range / p;
  const float widened = range + w0;
  return widened / p;
}

std::int64_t IntervalIndex(float x, float minimum, float width) {
  if (width > 0.0f) {
    const float offset = x - minimum;
    const float scaled = offset / width;
    return TruncateTowardZero(scaled);
  }
  return TruncateTowardZero(x);
}

CodeOnes IntervalCodeOnes(std::int64_t index, int precision, int style) {
  const std::int64_t p = precision;
  switch (style) {
    case kStylePlus: {
      // '1' where i >= P - 1 - index.
      std::int64_t first = p - 1 - index;
      if (first < 0) first = 0;
      return {first, p - 1};
    }
    case kStyleMinus: {
      // '1' where i <= P - 1 - index.
      std::int64_t last = p - 1 - index;
      if (last >= p) last = p - 1;
      return {0, last};
    }
    default:
      if (index >= 0 && index < p) return {index, index};
      return {1, 0};
  }
}

void AppendIntervalCode(std::int64_t index, int precision, int style,
                        std::string& out) {
  const std::size_t start = out.size();
  out.append(static_cast<std::size_t>(precision), '0');
  char* code = out.data() + start;
  const CodeOnes ones = IntervalCodeOnes(index, precision, style);
  for (std::int64_t i = ones.first; i <= ones.last; ++i) code[i] = '1';
}

std::int64_t DecodedIndex(int precision, int style, std::int64_t ones,
                          std::int64_t lastOne) {
  switch (style) {
    case kStylePlus: return ones - 1;
    case kStyleMinus: return precision - ones;
    default: return lastOne < 0 ? 0 : lastOne;
  }
}

}  // namespace foresta
