// Handlers of the Example menu and of the engine's example commands: each
// writes its example files with a generator, sets the engine settings the
// problem needs and opens what it wrote.
#include <string>

#include "examples/airplane_generator.h"
#include "examples/batch_examples.h"
#include "examples/character_generator.h"
#include "examples/example_file.h"
#include "examples/example_limits.h"
#include "examples/segment_counter_generator.h"
#include "examples/sequence_generators.h"
#include "examples/shifter_generator.h"
#include "examples/stroke_generator.h"
#include "examples/xor_generator.h"
#include "state/message_codes.h"
#include "workbench/command_vocabulary.h"
#include "workbench/dialog_runner.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

constexpr int kNoOpening = 0;

// The shifter initialisations move the stream on so the patterns generated
// afterwards differ from those of a fresh start.
constexpr int kShifterInitDraws = 100001;

constexpr const char* kShifterCaption = "Shifter Data";
constexpr const char* kCounterCaption = "Segment Counter Data";

// The line breaker and symmetry settings an example stores before its preset.
struct EngineLayout {
  int line2, line3, line4, line5, step;
  int kind, start, end, x, y;
};

void StoreLayout(WorkbenchState& s, const EngineLayout& l) {
  s.line2Start = l.line2;
  s.line3Start = l.line3;
  s.line4Start = l.line4;
  s.line5Start = l.line5;
  s.breakerStep = l.step;
  s.symmetryKind = l.kind;
  s.symmetryStart = l.start;
  s.symmetryEnd = l.end;
  s.symmetryXDim = l.x;
  s.symmetryYDim = l.y;
}

// A square image of `side` pixels after `classes` class neurons.
EngineLayout SquareImage(int side, int classes, int kind) {
  return {side,    2 * side, 3 * side, 4 * side,
          side,    kind,     classes,  classes + side * side - 1,
          side,    side};
}

void Preset(Workbench& wb, int selector) {
  wb.state().dialogSelector = selector;
  RunDialog(wb);
}

void Refuse(Workbench& wb, const char* caption, const std::string& why) {
  wb.shell().ShowMessage(caption, why, MessageButtons::kOk,
                         MessageIcon::kWarning);
}

// Where a refused setting is explained: the settings of the family whose
// generator refused them.
struct Refusal {
  const char* caption;
  std::string (*problem)(const WorkbenchState&);
};
constexpr Refusal kShifterRefusal = {kShifterCaption, ShifterSettingsProblem};
constexpr Refusal kCounterRefusal = {kCounterCaption, CounterSettingsProblem};

// Reports one generator's result: a file it could not create asks
// `askCode`; settings it refused are explained; a written file is opened
// with `openCode` unless that is kNoOpening. True when the file was written.
bool Report(Workbench& wb, int result, int askCode, int openCode,
            const Refusal& refusal = kShifterRefusal) {
  if (result == kExampleCannotCreate) {
    wb.Ask(askCode);
    return false;
  }
  if (result == kExampleSettingsOutOfRange) {
    Refuse(wb, refusal.caption, refusal.problem(wb.state()));
    return false;
  }
  if (openCode != kNoOpening) wb.Open(openCode);
  return true;
}

// The user-distribution opener is the engine's file command: it writes the
// layout description when there is no such file yet, then shows the file.
void OpenUserDistribution(Workbench& wb) { wb.Execute(kCmOpenDistribution); }

// --- Example menu ------------------------------------------------------------

void Link(Workbench& wb, const char* file) {
  wb.state().texts.linkInput = file;
  wb.state().predictionInputFile = file;
  wb.Open(kDocInput);
}

template <const char* kFile>
void LinkExample(Workbench& wb) {
  Link(wb, kFile);
}

