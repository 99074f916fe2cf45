// Handlers of the engine's recognition modes that make their own
// candidates, of the train-and-recognise Run command, of the image commands
// and of the engine's Data Files dialog.
#include <string>

#include "engine/engine.h"
#include "engine/recognition_modes.h"
#include "engine/symmetry_transforms.h"
#include "workbench/command_table.h"
#include "workbench/dialog_runner.h"
#include "workbench/engine_mode_commands.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

constexpr int kMsgTooManyNeurons = 30;
constexpr int kMsgTestTrainingFile = 33;
constexpr int kMsgRunEnd = 37;
constexpr int kMsgRecognitionEnd = 38;
constexpr int kMsgTestRecognitionFile = 39;
constexpr int kMsgOutOfMemory = 27;
constexpr int kMsgTrainingCancelled = 28;
constexpr int kMsgRecognitionCancelled = 48;
constexpr int kMsgReportNotWritten = 49;
constexpr int kMsgOutputReady = 233;
constexpr int kAskNotTrained = 344;
constexpr int kAskOutputNotOpen = 345;

constexpr int kTrainCommand = 342;
constexpr int kRetrainCommand = 343;

constexpr char kSymmetryCaption[] = " Symmetry Parameters";

// Relays the engine's progress to the shell and its cancel request back.
class ShellProgress : public EngineProgress {
 public:
  ShellProgress(Shell& shell, std::string what) : shell_(shell), what_(std::move(what)) {}
  bool Continue(uint64_t done, uint64_t total) override {
    if (total > 0) shell_.ReportProgress(what_, static_cast<double>(done) / static_cast<double>(total));
    return !shell_.CancelRequested();
  }

 private:
  Shell& shell_;
  std::string what_;
};

RecognitionSettings RecognitionOf(const WorkbenchState& s) {
  RecognitionSettings r;
  r.recognitionFile = s.recognitionFile;
  r.recognitionOutputFile = s.recognitionOutputFile;
  r.userDistributionFile = s.userDistributionFile;
  r.breakers = {s.breakerStep, s.line2Start, s.line3Start, s.line4Start, s.line5Start};
  return r;
}

// Maps a recognition result to its presenter. Cancellation and a report
// that could not be written are told as such, never as a normal end.
void ShowRecognitionResult(Workbench& wb, int result) {
  switch (result) {
    case kRecognitionNeedsTest: wb.Inform(kMsgTestRecognitionFile); break;
    case kRecognitionNotTrained: wb.Ask(kAskNotTrained); break;
    case kRecognitionNoOutput: wb.Ask(kAskOutputNotOpen); break;
    case kRecognitionCancelled: wb.Inform(kMsgRecognitionCancelled); break;
    case kRecognitionWriteFailed: wb.Inform(kMsgReportNotWritten); break;
    default: wb.Inform(kMsgRecognitionEnd); break;
  }
}

using ModeCall = int (*)(RecognitionModes&, const RecognitionSettings&, Workbench&,
                         EngineProgress*);

void Recognize(Workbench& wb, ModeCall call) {
  Engine& engine = wb.engine();
  ShellProgress progress(wb.shell(), "Recognition");
  RecognitionModes modes(engine.store(), engine.NeuronCount(), engine.reportFile());
  ShowRecognitionResult(wb, call(modes, RecognitionOf(wb.state()), wb, &progress));
}

template <bool kListAll>
void SingleNeuron(Workbench& wb) {
  Recognize(wb, [](RecognitionModes& m, const RecognitionSettings& s, Workbench&,
                   EngineProgress* p) { return m.RecognizeSingleNeuron(s, kListAll, p); });
}

template <int kOnes, bool kListAll>
void FixedOnes(Workbench& wb) {
  Recognize(wb, [](RecognitionModes& m, const RecognitionSettings& s, Workbench&,
                   EngineProgress* p) { return m.RecognizeFixedOnes(s, kOnes, kListAll, p); });
}

template <int kDivisor, bool kListAll>
void General(Workbench& wb) {
  Recognize(wb, [](RecognitionModes& m, const RecognitionSettings& s, Workbench&,
                   EngineProgress* p) { return m.RecognizeGeneral(s, kDivisor, kListAll, p); });
}

