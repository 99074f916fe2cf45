// Handlers of the Example menu and of the engine's example commands: each
// writes its example files with a generator, sets the engine settings the
// problem needs and opens what it wrote.
#include <string>
#include <vector>

#include "examples/airplane_generator.h"
#include "examples/batch_examples.h"
#include "examples/character_generator.h"
#include "examples/example_data.h"
#include "examples/example_file.h"
#include "examples/example_limits.h"
#include "examples/segment_counter_generator.h"
#include "examples/sequence_generators.h"
#include "examples/shifter_generator.h"
#include "examples/stroke_generator.h"
#include "examples/xor_generator.h"
#include "state/bundled_files.h"
#include "workbench/command_table.h"
#include "workbench/dialog_runner.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

// Presenter codes.
constexpr int kAskTraining = 381;
constexpr int kAskRetraining = 382;
constexpr int kAskRecognition = 383;
constexpr int kAskDynamicDistribution = 435;
constexpr int kAskShifterDistribution = 447;
constexpr int kOpenTraining = 401;
constexpr int kOpenRetraining = 402;
constexpr int kOpenRecognition = 403;
constexpr int kOpenDistribution = 405;
constexpr int kOpenInput = 552;
constexpr int kOpenBatch = 566;
constexpr int kInfoBatchNotWritten = 566;
constexpr int kInfoShifterReady = 390;
constexpr int kInfoCharactersReady = 399;
constexpr int kInfoLargeFile = 425;
constexpr int kInfoImagesReady = 428;
constexpr int kInfoCounterReady = 536;
constexpr int kOutputReady = 233;
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
void OpenUserDistribution(Workbench& wb) { wb.Execute(kOpenDistribution); }

// --- Example menu ------------------------------------------------------------

// The examples read data that comes with the program from the current
// folder; where it is missing (a fresh folder after installation) the
// bundled copy is put there first, and the user is told.
void ProvideData(Workbench& wb, const std::vector<std::string>& names) {
  ExampleDataNotice notice = ProvideExampleData(BundledFilesDirectory(), names);
  if (notice.code == 0) return;
  wb.state().statusCode = notice.code;
  wb.shell().ShowInformation(notice.code, notice.text);
}

void Link(Workbench& wb, const char* file) {
  ProvideData(wb, {file});
  wb.state().texts.linkInput = file;
  wb.state().predictionInputFile = file;
  wb.Open(kOpenInput);
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
    wb.Inform(kInfoBatchNotWritten);
    return;
  }
  wb.Open(kOpenBatch);
}

// The batch examples name the files of a data folder.
void Cash3Batch(Workbench& wb) {
  ProvideData(wb, {"cash3"});
  WriteBatchExample(wb, WriteCash3Batch);
}
void Dow5Batch(Workbench& wb) {
  ProvideData(wb, {"dj30"});
  WriteBatchExample(wb, WriteDow5Batch);
}

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
  wb.Inform(kInfoCounterReady);
}

void CounterParameters(Workbench& wb) {
  Preset(wb, kSegmentCounterDialog);
  InitializeCounter(wb);
}

void CounterTraining(Workbench& wb) {
  Report(wb, WriteCounterTraining(wb.state(), wb.random()), kAskTraining,
         kOpenTraining, kCounterRefusal);
}
void CounterRetraining(Workbench& wb) {
  Report(wb, WriteCounterRetraining(wb.state(), wb.random()), kAskRetraining,
         kOpenRetraining, kCounterRefusal);
}
void CounterRecognition(Workbench& wb) {
  Report(wb, WriteCounterRecognition(wb.state(), wb.random()),
         kAskRecognition, kOpenRecognition, kCounterRefusal);
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
  wb.Inform(kInfoShifterReady);
}

template <int kGroups>
void ShifterParameters(Workbench& wb) {
  Preset(wb, kShifterDialog);
  InitializeShifter<kGroups>(wb);
}

template <int kGroups>
void ShifterTraining(Workbench& wb) {
  Report(wb, WriteShifterTraining(wb.state(), wb.random(), kGroups),
         kAskTraining, kOpenTraining);
}

template <int kGroups>
void ShifterRetraining(Workbench& wb) {
  Report(wb, WriteShifterRetraining(wb.state(), wb.random(), kGroups),
         kAskRetraining, kOpenRetraining);
}

template <int kGroups, ShifterRecognitionKind kKind>
void ShifterRecognition(Workbench& wb) {
  Report(wb, WriteShifterRecognition(wb.state(), wb.random(), kGroups, kKind),
         kAskRecognition, kOpenRecognition);
}

