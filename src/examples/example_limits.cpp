#include "examples/example_limits.h"

#include "state/workbench_state.h"

namespace foresta {
namespace {

bool CountsInRange(const WorkbenchState& s) {
  auto ok = [](int n) { return n >= 0 && n <= kMaxExampleVectorCount; };
  return ok(s.trainingVectorCount) && ok(s.retrainingVectorCount) &&
         ok(s.recognitionPatternCount);
}

std::string Counts(const WorkbenchState& s) {
  return ", vectors " + std::to_string(s.trainingVectorCount) + ", " +
         std::to_string(s.retrainingVectorCount) + ", " +
         std::to_string(s.recognitionPatternCount);
}

std::string CountsRule() {
  return "The numbers of training, retraining and recognition vectors must "
         "be between 0 and " +
         std::to_string(kMaxExampleVectorCount) + ".";
}

}  // namespace

std::string ShifterSettingsProblem(const WorkbenchState& s) {
  if (s.shifterBits >= kMinShifterBits && s.shifterBits <= kMaxShifterBits &&
      CountsInRange(s))
    return {};
  return "Shifter: settings refused (N = " + std::to_string(s.shifterBits) +
         Counts(s) + "). N must be between " + std::to_string(kMinShifterBits) +
         " and " + std::to_string(kMaxShifterBits) +
         ", so that no shifter vector reaches 100,000 neurons. " +
         CountsRule();
}

std::string CounterSettingsProblem(const WorkbenchState& s) {
  if (s.counterBits >= kMinCounterBits && s.counterBits <= kMaxCounterBits &&
      CountsInRange(s))
    return {};
  return "Segment Counter: settings refused (N = " +
         std::to_string(s.counterBits) + Counts(s) + "). N must be between " + std::to_string(kMinCounterBits) +
         " and " + std::to_string(kMaxCounterBits) +
         ", so that a vector of N + 40 neurons stays below 100,000. " +
         CountsRule();
}

}  // namespace foresta
