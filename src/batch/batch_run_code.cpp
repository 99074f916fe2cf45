#include "batch/batch_run_code.h"

#include <string_view>

namespace foresta {
namespace {

constexpr int kSingleKinds = 27;

// Label and separator of each single code's description line; the code
// itself and the line end follow.
constexpr std::string_view kLabels[kSingleKinds + 1] = {
    "",
    "\t\t + Linear\t\t",
    "\t\t - Linear \t\t",
    "\t\t 0 Linear\t\t",
    "\t\t + Exponential\t",
    "\t\t - Exponential\t",
    "\t\t 0 Exponential\t",
    "\t\t + Linear Enumerative\t\t",
    "\t\t - Linear Enumerative\t\t",
    "\t\t 0 Linear Enumerative\t\t",
    "\t\t + Linear\t\t",
    "\t\t - Linear \t\t",
    "\t\t 0 Linear\t\t",
    "\t\t + Linear Enumerative\t\t",
    "\t\t - Linear Enumerative\t\t",
    "\t\t 0 Linear Enumerative\t\t",
    "\t\t + Real Linear\t\t",
    "\t\t - Real Linear \t",
    "\t\t 0 Real Linear\t\t",
    "\t\t + Real Exponential\t",
    "\t\t - Real Exponential\t",
    "\t\t 0 Real Exponential\t",
    "\t\t + Integer Linear\t\t",
    "\t\t - Integer Linear \t",
    "\t\t 0 Integer Linear\t\t",
    "\t\t + Integer Enumerative\t\t",
    "\t\t - Integer Enumerative\t\t",
    "\t\t 0 Integer Enumerative\t\t",
};

}  // namespace

bool IsAveragedKind(int kind) {
  return (kind >= 1 && kind <= 6) || (kind >= 10 && kind <= 12);
}

bool IsValidBatchRunCode(int code) {
  const int g = RunCodeKind(code);
  const int h = RunCodeAverages(code);
  if (g < 1 || g > kSingleKinds || h < 0 || h > 99) return false;
  return h < 2 || IsAveragedKind(g);
}

std::string RunCodeLine(int code) {
  const int g = RunCodeKind(code);
  const int h = RunCodeAverages(code);
  std::string_view label;
  if (h == 0 && g >= 1 && g <= kSingleKinds) {
    label = kLabels[g];
  } else if (h >= 1 && h <= 99 && IsAveragedKind(g)) {
    // The averaged kinds are written like their AvgMax counterparts:
    // real kinds 1..6 as 16..21, integer kinds 10..12 as 22..24.
    label = kLabels[g <= 6 ? g + 15 : g + 12];
  } else {
    return {};
  }
  return std::string(label) + std::to_string(code) + "\n";
}

}  // namespace foresta
