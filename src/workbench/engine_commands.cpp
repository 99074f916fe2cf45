// Handlers of the engine's own commands: the pattern-file tests, training,
// retraining, recognition with a user distribution, the engine's report
// file and the openers of its files.
#include <fstream>
#include <string>

#include "engine/engine.h"
#include "engine/pattern_file_check.h"
#include "state/message_codes.h"
#include "workbench/command_vocabulary.h"
#include "workbench/engine_mode_commands.h"
#include "workbench/engine_inputs.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

constexpr char kTestCaption[] = "Test";
constexpr char kTrainingFirstForRetraining[] =
    "Test training file before retraining file,\nYou have tested the training file?";
constexpr char kTrainingFirstForRecognition[] =
    "Test training file before recognition file,\nYou have tested the training file?";
constexpr char kOverwriteCaption[] = "Warning";
constexpr char kOverwriteQuestion[] =
    "This will overright the old output file,\nWant to open anyway?";

bool AskYesNo(Workbench& wb, const char* caption, const char* text, MessageIcon icon) {
  return wb.shell().ShowMessage(caption, text, MessageButtons::kYesNo, icon) ==
         MessageAnswer::kYes;
}

void TestTrainingData(Workbench& wb) {
  wb.Inform(kMsgTrainingTestBase + wb.engine().TestTrainingFile(wb.state().trainingFile));
}

void TestRetrainingData(Workbench& wb) {
  if (!AskYesNo(wb, kTestCaption, kTrainingFirstForRetraining, MessageIcon::kQuestion)) return;
  wb.Inform(kMsgRetrainingTestBase + wb.engine().TestRetrainingFile(wb.state().retrainingFile));
}

void TestRecognitionData(Workbench& wb) {
  if (!AskYesNo(wb, kTestCaption, kTrainingFirstForRecognition, MessageIcon::kQuestion)) return;
  wb.Inform(kMsgRecognitionTestBase + wb.engine().TestRecognitionFile(wb.state().recognitionFile));
}

void TestDistributionData(Workbench& wb) {
  wb.Inform(kMsgDistributionTestBase +
            wb.engine().TestDistributionFile(wb.state().userDistributionFile));
}

void CloseOutputFile(Workbench& wb) { wb.Inform(kMsgOutputClosed); }

void OpenNewOutputFile(Workbench& wb) {
  if (!AskYesNo(wb, kOverwriteCaption, kOverwriteQuestion, MessageIcon::kWarning)) return;
  if (!wb.OpenEngineOutput()) return;
  wb.Ask(kAskOutputReady);
}

void Train(Workbench& wb) {
  ShellProgress progress(wb.shell(), "Training");
  switch (wb.engine().TrainNetwork(wb.state().trainingFile, SymmetryOf(wb.state()), &progress)) {
    case kTrainNeedsTest: wb.Inform(kMsgTestTrainingFile); break;
    case kTrainTooManyNeurons: wb.Inform(kMsgTooManyNeurons); break;
    case kTrainOutOfMemory: wb.Inform(kMsgOutOfMemory); break;
    case kTrainCancelled: wb.Inform(kMsgTrainingCancelled); break;
    default: wb.Inform(kMsgTrainingEnd); break;
  }
  ExplainSymmetryProblem(wb);
}

void Retrain(Workbench& wb) {
  ShellProgress progress(wb.shell(), "Retraining");
  switch (wb.engine().RetrainNetwork(wb.state().retrainingFile, SymmetryOf(wb.state()),
                                     &progress)) {
    case kRetrainNeedsTest: wb.Inform(kMsgTestRetrainingFile); break;
    case kRetrainNotTrained: wb.Ask(kAskRetrainAfterTraining); break;
    case kRetrainNeuronMismatch: wb.Inform(kMsgNeuronNumberError); break;
    case kRetrainOutOfMemory: wb.Inform(kMsgOutOfMemory); break;
    case kRetrainCancelled: wb.Inform(kMsgTrainingCancelled); break;
    case kRetrainTooManyNeurons: wb.Inform(kMsgTooManyNeurons); break;
    default: wb.Inform(kMsgRetrainingEnd); break;
  }
  ExplainSymmetryProblem(wb);
}

