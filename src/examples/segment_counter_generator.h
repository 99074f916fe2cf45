#ifndef FORESTA_EXAMPLES_SEGMENT_COUNTER_GENERATOR_H_
#define FORESTA_EXAMPLES_SEGMENT_COUNTER_GENERATOR_H_

namespace foresta {

struct WorkbenchState;
class RandomStream;

// The 1-D segment counter: vectors of counterClassNeurons (40) class neurons
// and counterBits pixels holding runs of 1s; the class is a single 1 at the
// number of runs (39 at most). Runs shrink ten times over a file. Each
// returns kExampleWritten, kExampleCannotCreate or
// kExampleSettingsOutOfRange (nothing written).

// Each generator that creates its file first sets line2Start and breakerStep
// to 40, which lay out the lines of every vector: the class neurons, then
// the pixels 40 to a line.

// trainingVectorCount vectors into trainingFile.
int WriteCounterTraining(WorkbenchState& state, RandomStream& random);
// retrainingVectorCount vectors into retrainingFile.
int WriteCounterRetraining(WorkbenchState& state, RandomStream& random);
// recognitionPatternCount vectors into recognitionFile, class neurons "x",
// no count.
int WriteCounterRecognition(WorkbenchState& state, RandomStream& random);

}  // namespace foresta

#endif  // FORESTA_EXAMPLES_SEGMENT_COUNTER_GENERATOR_H_
