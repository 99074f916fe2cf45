#include "examples/segment_counter_generator.h"

#include <algorithm>
#include <string>

#include "examples/example_file.h"
#include "examples/example_limits.h"
#include "state/random_stream.h"
#include "state/workbench_state.h"

namespace foresta {
namespace {

constexpr int kClassNeurons = 40;
constexpr int kMaxClass = kClassNeurons - 1;
constexpr int kMinSegmentModulus = 4;

constexpr const char* kHeaderBody =
    "\n This example count the number of segments "
    "\n For example, 111100111 has two segment: 1111 and 111"
    "\n The class-vector has 40 bits:"
    "\n\t  10000000   : no segment "
    "\n\t  01000000   :  1 segment "
    "\n\t  00100000   :  2 segments "
    "\n\t  00010000   :  . . .   ";

enum class Role { kTraining, kRetraining, kRecognition };

// One vector of `length` neurons with runs of 1s from position 40 on; the
// run lengths and gaps come from the stream, bounded by `modulus`.
void DrawVector(RandomStream& random, int length, int modulus, bool known,
                std::string& v) {
  v.assign(static_cast<std::size_t>(length), '0');
  int segments = 0;
  bool marking = true;
  int s = kClassNeurons + random.Next() % modulus + 5;
  int e = s + random.Next() % modulus + 5;
  int p = e;
  while (e < length) {
    if (marking) {
      ++segments;
      std::fill(v.begin() + s, v.begin() + e, '1');
      p += random.Next() % 10 + 5;
    }
    if (marking) {
      marking = false;
    } else {
      p += random.Next() % 10 + 5;
      marking = true;
    }
    p += random.Next() % modulus + 5;
    s = e;
    e = p;
  }
  if (known) v[std::min(segments, kMaxClass)] = '1';
  else std::fill(v.begin(), v.begin() + kClassNeurons, 'x');
}

void WriteVector(ExampleFile& out, const std::string& v, int lineStart,
                 int step) {
  for (int i = 0; i < static_cast<int>(v.size()); ++i) {
    out.Put(v[i]);
    if (i == lineStart - 1 || (i > lineStart && step > 0 && (i + 1) % step == 0))
      out.Write("\n  ");
  }
  out.Put('\n');
}

int Generate(WorkbenchState& s, RandomStream& random, Role role) {
  if (!CounterSettingsProblem(s).empty()) return kExampleSettingsOutOfRange;
  const std::string& file = role == Role::kTraining     ? s.trainingFile
                            : role == Role::kRetraining ? s.retrainingFile
                                                        : s.recognitionFile;
  ExampleFile out(file);
  if (!out.is_open()) return kExampleCannotCreate;
  const int length = kClassNeurons + s.counterBits;
  // Every vector is laid out with the class neurons on a line of their own
  // and the pixels in lines of 40, whichever of the three files it is in.
  s.line2Start = kClassNeurons;
  s.breakerStep = kClassNeurons;
  int count = s.trainingVectorCount;
  int shrinkEvery = 0;
  switch (role) {
    case Role::kTraining:
      out.Write(" * \n 1-D Segment Counter, Training Data File \n  ");
      shrinkEvery = count / 10;
      break;
    case Role::kRetraining:
      count = s.retrainingVectorCount;
      out.Write(" * \n 1-D Segment Counter, Retraining Data File \n  ");
      shrinkEvery = count / 10;
      break;
    case Role::kRecognition:
      count = s.recognitionPatternCount;
      out.Write(" * \n 1-D Segment Counter, Recognition Data File \n  ");
      shrinkEvery = count / 20;
      break;
  }
  if (shrinkEvery == 0) shrinkEvery = 1;
  out.Write(kHeaderBody);
  if (role == Role::kRecognition) {
    out.Write(" \n\n*\n\n ");
  } else {
    out.Write(" \n\n*\n ");
    out.WriteInt(length);
    out.Write("\n\n");
  }
  int modulus = s.counterBits / 5;
  std::string v;
  for (int n = 0; n < count; ++n) {
    DrawVector(random, length, modulus, role != Role::kRecognition, v);
    WriteVector(out, v, s.line2Start, s.breakerStep);
    if ((n + 1) % shrinkEvery == 0)
      modulus = std::max(kMinSegmentModulus,
                         static_cast<int>(modulus * 0.65));
  }
  return out.Close() ? kExampleWritten : kExampleCannotCreate;
}

}  // namespace

int WriteCounterTraining(WorkbenchState& state, RandomStream& random) {
  return Generate(state, random, Role::kTraining);
}

int WriteCounterRetraining(WorkbenchState& state, RandomStream& random) {
  return Generate(state, random, Role::kRetraining);
}

int WriteCounterRecognition(WorkbenchState& state, RandomStream& random) {
  return Generate(state, random, Role::kRecognition);
}

}  // namespace foresta
