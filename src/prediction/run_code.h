#ifndef FORESTA_PREDICTION_RUN_CODE_H_
#define FORESTA_PREDICTION_RUN_CODE_H_

#include <optional>

#include "prediction/average_table.h"
#include "prediction/encoders.h"
#include "prediction/prediction_report.h"

namespace foresta {

// Run codes of one prediction: 1 to 27.
inline constexpr int kFirstRunCode = 1;
inline constexpr int kLastRunCode = 27;
// An averaged run code is K x 100 + code, K steps (1 to 99).
inline constexpr int kAverageCodeFactor = 100;
inline constexpr int kMaxAverageSteps = 99;

// What a run code selects: the encoder and its style, the report writer and
// its mode.
struct RunCodeInfo {
  EncoderKind encoder;
  int style;
  ReportKind report;
  int mode;
};

// Codes come in groups of three sharing encoder and report; within a group
// the style is (code - 1) mod 3 + 1. Nothing for a code outside 1..27.
std::optional<RunCodeInfo> DecodeRunCode(int code);

// The flow of a multi-step average for a run code: value for 1-3 and 10-12,
// growth for 4-6. Other kinds have no table style (enumerative kinds keep no
// observed rows in the table, summary kinds nothing to carry forward), so
// they have no flow.
std::optional<AverageFlow> AverageFlowOf(int code);

}  // namespace foresta

#endif  // FORESTA_PREDICTION_RUN_CODE_H_
