#include "prediction/run_code.h"

namespace foresta {

std::optional<RunCodeInfo> DecodeRunCode(int code) {
  if (code < kFirstRunCode || code > kLastRunCode) return std::nullopt;
  struct Group {
    EncoderKind encoder;
    ReportKind report;
    int mode;
  };
  static constexpr Group kGroups[9] = {
      {EncoderKind::kLinear, ReportKind::kValue, kModeReal},
      {EncoderKind::kGrowth, ReportKind::kGrowth, kModeReal},
      {EncoderKind::kEnumerative, ReportKind::kValue, kModeReal},
      {EncoderKind::kLinear, ReportKind::kValue, kModeInteger},
      {EncoderKind::kEnumerative, ReportKind::kValue, kModeInteger},
      {EncoderKind::kLinear, ReportKind::kValue, kModeRealSummary},
      {EncoderKind::kGrowth, ReportKind::kGrowth, kModeRealSummary},
      {EncoderKind::kLinear, ReportKind::kValue, kModeIntegerSummary},
      {EncoderKind::kEnumerative, ReportKind::kValue, kModeIntegerSummary},
  };
  const Group& g = kGroups[(code - 1) / 3];
  return RunCodeInfo{g.encoder, (code - 1) % 3 + 1, g.report, g.mode};
}

std::optional<AverageFlow> AverageFlowOf(int code) {
  if ((code >= 1 && code <= 3) || (code >= 10 && code <= 12)) {
    return AverageFlow::kValue;
  }
  if (code >= 4 && code <= 6) return AverageFlow::kGrowth;
  return std::nullopt;
}

}  // namespace foresta
