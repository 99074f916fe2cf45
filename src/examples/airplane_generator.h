#ifndef FORESTA_EXAMPLES_AIRPLANE_GENERATOR_H_
#define FORESTA_EXAMPLES_AIRPLANE_GENERATOR_H_

#include <string>

namespace foresta {

struct WorkbenchState;

// Top views of four kinds of airplane on a 40 by 40 grid: 40 class neurons
// (a single 1 at the kind), then 1600 pixels, one line of 40 per row. The
// recognition files show the airplanes scaled, rotated, or both, with the
// class unknown, so the engine's symmetry settings decide whether they are
// recognised. Each returns kExampleWritten or kExampleCannotCreate.
inline constexpr int kAirplaneKinds = 4;
inline constexpr int kAirplaneSide = 40;

enum class AirplaneView { kScaling, kRotation, kRotationAndScaling };

// The 1600 pixels of airplane `kind` drawn at `scale` (1 fills the frame)
// and turned clockwise by `quarterTurns` right angles.
std::string AirplaneImage(int kind, double scale, int quarterTurns);

// The four airplanes upright: at full size for kScaling (used by the
// scaling and the rotation examples), at full and at two-thirds size for
// kRotationAndScaling.
int WriteAirplaneTraining(const WorkbenchState& state, AirplaneView view);
// The four airplanes at four-fifths size.
int WriteAirplaneRetraining(const WorkbenchState& state);
// The four airplanes smaller (kScaling), turned (kRotation), or both.
int WriteAirplaneRecognition(const WorkbenchState& state, AirplaneView view);

}  // namespace foresta

#endif  // FORESTA_EXAMPLES_AIRPLANE_GENERATOR_H_
