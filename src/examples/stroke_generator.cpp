#include "examples/stroke_generator.h"

#include <cstdlib>
#include <vector>

#include "examples/example_file.h"
#include "state/random_stream.h"
#include "state/workbench_state.h"

namespace foresta {
namespace {

struct Segment {
  int r0, c0, r1, c1;
};

// Nine-pixel strokes on 19 by 19: the seven display segments, the two
// centre bars, then three diagonals (the 4095-class set uses all twelve).
constexpr Segment k19[] = {
    {1, 5, 1, 13},   {9, 5, 9, 13},   {17, 5, 17, 13}, {1, 4, 9, 4},
    {9, 4, 17, 4},   {1, 14, 9, 14},  {9, 14, 17, 14}, {1, 9, 9, 9},
    {9, 9, 17, 9},   {1, 5, 9, 13},   {1, 13, 9, 5},   {9, 5, 17, 13},
};
// The seven display segments on 32 by 32, two pixels thick.
constexpr Segment k32[] = {
    {3, 9, 3, 22},   {15, 9, 15, 22}, {28, 9, 28, 22}, {4, 7, 14, 7},
    {16, 7, 27, 7},  {4, 23, 14, 23}, {16, 23, 27, 23},
    {4, 15, 14, 15}, {16, 15, 27, 15}, {4, 9, 14, 14}, {4, 21, 14, 16},
    {16, 9, 27, 14}, {16, 21, 27, 16}, {9, 9, 9, 14},  {21, 17, 21, 22},
};

struct SetShape {
  const Segment* strokes;
  int strokeCount;
  int side;
  int classNeurons;
  bool thick;
  int recognitionModulus;
  int noiseModulus;
  const char* title;
};

SetShape ShapeOf(StrokeSet set) {
  switch (set) {
    case StrokeSet::k19x19Classes1023:
      return {k19, 10, 19, 1026, false, 200, 357,
              "19 by 19 Character Recognition, 1023 classes"};
    case StrokeSet::k19x19Classes4095:
      return {k19, 12, 19, 4104, false, 200, 357,
              "19 by 19 Character Recognition, 4095 classes"};
    case StrokeSet::k32x32Classes127:
      return {k32, 7, 32, 128, true, 24, 1021,
              "32 by 32 Character Recognition, 127 classes"};
    case StrokeSet::k32x32Retrieval:
      break;
  }
  return {k32, 15, 32, 0, true, 350, 1021, "32 by 32 Image Retrieval"};
}

constexpr int kRetrievalModulus = 350;

void Draw(std::string& image, int side, const Segment& s, bool thick) {
  const int dr = s.r1 - s.r0, dc = s.c1 - s.c0;
  const int steps = std::max(std::abs(dr), std::abs(dc));
  for (int i = 0; i <= steps; ++i) {
    const int r = s.r0 + (steps == 0 ? 0 : (dr * i + (dr > 0 ? steps / 2 : -steps / 2)) / steps);
    const int c = s.c0 + (steps == 0 ? 0 : (dc * i + (dc > 0 ? steps / 2 : -steps / 2)) / steps);
    image[static_cast<std::size_t>(r * side + c)] = '1';
    if (thick) {
      // Thicken across the stroke: below a horizontal bar, right of others.
      const int r2 = dr == 0 ? r + 1 : r, c2 = dr == 0 ? c : c + 1;
      if (r2 < side && c2 < side) image[static_cast<std::size_t>(r2 * side + c2)] = '1';
    }
  }
}

std::string SettingsText(StrokeSet set, const SetShape& shape) {
  const int side = shape.side;
  const int start = shape.classNeurons;
  const int end = start + side * side - 1;
  std::string text =
      "\n A character is drawn from " + std::to_string(shape.strokeCount) +
      " strokes; every subset of the strokes is one pattern.";
  if (set != StrokeSet::k32x32Retrieval)
    text += "\n The first " + std::to_string(start) +
            " neurons are the class: a single 1 at the subset's code"
            "\n (stroke i adds 2 to the power i).";
  text += "\nPlease set line breaker to\n line 2 starts at " +
          std::to_string(side) + " \nline 3 starts at " +
          std::to_string(2 * side) + "\nline 4 starts at " +
          std::to_string(3 * side) + "\nline 5 starts at " +
          std::to_string(4 * side) +
          "\nPlease set symmetry to\nSymmetry starts at   " +
          std::to_string(start) + "\nSymmetry ends at " + std::to_string(end) +
          "\nx-dimension is " + std::to_string(side) + "\ny-dimension is " +
          std::to_string(side) + "\n";
  return text;
}

void WriteHeader(ExampleFile& out, StrokeSet set, const char* role,
                 bool withCount) {
  const SetShape shape = ShapeOf(set);
  out.Write(" * \n ");
  out.Write(shape.title);
  out.Write(", ");
  out.Write(role);
  out.Write(SettingsText(set, shape));
  out.Write("*\n");
  if (withCount) {
    out.Put(' ');
    out.WriteInt(StrokeNeuronCount(set));
    out.Put('\n');
  }
  out.Put('\n');
}

// The class part (code, or unknown when code < 0) and the image, `side`
// characters to a line, then an empty line.
void WriteVector(ExampleFile& out, StrokeSet set, int code,
                 const std::string& image) {
  const SetShape shape = ShapeOf(set);
  std::string v;
  v.reserve(static_cast<std::size_t>(StrokeNeuronCount(set)));
  if (shape.classNeurons > 0) {
    v.assign(static_cast<std::size_t>(shape.classNeurons), code < 0 ? 'x' : '0');
    if (code >= 0) v[static_cast<std::size_t>(code)] = '1';
  }
  v += image;
  for (std::size_t i = 0; i < v.size(); i += static_cast<std::size_t>(shape.side)) {
    out.Write(std::string_view(v).substr(i, static_cast<std::size_t>(shape.side)));
    out.Put('\n');
  }
  out.Put('\n');
}

int Finish(ExampleFile& out) {
  return out.Close() ? kExampleWritten : kExampleCannotCreate;
}

// The retrieval set's pictures: codes taken when a draw mod 350 is 0.
void WriteDrawnCodes(ExampleFile& out, RandomStream& random, StrokeSet set) {
  const int codes = 1 << ShapeOf(set).strokeCount;
  for (int code = 1; code < codes; ++code)
    if (random.Next() % kRetrievalModulus == 0)
      WriteVector(out, set, code, StrokeImage(set, code));
}

}  // namespace

int StrokeNeuronCount(StrokeSet set) {
  const SetShape shape = ShapeOf(set);
  return shape.classNeurons + shape.side * shape.side;
}

std::string StrokeImage(StrokeSet set, int code) {
  const SetShape shape = ShapeOf(set);
  std::string image(static_cast<std::size_t>(shape.side * shape.side), '0');
  for (int i = 0; i < shape.strokeCount; ++i)
    if ((code >> i) & 1) Draw(image, shape.side, shape.strokes[i], shape.thick);
  return image;
}

int WriteStrokeTraining(const WorkbenchState& state, RandomStream& random,
                        StrokeSet set) {
  ExampleFile out(state.trainingFile);
  if (!out.is_open()) return kExampleCannotCreate;
  WriteHeader(out, set, "Training Data File", true);
  if (set == StrokeSet::k32x32Retrieval) {
    WriteDrawnCodes(out, random, set);
  } else {
    const int codes = 1 << ShapeOf(set).strokeCount;
    for (int code = 1; code < codes; ++code)
      WriteVector(out, set, code, StrokeImage(set, code));
  }
  return Finish(out);
}

int WriteStrokeRetraining(const WorkbenchState& state, RandomStream& random,
                          StrokeSet set) {
  ExampleFile out(state.retrainingFile);
  if (!out.is_open()) return kExampleCannotCreate;
  WriteHeader(out, set, "Retraining Data File", true);
  if (set == StrokeSet::k32x32Retrieval) {
    WriteDrawnCodes(out, random, set);
  } else {
    for (int i = 0; i < ShapeOf(set).strokeCount; ++i)
      WriteVector(out, set, 1 << i, StrokeImage(set, 1 << i));
  }
  return Finish(out);
}

int WriteStrokeRecognition(const WorkbenchState& state, RandomStream& random,
                           StrokeSet set) {
  ExampleFile out(state.recognitionFile);
  if (!out.is_open()) return kExampleCannotCreate;
  WriteHeader(out, set, "Recognition Data File (noisy characters)", false);
  const SetShape shape = ShapeOf(set);
  const int codes = 1 << shape.strokeCount;
  for (int code = 0; code < codes; ++code) {
    if (random.Next() % shape.recognitionModulus != 0) continue;
    std::string image = StrokeImage(set, code);
    const int noise = random.Next() % 10 + 1;
    for (int n = 0; n < noise; ++n)
      image[static_cast<std::size_t>(random.Next() % shape.noiseModulus)] = '1';
    WriteVector(out, set, -1, image);
  }
  return Finish(out);
}

}  // namespace foresta
