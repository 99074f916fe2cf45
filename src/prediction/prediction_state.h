#ifndef FORESTA_PREDICTION_PREDICTION_STATE_H_
#define FORESTA_PREDICTION_PREDICTION_STATE_H_

#include <cstddef>
#include <cstdint>
#include <vector>

namespace foresta {

// Entries of ValueMaxima and ValueMinima.
inline constexpr std::size_t kExtremaEntries = 10000;
// Shape of LastRowsTable: rows of observed and predicted values, each with
// one entry per variable plus the step's maximum weight.
inline constexpr std::size_t kTableRows = 130;
inline constexpr std::size_t kTableColumns = 1001;
// First row of the growth flow's "last value before step a" rows (110 + a).
inline constexpr std::size_t kGrowthLastRow = 110;
// Capacity of the encoders' window ring (trend x variables values).
inline constexpr std::size_t kWindowCapacity = 10000;

// The prediction's shared state, overwritten by each input test and
// encoding and read by the report writers and the multi-step averages.
struct PredictionState {
  // Number of variables (columns) of the last tested input file.
  std::uint32_t VariableCount = 0;
  // Per-variable extremes of the encoded quantity (entries 0..N-1); the
  // growth encoder keeps the last observed values in ValueMinima N..2N-1.
  std::vector<float> ValueMaxima = std::vector<float>(kExtremaEntries);
  std::vector<float> ValueMinima = std::vector<float>(kExtremaEntries);
  // kTableRows x kTableColumns, row-major.
  std::vector<float> LastRowsTable =
      std::vector<float>(kTableRows * kTableColumns);

  // REQUIRES: row < kTableRows, column < kTableColumns.
  float& Table(std::size_t row, std::size_t column) {
    return LastRowsTable[row * kTableColumns + column];
  }
  float Table(std::size_t row, std::size_t column) const {
    return LastRowsTable[row * kTableColumns + column];
  }
  // Zeroes rows [first, last) of the table, clamped to its size.
  void ClearTableRows(std::size_t first, std::size_t last) {
    if (last > kTableRows) last = kTableRows;
    for (std::size_t r = first; r < last; ++r) {
      for (std::size_t c = 0; c < kTableColumns; ++c) Table(r, c) = 0.0f;
    }
  }
};

}  // namespace foresta

#endif  // FORESTA_PREDICTION_PREDICTION_STATE_H_