constexpr char kDynamicData[] = "D_math1a.txt";
constexpr char kMarkovData[] = "D_math2a.txt";
constexpr char kCash3X[] = "D_ch3X.txt";
constexpr char kCash3Y[] = "D_ch3Y.txt";
constexpr char kCash3Z[] = "D_ch3Z.txt";
constexpr char kCash3XZ[] = "D_ch3XZ.txt";
constexpr char kCash3YZ[] = "D_ch3YZ.txt";
constexpr char kIntel1[] = "D_intc1a.txt";
constexpr char kIntel2[] = "D_intc2a.txt";
constexpr char kIntel3[] = "D_intc3a.txt";
constexpr char kIntel4[] = "D_intc4a.txt";
constexpr char kIntel5[] = "D_intc5a.txt";
constexpr char kUserData[] = "a.txt";

void WriteBatchExample(Workbench& wb, int (*writer)(const std::string&)) {
  if (writer(wb.state().batchFile) != kExampleWritten) {
    wb.Inform(kMsgBatchFileUnwritable);
    return;
  }
  wb.Open(kDocBatch);
}

void Cash3Batch(Workbench& wb) { WriteBatchExample(wb, WriteCash3Batch); }
void Dow5Batch(Workbench& wb) { WriteBatchExample(wb, WriteDow5Batch); }

// --- Segment counter -----------------------------------------------------------

void InitializeCounter(Workbench& wb) {
  WorkbenchState& s = wb.state();
  if (std::string why = CounterSettingsProblem(s); !why.empty()) {
    Refuse(wb, kCounterCaption, why);
    return;
  }
  const int c = s.counterClassNeurons;
  StoreLayout(s, {c, 2 * c, 3 * c, 4 * c, c, 3, 40, s.counterBits + 39,
                  s.counterBits, -1});
  Preset(wb, kCounterPreset);
  wb.Inform(kMsgCounterReady);
}

void CounterParameters(Workbench& wb) {
  Preset(wb, kSegmentCounterDialog);
  InitializeCounter(wb);
}

void CounterTraining(Workbench& wb) {
  Report(wb, WriteCounterTraining(wb.state(), wb.random()), kAskCannotWriteTraining,
         kDocTraining, kCounterRefusal);
}
void CounterRetraining(Workbench& wb) {
  Report(wb, WriteCounterRetraining(wb.state(), wb.random()), kAskCannotWriteRetraining,
         kDocRetraining, kCounterRefusal);
}
void CounterRecognition(Workbench& wb) {
  Report(wb, WriteCounterRecognition(wb.state(), wb.random()),
         kAskCannotWriteRecognition, kDocRecognition, kCounterRefusal);
}

void Nothing(Workbench&) {}

// --- Shifter --------------------------------------------------------------------

template <int kGroups>
void InitializeShifter(Workbench& wb) {
  WorkbenchState& s = wb.state();
  if (std::string why = ShifterSettingsProblem(s); !why.empty()) {
    Refuse(wb, kShifterCaption, why);
    return;
  }
  const int n = s.shifterBits;
  const int c = 3 * kGroups;
  const int width = (kGroups + 1) * n;
  switch (kGroups) {
    case 1:
      StoreLayout(s, {3, n + 3, -1, -1, -1, 1, 3, 2 * n + 2, 2 * n, -1});
      break;
    case 2:
      StoreLayout(s, {6, n + 6, 2 * n + 6, -1, -1, 1, 6, 3 * n + 5, 3 * n, -1});
      break;
    default:
      StoreLayout(s, {c, n + c, 2 * n + c, 3 * n + c, kGroups == 4 ? n : -1,
                      1, c, c + width - 1, width, -1});
      break;
  }
  for (int i = 0; i < kShifterInitDraws; ++i) wb.random().Next();
  Preset(wb, kShifterPreset);
  wb.Inform(kMsgShifterReady);
}

template <int kGroups>
void ShifterParameters(Workbench& wb) {
  Preset(wb, kShifterDialog);
  InitializeShifter<kGroups>(wb);
}

template <int kGroups>
void ShifterTraining(Workbench& wb) {
  Report(wb, WriteShifterTraining(wb.state(), wb.random(), kGroups),
         kAskCannotWriteTraining, kDocTraining);
}

template <int kGroups>
void ShifterRetraining(Workbench& wb) {
  Report(wb, WriteShifterRetraining(wb.state(), wb.random(), kGroups),
         kAskCannotWriteRetraining, kDocRetraining);
}