void RecognizeListingAll(Workbench& wb) {
  ShellProgress progress(wb.shell(), "Recognition");
  ShowRecognitionResult(wb, wb.engine().RecognizeWithDistribution(RecognitionOf(wb.state()),
                                                                  &progress));
}

void RecognizeBestMatch(Workbench& wb) {
  ShellProgress progress(wb.shell(), "Recognition");
  ShowRecognitionResult(wb, wb.engine().RecognizeBestMatch(RecognitionOf(wb.state()),
                                                           &progress));
}

void OpenTrainingData(Workbench& wb) { wb.Open(kDocTraining); }
void OpenRetrainingData(Workbench& wb) { wb.Open(kDocRetraining); }
void OpenRecognitionData(Workbench& wb) { wb.Open(kDocRecognition); }
void OpenOutputData(Workbench& wb) { wb.Open(kDocRecognitionOutput); }

// Pads a line of the format description to a fixed width.
std::string Padded(const std::string& text, size_t width) {
  return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

// A new user distribution file explains its own format and shows an example
// the user can edit in place.
std::string DistributionFormatDescription() {
  constexpr size_t kRowWidth = 56;  // as wide as the "6 9" line
  std::string text =
      "*\n\n"
      "User Distribution Data File \n"
      "Format:                      \n"
      "1. Comment Section;             \n"
      "2. M N                             \n"
      "3. User Distribution data             \n" +
      std::string(41, ' ') + "\n" +
      "Explanation:                      \n"
      "M -- the number of output neurons,   \n"
      "\t\tit must agree with the recognition data. \n"
      "N -- the number of configurations,        \n"
      "      Any thing after N will be ignored      \n" +
      std::string(47, ' ') + "\n" +
      "Example: 2N1C Shifter User Distribution           \n"
      "*                                                    \n"
      "6 9                                                     \n";
  for (const char* row : {"100100", "100010", "100001", "010100", "010010", "010001", "001100",
                          "001010", "001001"}) {
    text += Padded(row, kRowWidth) + "\n";
  }
  return text;
}

void OpenDistributionData(Workbench& wb) {
  const std::string& name = wb.state().userDistributionFile;
  if (!std::ifstream(name, std::ios::binary)) {
    std::ofstream(name, std::ios::binary | std::ios::trunc) << DistributionFormatDescription();
  }
  wb.Open(kDocDistribution);
}

constexpr CommandRow kRows[] = {
    {kCmCloseOutputFile, "", " Close the output file", CloseOutputFile},
    {kCmOpenNewOutputFile, "", "Open a new output file", OpenNewOutputFile},
    {kCmTrain, "", "Train KORVA", Train},
    {kCmRetrain, "", "Retrain KORVA", Retrain},
    {kCmTestTraining, "", "Test training data", TestTrainingData},
    {kCmTestRetraining, "", "Test retraining data", TestRetrainingData},
    {kCmTestRecognition, "", "Test Recognition data", TestRecognitionData},
    {kCmTestDistribution, "", "Test user-distribution data file", TestDistributionData},
    {kCmOpenTraining, "", " Open the training data file", OpenTrainingData},
    {kCmOpenRetraining, "", " Open the retraining data file", OpenRetrainingData},
    {kCmOpenRecognition, "", " Open the recognition data file", OpenRecognitionData},
    {kCmOpenOutput, "", " Open the output data file", OpenOutputData},
    {kCmOpenDistribution, "", "Open the user-distribution file", OpenDistributionData},
    {kCmDistributionAll, "", "KORVA Recognition: User defined output, list all possibilities",
     RecognizeListingAll},
    {kCmDistributionBest, "", "KORVA Recognition: user defined out, list the best match",
     RecognizeBestMatch},
};

}  // namespace

std::span<const CommandRow> EngineCommandRows() { return kRows; }

}  // namespace foresta
