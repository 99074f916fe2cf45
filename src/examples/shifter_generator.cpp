#include "examples/shifter_generator.h"

#include <string>
#include <vector>

#include "examples/distribution_description.h"
#include "examples/example_file.h"
#include "examples/example_limits.h"
#include "state/random_stream.h"
#include "state/workbench_state.h"

namespace foresta {
namespace {

constexpr int kRotateLeft = 0;
constexpr int kCopy = 1;
constexpr int kUnknownRunLength = 10;

// Longer inputs get sparser ones so the engine sees few-bit patterns.
int BitDivisor(int bits) {
  if (bits <= 10) return 2;
  if (bits <= 20) return 3;
  if (bits <= 40) return 5;
  if (bits <= 100) return 10;
  return 12;
}

// Fills `v` with one vector: classes, input, then one output block per group.
void DrawVector(RandomStream& random, int bits, int groups, std::string& v) {
  const int classEnd = 3 * groups;
  v.assign(static_cast<std::size_t>(ShifterNeuronCount(bits, groups)), '0');
  std::vector<int> kinds(static_cast<std::size_t>(groups));
  for (int g = 0; g < groups; ++g) {
    kinds[g] = random.Next() % 3;
    v[3 * g + kinds[g]] = '1';
  }
  const int divisor = BitDivisor(bits);
  for (int j = 0; j < bits; ++j) {
    const char bit = random.Next() % divisor == 0 ? '1' : '0';
    v[classEnd + j] = bit;
    for (int g = 0; g < groups; ++g) {
      int to = j;
      if (kinds[g] == kRotateLeft) to = (j + bits - 1) % bits;
      else if (kinds[g] != kCopy) to = (j + 1) % bits;
      v[classEnd + bits * (g + 1) + to] = bit;
    }
  }
}

// One-group layout: classes, a tab, the input, a tabbed line, the output,
// with a further break after every 1000th bit of a block.
void WriteSingleGroup(ExampleFile& out, const std::string& v, int bits) {
  out.Write(std::string_view(v).substr(0, 3));
  out.Put('\t');
  for (int block = 0; block < 2; ++block) {
    if (block == 1) out.Write("\n\t");
    for (int j = 0; j < bits; ++j) {
      out.Put(v[3 + block * bits + j]);
      if ((j + 1) % 1000 == 0) out.Write("\n\t");
    }
  }
  out.Put('\n');
}

// Several groups: a tabbed line after each position listed in the line starts.
void WriteGroups(ExampleFile& out, const std::string& v,
                 const std::vector<int>& breaks) {
  for (std::size_t i = 0; i < v.size(); ++i) {
    out.Put(v[i]);
    for (int b : breaks) {
      if (static_cast<std::size_t>(b) == i + 1) {
        out.Write("\n\t");
        break;
      }
    }
  }
  out.Put('\n');
}

std::vector<int> Breaks(const WorkbenchState& s, int bits, int groups) {
  std::vector<int> breaks = {s.line2Start, s.line3Start, s.line4Start,
                             s.line5Start};
  if (groups == 4) breaks.push_back(4 * bits + 12);
  return breaks;
}

void WriteVector(ExampleFile& out, const std::string& v, int bits, int groups,
                 const std::vector<int>& breaks) {
  if (groups == 1) WriteSingleGroup(out, v, bits);
  else WriteGroups(out, v, breaks);
}

void StoreBlockStarts(WorkbenchState& s, int bits, int groups) {
  if (groups == 1) {
    s.line2Start = 3;
    s.line3Start = bits + 3;
  } else if (groups == 2) {
    s.line2Start = 6;
    s.line3Start = bits + 6;
    s.line4Start = 2 * bits + 6;
  }
}

bool Acceptable(const WorkbenchState& s, int groups) {
  return groups >= kMinShifterGroups && groups <= kMaxShifterGroups &&
         ShifterSettingsProblem(s).empty();
}

int WriteLearningFile(WorkbenchState& s, RandomStream& random, int groups,
                      const std::string& file, const char* title, int count) {
  if (!Acceptable(s, groups)) return kExampleSettingsOutOfRange;
  const int bits = s.shifterBits;
  ExampleFile out(file);
  if (!out.is_open()) return kExampleCannotCreate;
  StoreBlockStarts(s, bits, groups);
  out.Write(title);
  out.WriteInt(ShifterNeuronCount(bits, groups));
  out.Write("\n\n");
  const std::vector<int> breaks = Breaks(s, bits, groups);
  std::string v;
  for (int n = 0; n < count; ++n) {
    DrawVector(random, bits, groups, v);
    WriteVector(out, v, bits, groups, breaks);
  }
  return out.Close() ? kExampleWritten : kExampleCannotCreate;
}

const char* RecognitionTitle(int groups, ShifterRecognitionKind kind) {
  if (kind == ShifterRecognitionKind::kEnumerative) {
    if (groups == 1)
      return " * \n Shifter: Recognition Data File ( Best Fit )  \n *\n\n";
    if (groups == 2) return " * \n Shifter: Recognition Data File \n *\n\n";
  }
  switch (groups) {
    case 1:
      return " * \n Shifter: Recognition Data File ( 1 neuron 1 class ) \n "
             "*\n\n";
    case 2: return " * \n Shifter: Recognition Data File  \n *\n\n";
    case 3:
      return " * \n Shifter: Recognition Data File ( 3 neuron 1 class ) \n "
             "*\n\n";
    default:
      return " * \n Shifter: Recognition Data File ( 4 neuron 1 class ) \n "
             "*\n\n";
  }
}

}  // namespace

int ShifterNeuronCount(int bits, int groups) {
  return (groups + 1) * bits + 3 * groups;
}

int WriteShifterTraining(WorkbenchState& state, RandomStream& random,
                         int groups) {
  return WriteLearningFile(state, random, groups, state.trainingFile,
                           " * \n shifter, Training Data File \n *\n ",
                           state.trainingVectorCount);
}

int WriteShifterRetraining(WorkbenchState& state, RandomStream& random,
                           int groups) {
  const char* title = groups == 1
                          ? " * \n Shifter: Retraining Data File \n *\n "
                          : " * \n Shifter: Retraining Data File \n *\n";
  return WriteLearningFile(state, random, groups, state.retrainingFile, title,
                           state.retrainingVectorCount);
}

int WriteShifterRecognition(const WorkbenchState& state, RandomStream& random,
                            int groups, ShifterRecognitionKind kind) {
  if (!Acceptable(state, groups)) return kExampleSettingsOutOfRange;
  const int bits = state.shifterBits;
  ExampleFile out(state.recognitionFile);
  if (!out.is_open()) return kExampleCannotCreate;
  out.Write(RecognitionTitle(groups, kind));
  const std::vector<int> breaks = Breaks(state, bits, groups);
  const int classEnd = 3 * groups;
  std::string v;
  for (int n = 0; n < state.recognitionPatternCount; ++n) {
    DrawVector(random, bits, groups, v);
    if (kind == ShifterRecognitionKind::kOneNeuronOneClass) {
      v.replace(0, static_cast<std::size_t>(classEnd),
                static_cast<std::size_t>(classEnd), 'x');
    } else if (groups == 1) {
      // The first output bits: the input and class say what they must be.
      const int run = bits < kUnknownRunLength ? bits : kUnknownRunLength;
      v.replace(static_cast<std::size_t>(classEnd + bits),
                static_cast<std::size_t>(run), static_cast<std::size_t>(run),
                'x');
    } else {
      const int room = static_cast<int>(v.size()) - classEnd;
      const int run = room < kUnknownRunLength ? room : kUnknownRunLength;
      v.replace(static_cast<std::size_t>(classEnd),
                static_cast<std::size_t>(run), static_cast<std::size_t>(run),
                'x');
    }
    WriteVector(out, v, bits, groups, breaks);
  }
  return out.Close() ? kExampleWritten : kExampleCannotCreate;
}

int WriteShifterDistribution(const WorkbenchState& state, int groups) {
  if (groups < 2 || groups > kMaxShifterGroups)
    return kExampleSettingsOutOfRange;
  ExampleFile out(state.userDistributionFile);
  if (!out.is_open()) return kExampleCannotCreate;
  out.Write(UserDistributionDescription(std::to_string(groups) + "N1C"));
  int rows = 1;
  for (int g = 0; g < groups; ++g) rows *= 3;
  out.WriteInt(3 * groups);
  out.Put(' ');
  out.WriteInt(rows);
  out.Write(" \n");
  // Row r: group g's neuron is digit g of r in base 3, the first group the
  // most significant, so the first group varies slowest.
  for (int r = 0; r < rows; ++r) {
    std::string row(static_cast<std::size_t>(3 * groups), '0');
    int rest = r;
    for (int g = groups - 1; g >= 0; --g) {
      row[3 * g + rest % 3] = '1';
      rest /= 3;
    }
    out.Write(row);
    out.Put('\n');
  }
  return out.Close() ? kExampleWritten : kExampleCannotCreate;
}

}  // namespace foresta