template <int kGroups, ShifterRecognitionKind kKind>
void ShifterRecognition(Workbench& wb) {
  Report(wb, WriteShifterRecognition(wb.state(), wb.random(), kGroups, kKind),
         kAskCannotWriteRecognition, kDocRecognition);
}

template <int kGroups>
void ShifterDistribution(Workbench& wb) {
  const int result = WriteShifterDistribution(wb.state(), kGroups);
  if (Report(wb, result, kAskCannotWriteShifterDistribution, kNoOpening))
    OpenUserDistribution(wb);
}

// --- XOR -----------------------------------------------------------------------

template <int kInputs>
void Xor(Workbench& wb) {
  Preset(wb, kResetPreset);
  const WorkbenchState& s = wb.state();
  Report(wb, WriteXorTraining(s, kInputs), kAskCannotWriteTraining, kNoOpening);
  Report(wb, WriteXorRetraining(s, kInputs), kAskCannotWriteRetraining, kNoOpening);
  Report(wb, WriteXorRecognition(s, kInputs), kAskCannotWriteRecognition, kNoOpening);
  wb.Open(kDocRecognition);
  wb.Open(kDocRetraining);
  wb.Open(kDocTraining);
}

// --- Characters and images -------------------------------------------------------

constexpr EngineLayout kLayout5x7 = {11, 16, 21, 26, 5, 13, 11, 45, 5, 7};

void InitializeCharacters(Workbench& wb) {
  StoreLayout(wb.state(), kLayout5x7);
  Preset(wb, kCharacterPreset);
  wb.Inform(kMsgCharactersReady);
}

void Characters5x7Learning(Workbench& wb) {
  const WorkbenchState& s = wb.state();
  Report(wb, WriteCharacters5x7Training(s), kAskCannotWriteTraining, kNoOpening);
  if (!Report(wb, WriteCharacters5x7Retraining(s), kAskCannotWriteRetraining, kNoOpening))
    return;
  wb.Open(kDocRetraining);
  wb.Open(kDocTraining);
}

void Characters5x7Recognition(Workbench& wb) {
  Report(wb, WriteCharacters5x7Recognition(wb.state()), kAskCannotWriteRecognition,
         kDocRecognition);
}

void Characters5x7(Workbench& wb) {
  Characters5x7Recognition(wb);
  Characters5x7Learning(wb);
  InitializeCharacters(wb);
}

// Retraining, recognition and training files of a stored set, then its
// settings and the character preset.
void StoredSetExample(Workbench& wb, int (*retraining)(Workbench&),
                      int (*recognition)(Workbench&),
                      int (*training)(Workbench&), bool largeTraining,
                      const EngineLayout& layout) {
  Report(wb, retraining(wb), kAskCannotWriteRetraining, kDocRetraining);
  Report(wb, recognition(wb), kAskCannotWriteRecognition, kDocRecognition);
  if (Report(wb, training(wb), kAskCannotWriteTraining,
             largeTraining ? kNoOpening : kDocTraining) &&
      largeTraining)
    wb.Inform(kMsgLargeTrainingFile);
  StoreLayout(wb.state(), layout);
  Preset(wb, kCharacterPreset);
  wb.Inform(kMsgCharactersReady);
}

void Characters8x8(Workbench& wb) {
  StoredSetExample(
      wb, [](Workbench& w) { return WriteCharacters8x8Retraining(w.state()); },
      [](Workbench& w) { return WriteCharacters8x8Recognition(w.state()); },
      [](Workbench& w) { return WriteCharacters8x8Training(w.state()); }, false,
      {8, 16, 24, 32, 8, 13, 0, 63, 8, 8});
}

template <StrokeSet kSet>
int StrokeRetraining(Workbench& wb) {
  return WriteStrokeRetraining(wb.state(), wb.random(), kSet);
}
template <StrokeSet kSet>
int StrokeRecognition(Workbench& wb) {
  return WriteStrokeRecognition(wb.state(), wb.random(), kSet);
}
template <StrokeSet kSet>
int StrokeTraining(Workbench& wb) {
  return WriteStrokeTraining(wb.state(), wb.random(), kSet);
}

