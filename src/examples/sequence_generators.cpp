#include "examples/sequence_generators.h"

#include "examples/example_file.h"
#include "state/random_stream.h"
#include "state/workbench_state.h"

namespace foresta {
namespace {

constexpr int kDynamicStateCount = 70;
constexpr int kDynamicWindow = 10;
constexpr int kMarkovStateCount = 20000;
constexpr int kMarkovWindow = 5;
constexpr int kMarkovRecognitionStates = 40;
constexpr int kRecognitionVectors = 5;

template <std::size_t K>
void WriteState(ExampleFile& out, const std::array<int, K>& s) {
  for (int v : s) {
    out.Write(ValueCode(v));
    out.Put(' ');
  }
}

template <std::size_t K>
void WriteStateList(ExampleFile& out, const std::vector<std::array<int, K>>& states) {
  for (std::size_t n = 0; n < states.size(); ++n) {
    out.Write("\n ");
    out.WriteInt(static_cast<long long>(n));
    out.Put(':');
    for (int v : states[n]) {
      out.Put(' ');
      out.WriteInt(v);
    }
  }
}

// Windows starting at 0 .. count - window - 1, one per line.
template <std::size_t K>
void WriteWindows(ExampleFile& out, const std::vector<std::array<int, K>>& states,
                  int window) {
  const int windows = static_cast<int>(states.size()) - window;
  for (int w = 0; w < windows; ++w) {
    for (int i = 0; i < window; ++i) WriteState(out, states[w + i]);
    out.Put('\n');
  }
}

// The last `vectors` windows of `states`, their newest state unknown.
template <std::size_t K>
void WriteOpenWindows(ExampleFile& out,
                      const std::vector<std::array<int, K>>& states, int window,
                      int vectors) {
  const int last = static_cast<int>(states.size()) - window;
  for (int w = last - vectors + 1; w <= last; ++w) {
    for (int i = 0; i < window - 1; ++i) WriteState(out, states[w + i]);
    for (std::size_t v = 0; v < K; ++v) out.Write("xxxxxxx ");
    out.Put('\n');
  }
}

// Every combination of `ranges` values, the first varying slowest.
void WriteCombinations(ExampleFile& out, const std::vector<int>& ranges) {
  std::vector<int> values(ranges.size(), 0);
  for (;;) {
    for (int v : values) {
      out.Write(ValueCode(v));
      out.Put(' ');
    }
    out.Put('\n');
    int i = static_cast<int>(values.size()) - 1;
    while (i >= 0 && ++values[i] == ranges[i]) values[i--] = 0;
    if (i < 0) return;
  }
}

constexpr const char* kDynamicRules =
    "\n   x(n+1) = ( x(n) + y(n) + z(n) ) mod 7"
    "\n   y(n+1) = x(n)"
    "\n   z(n+1) = y(n) mod 5"
    "\n starting from (x, y, z) = (1, 0, 0)."
    "\n Each value 0 to 6 is written as seven neurons: 0 = 1000000,"
    "\n 1 = 0000001, 2 = 0000011, ..., 6 = 0111111.";

constexpr const char* kMarkovRules =
    "\n   x(n+1) = ( x(n) + y(n) + z(n) ) mod 7"
    "\n   y(n+1) = x(n)"
    "\n   z(n+1) = y(n) mod 5 with probability 2/3,"
    "\n            ( y(n) + 1 ) mod 5 with probability 1/3"
    "\n   s(n+1) = ( s(n) + 1 ) mod 5 with probability 2/3,"
    "\n            ( s(n) + 2 ) mod 5 with probability 1/3"
    "\n   t(n+1) = s(n) mod 3"
    "\n starting from (x, y, z, s, t) = (1, 0, 0, 0, 0)."
    "\n Each value 0 to 6 is written as seven neurons: 0 = 1000000,"
    "\n 1 = 0000001, 2 = 0000011, ..., 6 = 0111111.";

}  // namespace

std::string ValueCode(int value) {
  if (value <= 0) return "1000000";
  if (value > 6) value = 6;
  return std::string(static_cast<std::size_t>(7 - value), '0') +
         std::string(static_cast<std::size_t>(value), '1');
}

std::vector<std::array<int, 3>> DynamicSystemStates(int count) {
  std::vector<std::array<int, 3>> states;
  std::array<int, 3> s = {1, 0, 0};
  for (int n = 0; n < count; ++n) {
    states.push_back(s);
    s = {(s[0] + s[1] + s[2]) % 7, s[0], s[1] % 5};
  }
  return states;
}

int WriteDynamicSystemTraining(const WorkbenchState& state) {
  ExampleFile out(state.trainingFile);
  if (!out.is_open()) return kExampleCannotCreate;
  const auto states = DynamicSystemStates(kDynamicStateCount);
  out.Write(" * \n Finite Dynamic System, Training Data File \n The system:");
  out.Write(kDynamicRules);
  out.Write("\n A training vector is ten consecutive states (x, y, z),"
            "\n 210 neurons. The 70 states (n: x y z):");
  WriteStateList(out, states);
  out.Write("\n*\n 210\n\n");
  WriteWindows(out, states, kDynamicWindow);
  return out.Close() ? kExampleWritten : kExampleCannotCreate;
}

int WriteDynamicSystemDistribution(const WorkbenchState& state) {
  ExampleFile out(state.userDistributionFile);
  if (!out.is_open()) return kExampleCannotCreate;
  out.Write(" * \n Finite Dynamic System, User Distribution File \n"
            " Every possible next state (x, y, z), each value 0 to 6:"
            "\n 21 output neurons, 343 configurations, x varying slowest. \n"
            "*\n 21 343\n");
  WriteCombinations(out, {7, 7, 7});
  return out.Close() ? kExampleWritten : kExampleCannotCreate;
}

int WriteDynamicSystemRecognition(const WorkbenchState& state) {
  ExampleFile out(state.recognitionFile);
  if (!out.is_open()) return kExampleCannotCreate;
  out.Write(" * \n Finite Dynamic System, Recognition Data File \n"
            " Nine known states; the tenth (x) is to be predicted. \n*\n\n");
  WriteOpenWindows(out, DynamicSystemStates(kDynamicStateCount),
                   kDynamicWindow, kRecognitionVectors);
  return out.Close() ? kExampleWritten : kExampleCannotCreate;
}

std::vector<std::array<int, 5>> MarkovStates(RandomStream& random, int count) {
  std::vector<std::array<int, 5>> states;
  std::array<int, 5> s = {1, 0, 0, 0, 0};
  for (int n = 0; n < count; ++n) {
    states.push_back(s);
    if (n + 1 == count) break;
    int z = s[1] % 5;
    int step = 1;
    if (n >= 1) {
      if (random.Next() % 3 == 1) z = (s[1] + 1) % 5;
      if (random.Next() % 3 == 1) step = 2;
    }
    s = {(s[0] + s[1] + s[2]) % 7, s[0], z, (s[3] + step) % 5, s[3] % 3};
  }
  return states;
}

int WriteMarkovTraining(WorkbenchState& state, RandomStream& random) {
  ExampleFile out(state.trainingFile);
  if (!out.is_open()) return kExampleCannotCreate;
  state.line2Start = 35;
  state.line3Start = 70;
  state.line4Start = 105;
  state.line5Start = 140;
  state.breakerStep = 35;
  state.symmetryStart = state.symmetryEnd = -1;
  state.symmetryXDim = state.symmetryYDim = -1;
  const auto states = MarkovStates(random, kMarkovStateCount);
  out.Write(" * \n Markov Chain, Training Data File \n The chain:");
  out.Write(kMarkovRules);
  out.Write("\n A training vector is five consecutive states (x, y, z, s, t),"
            "\n 175 neurons. The 20000 states (n: x y z s t):");
  WriteStateList(out, states);
  out.Write("\n*\n 175\n\n");
  WriteWindows(out, states, kMarkovWindow);
  return out.Close() ? kExampleWritten : kExampleCannotCreate;
}

int WriteMarkovDistribution(const WorkbenchState& state) {
  ExampleFile out(state.userDistributionFile);
  if (!out.is_open()) return kExampleCannotCreate;
  out.Write(" * \n Markov Chain, User Distribution File \n"
            " Every possible next state (x, y, z, s, t): x and y 0 to 6,"
            "\n z and s 0 to 4, t 0 to 2; 35 output neurons,"
            "\n 3675 configurations, x varying slowest. \n*\n 35 3675\n");
  WriteCombinations(out, {7, 7, 5, 5, 3});
  return out.Close() ? kExampleWritten : kExampleCannotCreate;
}

int WriteMarkovRecognition(const WorkbenchState& state) {
  ExampleFile out(state.recognitionFile);
  if (!out.is_open()) return kExampleCannotCreate;
  out.Write(" * \n Markov Chain, Recognition Data File \n"
            " Four known states of a fresh run of the chain; the fifth (x)"
            "\n is to be predicted. \n*\n\n");
  // A private stream from the start state: the same vectors every time, and
  // the session's shared stream, on which every later example depends,
  // stays where the training file left it.
  RandomStream fresh;
  WriteOpenWindows(out, MarkovStates(fresh, kMarkovRecognitionStates),
                   kMarkovWindow, kRecognitionVectors);
  return out.Close() ? kExampleWritten : kExampleCannotCreate;
}

}  // namespace foresta
