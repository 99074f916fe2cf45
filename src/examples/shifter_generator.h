#ifndef FORESTA_EXAMPLES_SHIFTER_GENERATOR_H_
#define FORESTA_EXAMPLES_SHIFTER_GENERATOR_H_

namespace foresta {

struct WorkbenchState;
class RandomStream;

// The N-bit shifter with k class groups (k = 1 for "1N1C" to 4 for "4N1C").
// A vector holds 3k class neurons (one per group set: neuron 0 rotate left,
// 1 copy, 2 rotate right), N input neurons from the random stream, then k
// output blocks, each the input transformed as its group says.
// N is state.shifterBits; every generator returns kExampleWritten,
// kExampleCannotCreate or kExampleSettingsOutOfRange (nothing written).
inline constexpr int kMinShifterGroups = 1;
inline constexpr int kMaxShifterGroups = 4;

enum class ShifterRecognitionKind {
  kOneNeuronOneClass,  // the class neurons unknown
  kEnumerative,        // ten input-side neurons unknown, classes kept
};

// Neurons in one vector: (k + 1) N + 3k.
int ShifterNeuronCount(int bits, int groups);

// trainingVectorCount vectors into trainingFile. For k = 1 and 2 also stores
// the block starts as line starts.
int WriteShifterTraining(WorkbenchState& state, RandomStream& random,
                         int groups);
// retrainingVectorCount vectors into retrainingFile (line starts as above).
int WriteShifterRetraining(WorkbenchState& state, RandomStream& random,
                           int groups);
// recognitionPatternCount vectors into recognitionFile, without a count.
int WriteShifterRecognition(const WorkbenchState& state, RandomStream& random,
                            int groups, ShifterRecognitionKind kind);
// Every one-hot configuration of the k groups into userDistributionFile.
// REQUIRES: 2 <= groups <= 4.
int WriteShifterDistribution(const WorkbenchState& state, int groups);

}  // namespace foresta

#endif  // FORESTA_EXAMPLES_SHIFTER_GENERATOR_H_