template <StrokeSet kSet>
void StrokeExample(Workbench& wb) {
  EngineLayout layout = SquareImage(19, 1026, 13);
  if (kSet == StrokeSet::k19x19Classes4095) layout = SquareImage(19, 4104, 13);
  if (kSet == StrokeSet::k32x32Classes127) layout = SquareImage(32, 128, 13);
  if (kSet == StrokeSet::k32x32Retrieval) layout = SquareImage(32, 0, 13);
  StoredSetExample(wb, StrokeRetraining<kSet>, StrokeRecognition<kSet>,
                   StrokeTraining<kSet>,
                   kSet == StrokeSet::k19x19Classes4095, layout);
}

template <int kSide>
void InstalledImages(Workbench& wb) {
  WorkbenchState& s = wb.state();
  const std::string base = "img" + std::to_string(kSide) + "x" +
                           std::to_string(kSide);
  s.trainingFile = s.texts.training = base + ".trn";
  s.retrainingFile = s.texts.retraining = base + ".rtn";
  s.recognitionFile = s.texts.recognition = base + ".rec";
  s.recognitionOutputFile = s.texts.output = base + ".dat";
  if (wb.OpenEngineOutput()) wb.Ask(kAskOutputReady);
  wb.Open(kDocRecognition);
  wb.Open(kDocRetraining);
  wb.Open(kDocTraining);
  StoreLayout(s, SquareImage(kSide, kSide, 13));
  Preset(wb, kCharacterPreset);
  wb.Inform(kMsgImagesReady);
}

template <AirplaneView kView, int kKind, int kPreset>
void Airplanes(Workbench& wb) {
  const WorkbenchState& s = wb.state();
  Report(wb, WriteAirplaneRetraining(s), kAskCannotWriteRetraining, kDocRetraining);
  Report(wb, WriteAirplaneRecognition(s, kView), kAskCannotWriteRecognition,
         kDocRecognition);
  const AirplaneView training = kView == AirplaneView::kRotationAndScaling
                                    ? AirplaneView::kRotationAndScaling
                                    : AirplaneView::kScaling;
  Report(wb, WriteAirplaneTraining(s, training), kAskCannotWriteTraining, kDocTraining);
  StoreLayout(wb.state(), SquareImage(kAirplaneSide, kAirplaneSide, kKind));
  Preset(wb, kPreset);
  wb.Inform(kMsgImagesReady);
}

// --- Sequences -------------------------------------------------------------------

// A sequence has no image symmetry: an earlier example's symmetry must not
// turn into copies of these windows.
void ClearSymmetry(WorkbenchState& s) { s.symmetryKind = 0; }

void DynamicSystem(Workbench& wb) {
  WorkbenchState& s = wb.state();
  Report(wb, WriteDynamicSystemTraining(s), kAskCannotWriteTraining, kNoOpening);
  Report(wb, WriteDynamicSystemDistribution(s), kAskCannotWriteSequenceDistribution,
         kNoOpening);
  Report(wb, WriteDynamicSystemRecognition(s), kAskCannotWriteRecognition, kNoOpening);
  ClearSymmetry(s);
  Preset(wb, kNoSymmetryPreset);
  wb.Open(kDocRecognition);
  OpenUserDistribution(wb);
  wb.Open(kDocTraining);
}

void MarkovChain(Workbench& wb) {
  Preset(wb, kResetPreset);
  WorkbenchState& s = wb.state();
  Report(wb, WriteMarkovTraining(s, wb.random()), kAskCannotWriteTraining, kNoOpening);
  Report(wb, WriteMarkovDistribution(s), kAskCannotWriteSequenceDistribution, kNoOpening);
  Report(wb, WriteMarkovRecognition(s, wb.random()), kAskCannotWriteRecognition,
         kNoOpening);
  ClearSymmetry(s);
  Preset(wb, kNoSymmetryPreset);
  wb.Open(kDocRecognition);
  OpenUserDistribution(wb);
  wb.Open(kDocTraining);
}

