#ifndef FORESTA_EXAMPLES_EXAMPLE_LIMITS_H_
#define FORESTA_EXAMPLES_EXAMPLE_LIMITS_H_

#include <string>

namespace foresta {

struct WorkbenchState;

// Every vector the engine reads must stay below 100,000 neurons. The widest
// shifter (four class groups) has 5N + 12 neurons, so N <= 19,997 keeps
// every shifter kind inside that bound with the same N.
inline constexpr int kMinShifterBits = 1;
inline constexpr int kMaxShifterBits = 19997;
// The counter vector has 40 + B neurons; below 5 bits the segment-length
// modulus (B / 5) would be zero.
inline constexpr int kMinCounterBits = 5;
inline constexpr int kMaxCounterBits = 99959;
// Upper bound on every generated vector count: keeps a generated file to a
// size an editor window can still open.
inline constexpr int kMaxExampleVectorCount = 100000;

// Empty when shifterBits and the three counts are acceptable; otherwise the
// message that says what is refused and why.
std::string ShifterSettingsProblem(const WorkbenchState& state);
// The same for counterBits and the three counts.
std::string CounterSettingsProblem(const WorkbenchState& state);

}  // namespace foresta

#endif  // FORESTA_EXAMPLES_EXAMPLE_LIMITS_H_
