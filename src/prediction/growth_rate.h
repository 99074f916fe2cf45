#ifndef FORESTA_PREDICTION_GROWTH_RATE_H_
#define FORESTA_PREDICTION_GROWTH_RATE_H_

namespace foresta {

// Keeps a growth divisor away from zero: a value in [0, 0.1] becomes 0.1 and
// one in [-0.1, 0) becomes -0.1.
inline float ClampGrowthValue(float x) {
  if (x >= 0.0f && x <= 0.1f) return 0.1f;
  if (x >= -0.1f && x < 0.0f) return -0.1f;
  return x;
}

// Growth rate of a clamped value against the clamped value before it.
inline float GrowthRate(float x, float previous) { return (x - previous) / previous; }

// Folds quantity q into a variable's extremes: a greater q becomes the
// maximum, and any q not at least the minimum (a NaN included) the minimum.
inline void WidenExtremes(float q, float& maximum, float& minimum) {
  if (q > maximum) maximum = q;
  if (!(q >= minimum)) minimum = q;
}

}  // namespace foresta

#endif  // FORESTA_PREDICTION_GROWTH_RATE_H_