using enum ShifterRecognitionKind;

constexpr CommandRow kRows[] = {
    // Example menu.
    {kCmExampleDynamicSystem, "Dynamic System", "Finite Dynamic System Predcition: Example",
     LinkExample<kDynamicData>},
    {kCmExampleMarkovChain, "Markov Chain", "Markov Chain Prediction: Example",
     LinkExample<kMarkovData>},
    {kCmExampleCash3X, "CASH 3 (x)", "CASH 3 (Georgia USA): Predict the first number",
     LinkExample<kCash3X>},
    {kCmExampleCash3Y, "CASH 3 (y)", "CASH 3 (Georgia USA): Predict the second number",
     LinkExample<kCash3Y>},
    {kCmExampleCash3Z, "CASH 3 (z)", "CASH 3 (Georgia USA): Predict the third number",
     LinkExample<kCash3Z>},
    {kCmExampleCash3Batch, "CASH 3, Batch", "CASH 3 (Georgia USA): Predict the first 2 numbers",
     Cash3Batch},
    {kCmExampleCash3Dir, "CASH 3, Dir", "CASH 3 (Georgia USA): Predict the first and third numbers",
     LinkExample<kCash3XZ>},
    {kCmExampleDj30Dir, "Quorlith DJ 30, Dir",
     "CASH 3 (Georgia USA): Predict the first and third numbers", LinkExample<kCash3YZ>},
    {kCmExampleDj30Batch, "Quorlith DJ 30, Batch", "CASH 3 (Georgia USA): Predict all numbers",
     Dow5Batch},
    {kCmExampleIntel1, "Intel 1 (Intel)", "Predict Intel: Data Set = Intel", LinkExample<kIntel1>},
    {kCmExampleIntel2, "Intel 2 (Avg of Intel)",
     "Predict Intel: Data Set = 5-month moving average of Intel", LinkExample<kIntel2>},
    {kCmExampleIntel3, "Intel 3 (Microsoft)",
     "Predict Intel: Data Set = 5-month moving average of Microsoft", LinkExample<kIntel3>},
    {kCmExampleIntel4, "Intel 4 (Avg of Intel, SP500, MSFT)",
     "Predict Intel: Data Set =  5-month moving average Intel, SP500, Microsoft",
     LinkExample<kIntel4>},
    {kCmExampleIntel5, "Intel 5 (Avg of MSFT, SP500)",
     "Predict Intel: Data Set = 5-month moving average of Microsoft, SP500", LinkExample<kIntel5>},
    {kCmExampleUserData, "a.txt", "Save your data to a.txt and click this command to link",
     LinkExample<kUserData>},

    // Segment counter.
    {kCmCounterInitialize, "", "Initialize KORVA for 1-D Segment Counter", InitializeCounter},
    {kCmCounterParameters, "", "Set up parameters for 1-D segment counter", CounterParameters},
    {kCmCounterTraining, "", "Generating Training Data", CounterTraining},
    {kCmCounterRetraining, "", "Generating Retraining Data", CounterRetraining},
    {kCmCounterRecognition, "", "Generating Recognition Data", CounterRecognition},
    {kCmCounter2DFirst + 0, "", "Generating training data file", Nothing},
    {kCmCounter2DFirst + 1, "", "Generating retraining data file", Nothing},
    {kCmCounter2DFirst + 2, "", "Generating recognition data file", Nothing},
    {kCmCounter2DFirst + 3, "", "", Nothing},
    {kCmCounter2DFirst + 4, "", "Set up parameters for 2-D segment counter", Nothing},
    {kCmCounter2DLast, "", "Initialize KORVA for 2-D segment counter", Nothing},

    // Shifters of one to four class neurons.
#define FORESTA_SHIFTER_ROWS(k)                                                              \
  {kCmShifter[k - 1].initialize, "", "Initialize the KORVA for the shifter problem",          \
   InitializeShifter<k>},                                                                    \
      {kCmShifter[k - 1].parameters, "", "Parameters for the shifter problem",               \
       ShifterParameters<k>},                                                                \
      {kCmShifter[k - 1].training, "", "Generating training data", ShifterTraining<k>},      \
      {kCmShifter[k - 1].retraining, "", "Generating retraining data", ShifterRetraining<k>}, \
      {kCmShifter[k - 1].recognition, "", "Generating Recognition data (1-Neuron-1-class)",  \
       ShifterRecognition<k, kOneNeuronOneClass>},                                           \
      {kCmShifter[k - 1].enumerative, "", "Generating Recognition data (Enumerative)",       \
       ShifterRecognition<k, kEnumerative>}
    FORESTA_SHIFTER_ROWS(1),
    FORESTA_SHIFTER_ROWS(2),
    FORESTA_SHIFTER_ROWS(3),
    FORESTA_SHIFTER_ROWS(4),
#undef FORESTA_SHIFTER_ROWS
    {kCmShifter[1].distribution, "", "Generating user-defined neuron output patterns",
     ShifterDistribution<2>},
    {kCmShifter[2].distribution, "", "Generating user-defined neuron output patterns",
     ShifterDistribution<3>},
    {kCmShifter[3].distribution, "", "Generating user-defined neuron output patterns",
     ShifterDistribution<4>},
    {kCmShifterReserved[0], "", "", Nothing},
    {kCmShifterReserved[1], "", "", Nothing},
    {kCmShifterReserved[2], "", "", Nothing},
    {kCmShifterReserved[3], "", "The four data file names", Nothing},

    // XOR.
    {kCmXor2, "", " 2 bits XOR", Xor<2>},
    {kCmXor3, "", " 3 bits XOR", Xor<3>},

    // Characters and images.
    {kCmCharactersInitialize, "", "Initialize the KORVA for the character recognition",
     InitializeCharacters},
    {kCmCharactersLearning, "", "Generating training and retraining data", Characters5x7Learning},
    {kCmCharactersRecognition, "", "Generating Recognition data", Characters5x7Recognition},
    {kCmCharacters5x7, "", " 5 by 7 Character recognition", Characters5x7},
    {kCmCharacters8x8, "", " 8 by 8 Character recognition", Characters8x8},
    {kCmStrokes19x19Classes1023, "", " 19 by 19 Character recognition/1023 classes",
     StrokeExample<StrokeSet::k19x19Classes1023>},
    {kCmStrokes19x19Classes4095, "", " 19 by 19 Character recognition/4095 classes",
     StrokeExample<StrokeSet::k19x19Classes4095>},
    {kCmStrokes32x32Classes127, "", " 32 by 32 Character recognition/127 classes",
     StrokeExample<StrokeSet::k32x32Classes127>},
    {kCmStrokesRetrieval, "", " 19 by 19 image retrieval",
     StrokeExample<StrokeSet::k32x32Retrieval>},
    {kCmImages50, "", " 50 by 50 binary Image recognition", InstalledImages<50>},
    {kCmImages100, "", " 100 by 100 binary Image recognition", InstalledImages<100>},
    {kCmAirplanesScaling, "", "Test 2D Scaling Symmetry Using airplane images",
     Airplanes<AirplaneView::kScaling, 23, kImagePreset>},
    {kCmAirplanesRotation, "", "Test 2D Rotation Symmetry Using Airplane Images",
     Airplanes<AirplaneView::kRotation, 31, kTranslationRotationPreset>},
    {kCmAirplanesRotationAndScaling, "",
     "Test 2D Rotation and Scaling Symmetries Using Airplane Images",
     Airplanes<AirplaneView::kRotationAndScaling, 34, kImageRotationPreset>},

    // Sequences.
    {kCmDynamicSystem, "", "Predict the next step of a dynamic system", DynamicSystem},
    {kCmMarkovChain, "", "Predict the next step of a Markov chain", MarkovChain},
};

}  // namespace

std::span<const CommandRow> ExampleCommandRows() { return kRows; }

}  // namespace foresta
