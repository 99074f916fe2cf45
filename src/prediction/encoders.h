#ifndef FORESTA_PREDICTION_ENCODERS_H_
#define FORESTA_PREDICTION_ENCODERS_H_

#include <cstdint>
#include <string>

#include "prediction/input_check.h"
#include "prediction/prediction_state.h"

namespace foresta {

// Result codes of the encoders.
enum EncodeCode : int {
  kEncodeOk = 0,
  // The input fails its test, has no rows, or does not fit the encoder's
  // buffers (variables, window ring, table); no pattern file is touched.
  kEncodeInputRefused = 1,
  kEncodeCannotWrite = 3,          // a pattern file could not be written
  kEncodeTooManyCombinations = 5,  // enumerative only: P^N >= 250,000
  // Linear and growth only: the distribution would list more rows than
  // request.maxDistributionRows; no pattern file is touched.
  kEncodeTooManyRows = 6,
};

// The enumerative listing stops short of this many rows.
inline constexpr std::uint64_t kMaxCombinations = 250000;
// Most variables the multi-step averages handle: one table row holds N
// values and the maximum weight.
inline constexpr std::uint32_t kMaxTableVariables = kTableColumns - 1;

struct EncodeRequest {
  std::string inputFile = "example2a.txt";
  std::string trainingFile = "example1.trn";
  std::string retrainingFile = "example1.rtn";
  std::string recognitionFile = "example1.rec";
  std::string distributionFile = "example1.usd";
  int precision = 10;
  int trend = 5;
  // Set for the first step of a multi-step average, which needs the whole
  // table row for each variable.
  bool forTable = false;
  std::string echoFile = kEchoFile;
  // Above 0: only the newest this many rows are encoded, as if the older
  // ones were not in the file (the file itself is left as it is).
  std::int64_t newestRows = 0;
  // Above 0: the most rows the engine reads from a user distribution file.
  // A linear or growth encoding that would list more is refused before any
  // file is written.
  std::int64_t maxDistributionRows = 0;
  // When given, receives the particulars of a refusal in words (the value
  // or row count refused, the file that could not be written). Not owned.
  std::string* particulars = nullptr;
};

// Each encoder tests the input, finds the per-variable extremes of what it
// encodes, and writes the training, retraining, recognition and user
// distribution files. It streams the input: only the window of `trend` rows
// and the extremes are held. Returns an EncodeCode. `style` is a CodeStyle.
//
// Linear: the values themselves; the distribution lists every data row.
int EncodeLinear(const EncodeRequest& request, int style,
                 PredictionState& state);
// Growth: the rates (x - previous) / previous between consecutive rows,
// values in [-0.1, 0.1] pushed away from zero first. Also keeps the last
// row's values in ValueMinima N..2N-1.
int EncodeGrowth(const EncodeRequest& request, int style,
                 PredictionState& state);
// Enumerative: the values; the distribution lists all P^N combinations of
// interval indices (the first variable varying fastest).
int EncodeEnumerative(const EncodeRequest& request, int style,
                      PredictionState& state);

enum class EncoderKind { kLinear, kGrowth, kEnumerative };

// The encoder of `kind` after the input test: the extremes, the buffer
// checks and the four files, for an input of `rowCount` rows.
// REQUIRES: request.inputFile passed TestInputFile with `rowCount` rows (or
// is a well-formed input that the test's neuron minimum alone refuses).
int EncodeTestedInput(EncoderKind kind, const EncodeRequest& request,
                      int style, PredictionState& state, int rowCount);

// The most input rows an encoder of `kind` can use when the engine reads at
// most `maxDistributionRows` distribution rows: the linear encoder lists one
// row per data row, the growth encoder one per rate (a row fewer), the
// enumerative listing does not depend on the rows (INT64_MAX).
std::int64_t UsableRows(EncoderKind kind, std::int64_t maxDistributionRows);

// base^exponent exactly, in decimal.
std::string PowerText(std::uint32_t base, std::uint32_t exponent);
// base^exponent, or `limit` when it is `limit` or more; never overflows.
std::uint64_t PowerUpTo(std::uint64_t base, std::uint64_t exponent,
                        std::uint64_t limit);

}  // namespace foresta

#endif  // FORESTA_PREDICTION_ENCODERS_H_
