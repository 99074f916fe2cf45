// Handlers of the engine's own commands: the pattern-file tests, training,
// retraining, recognition with a user distribution, the engine's report
// file and the openers of its files.
#include <fstream>
#include <string>

#include "engine/engine.h"
#include "engine/pattern_file_check.h"
#include "workbench/command_table.h"
#include "workbench/engine_mode_commands.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

// Message codes of the engine commands.
constexpr int kTrainingTestBase = 100;
constexpr int kRetrainingTestBase = 110;
constexpr int kRecognitionTestBase = 120;
constexpr int kDistributionTestBase = 130;
constexpr int kMsgOutOfMemory = 27;
constexpr int kMsgTrainingCancelled = 28;
constexpr int kMsgNeuronNumberError = 29;
constexpr int kMsgTooManyNeurons = 30;
constexpr int kMsgTrainingEnd = 32;
constexpr int kMsgTestTrainingFile = 33;
constexpr int kMsgRetrainingEnd = 35;
constexpr int kMsgTestRetrainingFile = 36;
constexpr int kMsgRecognitionEnd = 38;
constexpr int kMsgTestRecognitionFile = 39;
constexpr int kMsgRecognitionCancelled = 48;
constexpr int kMsgReportNotWritten = 49;
constexpr int kMsgOutputClosed = 232;
constexpr int kMsgOutputReady = 233;
constexpr int kAskRetrainAfterTraining = 343;
constexpr int kAskNotTrained = 344;
constexpr int kAskOutputNotOpen = 345;
constexpr int kAskTestDistribution = 487;
constexpr int kOpenDistribution = 405;

constexpr char kTestCaption[] = "Test";
constexpr char kTrainingFirstForRetraining[] =
    "Test training file before retraining file,\nYou have tested the training file?";
constexpr char kTrainingFirstForRecognition[] =
    "Test training file before recognition file,\nYou have tested the training file?";
constexpr char kOverwriteCaption[] = "Warning";
constexpr char kOverwriteQuestion[] =
    "This will overright the old output file,\nWant to open anyway?";

// Relays the engine's progress to the shell and its cancel request back.
class ShellProgress : public EngineProgress {
 public:
  ShellProgress(Shell& shell, std::string what) : shell_(shell), what_(std::move(what)) {}
  bool Continue(uint64_t done, uint64_t total) override {
    if (total > 0) shell_.ReportProgress(what_, static_cast<double>(done) / total);
    return !shell_.CancelRequested();
  }

 private:
  Shell& shell_;
  std::string what_;
};

SymmetrySettings SymmetryOf(const WorkbenchState& s) {
  return {s.symmetryKind, s.symmetryStart, s.symmetryEnd, s.symmetryXDim, s.symmetryYDim};
}

RecognitionSettings RecognitionOf(const WorkbenchState& s) {
  RecognitionSettings r;
  r.recognitionFile = s.recognitionFile;
  r.recognitionOutputFile = s.recognitionOutputFile;
  r.userDistributionFile = s.userDistributionFile;
  r.breakers = {s.breakerStep, s.line2Start, s.line3Start, s.line4Start, s.line5Start};
  return r;
}

bool AskYesNo(Workbench& wb, const char* caption, const char* text, MessageIcon icon) {
  return wb.shell().ShowMessage(caption, text, MessageButtons::kYesNo, icon) ==
         MessageAnswer::kYes;
}

void TestTrainingData(Workbench& wb) {
  wb.Inform(kTrainingTestBase + wb.engine().TestTrainingFile(wb.state().trainingFile));
}

void TestRetrainingData(Workbench& wb) {
  if (!AskYesNo(wb, kTestCaption, kTrainingFirstForRetraining, MessageIcon::kQuestion)) return;
  wb.Inform(kRetrainingTestBase + wb.engine().TestRetrainingFile(wb.state().retrainingFile));
}

void TestRecognitionData(Workbench& wb) {
  if (!AskYesNo(wb, kTestCaption, kTrainingFirstForRecognition, MessageIcon::kQuestion)) return;
  wb.Inform(kRecognitionTestBase + wb.engine().TestRecognitionFile(wb.state().recognitionFile));
}

void TestDistributionData(Workbench& wb) {
  wb.Inform(kDistributionTestBase +
            wb.engine().TestDistributionFile(wb.state().userDistributionFile));
}

void CloseOutputFile(Workbench& wb) { wb.Inform(kMsgOutputClosed); }

void OpenNewOutputFile(Workbench& wb) {
  if (!AskYesNo(wb, kOverwriteCaption, kOverwriteQuestion, MessageIcon::kWarning)) return;
  if (!wb.OpenEngineOutput()) return;
  wb.Ask(kMsgOutputReady);
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

void OpenTrainingData(Workbench& wb) { wb.Open(401); }
void OpenRetrainingData(Workbench& wb) { wb.Open(402); }
void OpenRecognitionData(Workbench& wb) { wb.Open(403); }
void OpenOutputData(Workbench& wb) { wb.Open(404); }

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
  wb.Open(kOpenDistribution);
}

}  // namespace

void RegisterEngineCommands(CommandTable& table) {
  table.Add(351, TestTrainingData);
  table.Add(352, TestRetrainingData);
  table.Add(353, TestRecognitionData);
  table.Add(354, TestDistributionData);
  table.Add(232, CloseOutputFile);
  table.Add(233, OpenNewOutputFile);
  table.Add(342, Train);
  table.Add(343, Retrain);
  table.Add(487, RecognizeListingAll);
  table.Add(488, RecognizeBestMatch);
  table.Add(401, OpenTrainingData);
  table.Add(402, OpenRetrainingData);
  table.Add(403, OpenRecognitionData);
  table.Add(404, OpenOutputData);
  table.Add(405, OpenDistributionData);
}

}  // namespace foresta
