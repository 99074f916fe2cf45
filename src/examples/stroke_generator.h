#ifndef FORESTA_EXAMPLES_STROKE_GENERATOR_H_
#define FORESTA_EXAMPLES_STROKE_GENERATOR_H_

#include <string>

namespace foresta {

struct WorkbenchState;
class RandomStream;

// Characters built from strokes, like the segments of a display: every
// non-empty subset of the strokes is one class, its code the subset's bits
// (stroke i is bit i). A vector is the class part (a single 1 at the code)
// then the pixels, written `side` characters per line with an empty line
// after each vector. Each returns kExampleWritten or kExampleCannotCreate.
enum class StrokeSet {
  k19x19Classes1023,  // 10 strokes, 1026 class neurons, 361 pixels
  k19x19Classes4095,  // 12 strokes, 4104 class neurons, 361 pixels
  k32x32Classes127,   // 7 strokes, 128 class neurons, 1024 pixels
  k32x32Retrieval,    // 15 strokes, no class part, 1024 pixels
};

// Neurons in one vector of the set.
int StrokeNeuronCount(StrokeSet set);

// The pixels of stroke subset `code` ('1' for ink), row by row.
std::string StrokeImage(StrokeSet set, int code);

// The class sets: every code in turn. The retrieval set: a code when a draw
// mod 350 is 0. The largest file (4095 classes, about 20 MB) is written as
// it is made.
int WriteStrokeTraining(const WorkbenchState& state, RandomStream& random,
                        StrokeSet set);
// The single strokes (the retrieval set: codes drawn as for training).
int WriteStrokeRetraining(const WorkbenchState& state, RandomStream& random,
                          StrokeSet set);
// Codes taken by draws (mod 200 for 19 by 19, mod 24 for 32 by 32, mod 350
// for retrieval), each with 1 to 10 noise pixels; class part unknown.
int WriteStrokeRecognition(const WorkbenchState& state, RandomStream& random,
                           StrokeSet set);

}  // namespace foresta

#endif  // FORESTA_EXAMPLES_STROKE_GENERATOR_H_
