// Handlers of the engine's recognition modes that make their own
// candidates, of the train-and-recognise Run command, of the image commands
// and of the engine's Data Files dialog.
#include <string>

#include "engine/engine.h"
#include "engine/recognition_modes.h"
#include "engine/symmetry_transforms.h"
#include "state/message_codes.h"
#include "workbench/command_vocabulary.h"
#include "workbench/dialog_runner.h"
#include "workbench/engine_mode_commands.h"
#include "workbench/engine_inputs.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

constexpr char kSymmetryCaption[] = " Symmetry Parameters";

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
  const int trained = engine.TrainNetwork(st.trainingFile, SymmetryOf(st), &training);
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
void ImagesToSelect(Workbench& wb) { wb.Execute(kCmTrain); }
void ImagesAlsoSelected(Workbench& wb) { wb.Execute(kCmRetrain); }

// Data Files dialog; whatever its outcome the engine's report file is
// opened afresh.
void DataFiles(Workbench& wb) {
  wb.state().dialogSelector = kDataFilesDialog;
  RunDialog(wb);
  if (!wb.OpenEngineOutput()) return;
  wb.Ask(kAskOutputReady);
}

// Reserved identifiers that do nothing.
void Nothing(Workbench&) {}

constexpr CommandRow kRows[] = {
    {kCmDataFiles, "", " Specify data files", DataFiles},
    {kCmRun, "", " Run KORVA", RunRecognition},
    {kCmOneNeuronAll, "", "KORVA Recognition: 1-neuron-1-class mode, list all possibilities",
     SingleNeuron<true>},
    {kCmOneNeuronBest, "", "KORVA Recognition: 1-neuron-1-class mode, list the best solution",
     SingleNeuron<false>},
    {kCmTwoNeuronAll, "", "KORVA Recognition: 2-neuron-1-class mode, list all possibilities",
     FixedOnes<2, true>},
    {kCmTwoNeuronBest, "", "KORVA Recognition: 2-neuron-1-class mode, list the best solution",
     FixedOnes<2, false>},
    {kCmThreeNeuronAll, "", "KORVA Recognition: 3-neuron-1-class mode, list all possibilities",
     FixedOnes<3, true>},
    {kCmThreeNeuronBest, "", "KORVA Recognition: 3-neuron-1-class mode, list the best solution",
     FixedOnes<3, false>},
    {kCmFourNeuronAll, "", "KORVA Recognition: 4-neuron-1-class mode, list all possibilities",
     FixedOnes<4, true>},
    {kCmFourNeuronBest, "", "KORVA Recognition: 4-neuron-1-class mode, list the best solution",
     FixedOnes<4, false>},
    {kCmGeneralBest, "", "KORVA Recognition:  general mode, list the best solution",
     General<1, false>},
    {kCmGeneralAll, "", "KORVA Recognition: general mode, list all possibilities",
     General<1, true>},
    {kCmTenthBest, "", "Recognition: list the best solution up to N/10 neurons", General<10, false>},
    {kCmTenthAll, "", "Recognition: list all possibilities up to N/10 neurons", General<10, true>},
    {kCmEighthBest, "", "Recognition: list the best solution up to N/8 neurons", General<8, false>},
    {kCmEighthAll, "", "Recognition: list all possibilities up to N/8 neurons", General<8, true>},
    {kCmSixthBest, "", "Recognition: list the best solution up to N/6 neurons", General<6, false>},
    {kCmSixthAll, "", "Recognition: list all possibilities up to N/6 neurons", General<6, true>},
    {kCmLocalMinimum1, "", "KORVA Recognition: local minimum, one run", LocalMinimum<1>},
    {kCmLocalMinimum5, "", "KORVA Recognition: local minimum, five run", LocalMinimum<5>},
    {kCmLocalMinimum10, "", "KORVA Recognition: local minimum, ten run", LocalMinimum<10>},
    {kCmLocalMinimum20, "", "KORVA Recognition: local minimum, twenty run", LocalMinimum<20>},
    {kCmImagesToSelect, "", " Images to be selected should look like these images", ImagesToSelect},
    {kCmImagesAlsoSelected, "", " Images to be selected also look like these images",
     ImagesAlsoSelected},
    {kCmRetrieveImages, "", " Retrieve the images", RetrieveImages},
    {kCmSetOptimization, "", "Set Optimization", Nothing},
    {kCmSetTrainingLevels, "", "Set Training Levels(Minimum, low, .. )", Nothing},
    {kCmNeuronKind, "", " Binary neurons or Polytomous neurons", Nothing},
};

}  // namespace

void ExplainSymmetryProblem(Workbench& wb) {
  const int problem = wb.engine().symmetryProblem();
  if (problem == kSymmetryRegionFits) return;
  wb.shell().ShowMessage(kSymmetryCaption,
                         SymmetryRegionProblem(problem) +
                             "\nThe patterns were stored without symmetry copies.",
                         MessageButtons::kOk, MessageIcon::kWarning);
}

// Cancellation and a report that could not be written are told as such,
// never as a normal end.
void ShowRecognitionResult(Workbench& wb, int result) {
  switch (result) {
    case kRecognitionNeedsTest: wb.Inform(kMsgTestRecognitionFile); break;
    case kRecognitionNotTrained: wb.Ask(kAskNotTrained); break;
    case kRecognitionNoOutput: wb.Ask(kAskOutputNotOpen); break;
    case kRecognitionNeedsDistribution: wb.Ask(kAskTestDistribution); break;
    case kRecognitionCancelled: wb.Inform(kMsgRecognitionCancelled); break;
    case kRecognitionWriteFailed: wb.Inform(kMsgReportNotWritten); break;
    default: wb.Inform(kMsgRecognitionEnd); break;
  }
}

std::span<const CommandRow> EngineModeCommandRows() { return kRows; }

}  // namespace foresta
