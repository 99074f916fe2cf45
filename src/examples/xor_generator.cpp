#include "examples/xor_generator.h"

#include <string>
#include <vector>

#include "examples/example_file.h"
#include "state/workbench_state.h"

namespace foresta {
namespace {

constexpr const char* kLead = "10101010101010";
static_assert(std::char_traits<char>::length(kLead) == kXorLeadNeurons);

bool Supported(int inputs) { return inputs == 2 || inputs == 3; }

// The order in which the patterns are written, as combinations of the
// inputs (first input most significant). Two bits go 00, 10, 11, 01, so
// that neighbouring patterns differ in one input; three bits count up.
std::vector<int> CombinationOrder(int inputs) {
  if (inputs == 2) return {0b00, 0b10, 0b11, 0b01};
  std::vector<int> order;
  for (int c = 0; c < (1 << inputs); ++c) order.push_back(c);
  return order;
}

// The pairs of one pattern: the inputs of `combination` (first input most
// significant), then their parity.
std::vector<bool> PatternBits(int inputs, int combination) {
  std::vector<bool> bits;
  bool parity = false;
  for (int i = inputs - 1; i >= 0; --i) {
    const bool bit = (combination >> i) & 1;
    bits.push_back(bit);
    parity = parity != bit;
  }
  bits.push_back(parity);
  return bits;
}

// Pairs written after the lead block; pair `unknown` as "xx" (-1: none).
std::string Pairs(const std::vector<bool>& bits, int unknown) {
  std::string text;
  for (int i = 0; i < static_cast<int>(bits.size()); ++i)
    text += i == unknown ? "xx" : bits[i] ? "10" : "01";
  return text;
}

std::string Comment(int inputs, const char* role) {
  const std::string n = std::to_string(inputs);
  return " * XOR of " + n + " bits, " + role +
         ". \n Each bit is written as two neurons, 0 as 01 and 1 as 10, "
         "because the engine does not accept patterns that are all 0s or "
         "all 1s. \n The first " +
         std::to_string(kXorLeadNeurons) +
         " neurons are the same in every pattern; they only bring the "
         "vector to the 20 neurons the engine needs. \n After them come the " +
         n + " input pairs and the result pair (the parity of the inputs). *"
         "\n\n";
}

}  // namespace

int XorNeuronCount(int inputs) { return kXorLeadNeurons + 2 * (inputs + 1); }

int WriteXorTraining(const WorkbenchState& state, int inputs) {
  if (!Supported(inputs)) return kExampleSettingsOutOfRange;
  ExampleFile out(state.trainingFile);
  if (!out.is_open()) return kExampleCannotCreate;
  out.Write(Comment(inputs, "training data"));
  out.Put(' ');
  out.WriteInt(XorNeuronCount(inputs));
  out.Write(" \n");
  for (int c : CombinationOrder(inputs)) {
    out.Put(' ');
    out.Write(kLead);
    out.Put(' ');
    out.Write(Pairs(PatternBits(inputs, c), -1));
    out.Put('\n');
  }
  return out.Close() ? kExampleWritten : kExampleCannotCreate;
}

int WriteXorRetraining(const WorkbenchState& state, int inputs) {
  if (!Supported(inputs)) return kExampleSettingsOutOfRange;
  ExampleFile out(state.retrainingFile);
  if (!out.is_open()) return kExampleCannotCreate;
  out.Write(" * No retraining file is necessary for XOR" +
            std::to_string(inputs) + "  * \n\n ");
  out.WriteInt(XorNeuronCount(inputs));
  out.Write(" \n ");
  // The file ends with the last zero, no line end after it.
  out.Write(std::string(static_cast<std::size_t>(XorNeuronCount(inputs)), '0'));
  return out.Close() ? kExampleWritten : kExampleCannotCreate;
}

int WriteXorRecognition(const WorkbenchState& state, int inputs) {
  if (!Supported(inputs)) return kExampleSettingsOutOfRange;
  ExampleFile out(state.recognitionFile);
  if (!out.is_open()) return kExampleCannotCreate;
  out.Write(Comment(inputs, "recognition data: complete the pair xx"));
  for (int round = 0; round < 2; ++round) {
    for (int c : CombinationOrder(inputs)) {
      const std::vector<bool> bits = PatternBits(inputs, c);
      for (int unknown = inputs; unknown >= 0; --unknown) {
        out.Put(' ');
        out.Write(kLead);
        out.Put(' ');
        out.Write(Pairs(bits, unknown));
        out.Put('\n');
      }
      out.Put('\n');
    }
  }
  return out.Close() ? kExampleWritten : kExampleCannotCreate;
}

}  // namespace foresta