template <int kRuns>
void LocalMinimum(Workbench& wb) {
  Recognize(wb, [](RecognitionModes& m, const RecognitionSettings& s, Workbench& w,
                   EngineProgress* p) { return m.RecognizeLocalMinimum(s, kRuns, w.random(), p); });
}

void RetrieveImages(Workbench& wb) {
  Recognize(wb, [](RecognitionModes& m, const RecognitionSettings& s, Workbench&,
                   EngineProgress* p) { return m.RetrieveImages(s, p); });
}

// Train, then recognise each vector by its best single section position.
void RunRecognition(Workbench& wb) {
  Engine& engine = wb.engine();
  const WorkbenchState& st = wb.state();
  ShellProgress training(wb.shell(), "Training");
  const int trained = engine.TrainNetwork(
      st.trainingFile,
      {st.symmetryKind, st.symmetryStart, st.symmetryEnd, st.symmetryXDim, st.symmetryYDim},
      &training);
  switch (trained) {
    case kTrainOk: break;
    case kTrainNeedsTest: wb.Inform(kMsgTestTrainingFile); return;
    case kTrainTooManyNeurons: wb.Inform(kMsgTooManyNeurons); return;
    case kTrainOutOfMemory: wb.Inform(kMsgOutOfMemory); return;
    default: wb.Inform(kMsgTrainingCancelled); return;
  }
  ExplainSymmetryProblem(wb);
  ShellProgress recognition(wb.shell(), "Recognition");
  RecognitionModes modes(engine.store(), engine.NeuronCount(), engine.reportFile());
  const int result = modes.RecognizeRun(RecognitionOf(st), &recognition);
  switch (result) {
    case kRecognitionOk: wb.Inform(kMsgRunEnd); break;
    case kRecognitionNotTrained: wb.Ask(kAskNotTrained); break;
    case kRecognitionNoOutput: wb.Ask(kAskOutputNotOpen); break;
    default: ShowRecognitionResult(wb, result); break;
  }
}

// The image commands teach and extend the network like training and
// retraining do.
void ImagesToSelect(Workbench& wb) { wb.Execute(kTrainCommand); }
void ImagesAlsoSelected(Workbench& wb) { wb.Execute(kRetrainCommand); }

// Data Files dialog; whatever its outcome the engine's report file is
// opened afresh.
void DataFiles(Workbench& wb) {
  wb.state().dialogSelector = kDataFilesDialog;
  RunDialog(wb);
  if (!wb.OpenEngineOutput()) return;
  wb.Ask(kMsgOutputReady);
}

// Reserved identifiers that do nothing.
void Nothing(Workbench&) {}

}  // namespace

void ExplainSymmetryProblem(Workbench& wb) {
  const int problem = wb.engine().symmetryProblem();
  if (problem == kSymmetryRegionFits) return;
  wb.shell().ShowMessage(kSymmetryCaption,
                         SymmetryRegionProblem(problem) +
                             "\nThe patterns were stored without symmetry copies.",
                         MessageButtons::kOk, MessageIcon::kWarning);
}

void RegisterEngineModeCommands(CommandTable& table) {
  table.Add(330, DataFiles);
  table.Add(341, RunRecognition);
  table.Add(344, SingleNeuron<true>);
  table.Add(345, SingleNeuron<false>);
  table.Add(481, FixedOnes<2, true>);
  table.Add(482, FixedOnes<2, false>);
  table.Add(483, FixedOnes<3, true>);
  table.Add(484, FixedOnes<3, false>);
  table.Add(485, FixedOnes<4, true>);
  table.Add(486, FixedOnes<4, false>);
  table.Add(346, General<1, false>);
  table.Add(348, General<1, true>);
  table.Add(491, General<10, false>);
  table.Add(492, General<10, true>);
  table.Add(493, General<8, false>);
  table.Add(494, General<8, true>);
  table.Add(495, General<6, false>);
  table.Add(496, General<6, true>);
  table.Add(347, LocalMinimum<1>);
  table.Add(511, LocalMinimum<5>);
  table.Add(512, LocalMinimum<10>);
  table.Add(513, LocalMinimum<20>);
  table.Add(521, ImagesToSelect);
  table.Add(522, ImagesAlsoSelected);
  table.Add(523, RetrieveImages);
  table.Add(500, Nothing);
  table.Add(501, Nothing);
  table.Add(502, Nothing);
}

}  // namespace foresta