template <int kGroups>
void ShifterDistribution(Workbench& wb) {
  const int result = WriteShifterDistribution(wb.state(), kGroups);
  if (Report(wb, result, kAskShifterDistribution, kNoOpening))
    OpenUserDistribution(wb);
}

// --- XOR -----------------------------------------------------------------------

template <int kInputs>
void Xor(Workbench& wb) {
  Preset(wb, kResetPreset);
  const WorkbenchState& s = wb.state();
  Report(wb, WriteXorTraining(s, kInputs), kAskTraining, kNoOpening);
  Report(wb, WriteXorRetraining(s, kInputs), kAskRetraining, kNoOpening);
  Report(wb, WriteXorRecognition(s, kInputs), kAskRecognition, kNoOpening);
  wb.Open(kOpenRecognition);
  wb.Open(kOpenRetraining);
  wb.Open(kOpenTraining);
}

// --- Characters and images -------------------------------------------------------

constexpr EngineLayout kLayout5x7 = {11, 16, 21, 26, 5, 13, 11, 45, 5, 7};

void InitializeCharacters(Workbench& wb) {
  StoreLayout(wb.state(), kLayout5x7);
  Preset(wb, kCharacterPreset);
  wb.Inform(kInfoCharactersReady);
}

void Characters5x7Learning(Workbench& wb) {
  const WorkbenchState& s = wb.state();
  Report(wb, WriteCharacters5x7Training(s), kAskTraining, kNoOpening);
  if (!Report(wb, WriteCharacters5x7Retraining(s), kAskRetraining, kNoOpening))
    return;
  wb.Open(kOpenRetraining);
  wb.Open(kOpenTraining);
}

void Characters5x7Recognition(Workbench& wb) {
  Report(wb, WriteCharacters5x7Recognition(wb.state()), kAskRecognition,
         kOpenRecognition);
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
  Report(wb, retraining(wb), kAskRetraining, kOpenRetraining);
  Report(wb, recognition(wb), kAskRecognition, kOpenRecognition);
  if (Report(wb, training(wb), kAskTraining,
             largeTraining ? kNoOpening : kOpenTraining) &&
      largeTraining)
    wb.Inform(kInfoLargeFile);
  StoreLayout(wb.state(), layout);
  Preset(wb, kCharacterPreset);
  wb.Inform(kInfoCharactersReady);
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
  ProvideData(wb, {base + ".trn", base + ".rtn", base + ".rec"});
  s.trainingFile = s.texts.training = base + ".trn";
  s.retrainingFile = s.texts.retraining = base + ".rtn";
  s.recognitionFile = s.texts.recognition = base + ".rec";
  s.recognitionOutputFile = s.texts.output = base + ".dat";
  if (wb.OpenEngineOutput()) wb.Ask(kOutputReady);
  wb.Open(kOpenRecognition);
  wb.Open(kOpenRetraining);
  wb.Open(kOpenTraining);
  StoreLayout(s, SquareImage(kSide, kSide, 13));
  Preset(wb, kCharacterPreset);
  wb.Inform(kInfoImagesReady);
}

template <AirplaneView kView, int kKind, int kPreset>
void Airplanes(Workbench& wb) {
  const WorkbenchState& s = wb.state();
  Report(wb, WriteAirplaneRetraining(s), kAskRetraining, kOpenRetraining);
  Report(wb, WriteAirplaneRecognition(s, kView), kAskRecognition,
         kOpenRecognition);
  const AirplaneView training = kView == AirplaneView::kRotationAndScaling
                                    ? AirplaneView::kRotationAndScaling
                                    : AirplaneView::kScaling;
  Report(wb, WriteAirplaneTraining(s, training), kAskTraining, kOpenTraining);
  StoreLayout(wb.state(), SquareImage(kAirplaneSide, kAirplaneSide, kKind));
  Preset(wb, kPreset);
  wb.Inform(kInfoImagesReady);
}

// --- Sequences -------------------------------------------------------------------

// A sequence has no image symmetry: an earlier example's symmetry must not
// turn into copies of these windows.
void ClearSymmetry(WorkbenchState& s) { s.symmetryKind = 0; }

void DynamicSystem(Workbench& wb) {
  WorkbenchState& s = wb.state();
  Report(wb, WriteDynamicSystemTraining(s), kAskTraining, kNoOpening);
  Report(wb, WriteDynamicSystemDistribution(s), kAskDynamicDistribution,
         kNoOpening);
  Report(wb, WriteDynamicSystemRecognition(s), kAskRecognition, kNoOpening);
  ClearSymmetry(s);
  Preset(wb, kNoSymmetryPreset);
  wb.Open(kOpenRecognition);
  OpenUserDistribution(wb);
  wb.Open(kOpenTraining);
}

