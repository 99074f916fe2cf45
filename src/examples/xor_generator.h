#ifndef FORESTA_EXAMPLES_XOR_GENERATOR_H_
#define FORESTA_EXAMPLES_XOR_GENERATOR_H_

namespace foresta {

struct WorkbenchState;

// XOR of `inputs` bits (2 or 3): every bit is a pair of neurons (0 as "01",
// 1 as "10") so no pattern is all 0s or all 1s, and a constant lead block
// of kXorLeadNeurons brings the vector to the engine's 20-neuron minimum.
// Each returns kExampleWritten, kExampleCannotCreate, or
// kExampleSettingsOutOfRange for another number of inputs.
inline constexpr int kXorLeadNeurons = 14;

// Neurons in one XOR vector.
int XorNeuronCount(int inputs);

// Every input combination with its parity, into trainingFile: for two
// inputs the patterns (a, b, a xor b) 000, 101, 110, 011 in this order,
// for three inputs the combinations counted up from 000.
int WriteXorTraining(const WorkbenchState& state, int inputs);
// One all-zero vector into retrainingFile, the file ending with its last
// "0": XOR needs no retraining.
int WriteXorRetraining(const WorkbenchState& state, int inputs);
// For each pattern in the training order, one copy per bit with that bit's
// pair unknown (the result first, then the inputs from last to first); the
// whole group twice. Into recognitionFile.
int WriteXorRecognition(const WorkbenchState& state, int inputs);

}  // namespace foresta

#endif  // FORESTA_EXAMPLES_XOR_GENERATOR_H_
