#ifndef FORESTA_EXAMPLES_SEQUENCE_GENERATORS_H_
#define FORESTA_EXAMPLES_SEQUENCE_GENERATORS_H_

#include <array>
#include <string>
#include <vector>

namespace foresta {

struct WorkbenchState;
class RandomStream;

// Examples of predicting the next state of a sequence. Every state value is
// written with the seven-neuron value code (0 -> 1000000, v > 0 -> v 1s at
// the right end) and a blank; a training vector is a window of consecutive
// states, a recognition vector the same with its last state unknown, and the
// user distribution lists every possible last state.
// Each returns kExampleWritten or kExampleCannotCreate.

// The seven characters that stand for `value` (0 to 6).
std::string ValueCode(int value);

// Finite dynamic system: x' = (x + y + z) mod 7, y' = x, z' = y mod 5 from
// (1, 0, 0). Windows of ten states (210 neurons).
std::vector<std::array<int, 3>> DynamicSystemStates(int count);
int WriteDynamicSystemTraining(const WorkbenchState& state);
int WriteDynamicSystemDistribution(const WorkbenchState& state);
int WriteDynamicSystemRecognition(const WorkbenchState& state);

// Markov chain on (x, y, z, s, t) from (1, 0, 0, 0, 0): x and y as in the
// dynamic system; z' = y mod 5, or (y + 1) mod 5 on a third of the steps;
// s' = s + 1 mod 5, or s + 2 mod 5 on a third of the steps; t' = s mod 3.
// The second state takes no draws; from then on each step draws for z, then
// for s. Windows of five states (175 neurons).
std::vector<std::array<int, 5>> MarkovStates(RandomStream& random, int count);
// 20,000 states, listed in the comment, and every window but the last
// (19,995 vectors). Also sets the line starts to 35, 70, 105, 140,
// breakerStep to 35 and the four symmetry numbers to -1.
int WriteMarkovTraining(WorkbenchState& state, RandomStream& random);
int WriteMarkovDistribution(const WorkbenchState& state);
// Five windows of a fresh run of the chain (its own stream, started as the
// shared one starts), the newest state unknown. Fixed content: it draws
// nothing from the shared stream.
int WriteMarkovRecognition(const WorkbenchState& state);

}  // namespace foresta

#endif  // FORESTA_EXAMPLES_SEQUENCE_GENERATORS_H_