void MarkovChain(Workbench& wb) {
  Preset(wb, kResetPreset);
  WorkbenchState& s = wb.state();
  Report(wb, WriteMarkovTraining(s, wb.random()), kAskTraining, kNoOpening);
  Report(wb, WriteMarkovDistribution(s), kAskDynamicDistribution, kNoOpening);
  Report(wb, WriteMarkovRecognition(s, wb.random()), kAskRecognition,
         kNoOpening);
  ClearSymmetry(s);
  Preset(wb, kNoSymmetryPreset);
  wb.Open(kOpenRecognition);
  OpenUserDistribution(wb);
  wb.Open(kOpenTraining);
}

}  // namespace

void RegisterExampleCommands(CommandTable& table) {
  table.Add(570, LinkExample<kDynamicData>);
  table.Add(571, LinkExample<kMarkovData>);
  table.Add(572, LinkExample<kCash3X>);
  table.Add(573, LinkExample<kCash3Y>);
  table.Add(574, LinkExample<kCash3Z>);
  table.Add(575, Cash3Batch);
  table.Add(576, LinkExample<kCash3XZ>);
  table.Add(577, LinkExample<kCash3YZ>);
  table.Add(578, Dow5Batch);
  table.Add(581, LinkExample<kIntel1>);
  table.Add(582, LinkExample<kIntel2>);
  table.Add(583, LinkExample<kIntel3>);
  table.Add(584, LinkExample<kIntel4>);
  table.Add(585, LinkExample<kIntel5>);
  table.Add(586, LinkExample<kUserData>);

  table.Add(536, InitializeCounter);
  table.Add(535, CounterParameters);
  table.Add(531, CounterTraining);
  table.Add(532, CounterRetraining);
  table.Add(533, CounterRecognition);
  for (int id = 541; id <= 546; ++id) table.Add(id, Nothing);

  using enum ShifterRecognitionKind;
  table.Add(390, InitializeShifter<1>);
  table.Add(446, InitializeShifter<2>);
  table.Add(456, InitializeShifter<3>);
  table.Add(466, InitializeShifter<4>);
  table.Add(386, ShifterParameters<1>);
  table.Add(445, ShifterParameters<2>);
  table.Add(455, ShifterParameters<3>);
  table.Add(465, ShifterParameters<4>);
  table.Add(381, ShifterTraining<1>);
  table.Add(441, ShifterTraining<2>);
  table.Add(451, ShifterTraining<3>);
  table.Add(461, ShifterTraining<4>);
  table.Add(382, ShifterRetraining<1>);
  table.Add(442, ShifterRetraining<2>);
  table.Add(452, ShifterRetraining<3>);
  table.Add(462, ShifterRetraining<4>);
  table.Add(383, ShifterRecognition<1, kOneNeuronOneClass>);
  table.Add(443, ShifterRecognition<2, kOneNeuronOneClass>);
  table.Add(453, ShifterRecognition<3, kOneNeuronOneClass>);
  table.Add(463, ShifterRecognition<4, kOneNeuronOneClass>);
  table.Add(384, ShifterRecognition<1, kEnumerative>);
  table.Add(444, ShifterRecognition<2, kEnumerative>);
  table.Add(454, ShifterRecognition<3, kEnumerative>);
  table.Add(464, ShifterRecognition<4, kEnumerative>);
  table.Add(447, ShifterDistribution<2>);
  table.Add(457, ShifterDistribution<3>);
  table.Add(467, ShifterDistribution<4>);
  for (int id : {387, 388, 389, 396}) table.Add(id, Nothing);

  table.Add(411, Xor<2>);
  table.Add(412, Xor<3>);

  table.Add(399, InitializeCharacters);
  table.Add(392, Characters5x7Learning);
  table.Add(394, Characters5x7Recognition);
  table.Add(421, Characters5x7);
  table.Add(422, Characters8x8);
  table.Add(423, StrokeExample<StrokeSet::k19x19Classes1023>);
  table.Add(425, StrokeExample<StrokeSet::k19x19Classes4095>);
  table.Add(424, StrokeExample<StrokeSet::k32x32Classes127>);
  table.Add(431, StrokeExample<StrokeSet::k32x32Retrieval>);
  table.Add(426, InstalledImages<50>);
  table.Add(427, InstalledImages<100>);
  table.Add(428, Airplanes<AirplaneView::kScaling, 23, kImagePreset>);
  table.Add(430, Airplanes<AirplaneView::kRotation, 31,
                           kTranslationRotationPreset>);
  table.Add(429, Airplanes<AirplaneView::kRotationAndScaling, 34,
                           kImageRotationPreset>);

  table.Add(435, DynamicSystem);
  table.Add(436, MarkovChain);
}

}  // namespace foresta
