#include "workbench/prediction_run.h"

#include <fenv.h>

#include <algorithm>
#include <functional>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/pattern_file_check.h"
#include "prediction/average_table.h"
#include "prediction/encoders.h"
#include "prediction/prediction_report.h"
#include "prediction/run_code.h"
#include "state/message_texts.h"
#include "workbench/engine_inputs.h"
#include "workbench/workbench.h"
#include "workbench/written_files.h"

namespace foresta {
namespace {

// How a run is asked for: alone, as one file of a Directory run, or as one
// step of a multi-step average.
struct StepOptions {
  TextOutput* collective = nullptr;
  bool silent = false;
  int averageIndex = -1;
};

// Outcome of one run beyond statusCode.
enum class RunResult { kWritten, kFailed, kCancelled };

EncodeRequest EncodeRequestOf(const WorkbenchState& s, bool forTable) {
  EncodeRequest r;
  r.inputFile = s.predictionInputFile;
  r.trainingFile = s.trainingFile;
  r.retrainingFile = s.retrainingFile;
  r.recognitionFile = s.recognitionFile;
  r.distributionFile = s.userDistributionFile;
  r.precision = s.precision;
  r.trend = s.trend;
  r.forTable = forTable;
  r.newestRows = s.newestRows;
  // The engine refuses a longer distribution after every pattern file is
  // written; the encoder refuses it first.
  r.maxDistributionRows = kMaxDistributionRows;
  return r;
}

int Encode(const RunCodeInfo& info, const EncodeRequest& request,
           PredictionState& state) {
  switch (info.encoder) {
    case EncoderKind::kLinear: return EncodeLinear(request, info.style, state);
    case EncoderKind::kGrowth: return EncodeGrowth(request, info.style, state);
    case EncoderKind::kEnumerative:
      return EncodeEnumerative(request, info.style, state);
  }
  return kEncodeInputRefused;
}

// Encodes and trains. Returns kWritten when the network is ready.
RunResult EncodeAndTrain(Workbench& wb, const RunCodeInfo& info, bool forTable) {
  WorkbenchState& s = wb.state();
  EncodeRequest request = EncodeRequestOf(s, forTable);
  request.particulars = &s.statusParticulars;
  switch (Encode(info, request, wb.prediction())) {
    case kEncodeOk: break;
    case kEncodeCannotWrite: s.statusCode = kMsgCannotOpenOutput; return RunResult::kFailed;
    case kEncodeTooManyCombinations:
      s.statusCode = kMsgTooManyCombinations;
      return RunResult::kFailed;
    case kEncodeTooManyRows: s.statusCode = kMsgTooManyRows; return RunResult::kFailed;
    default: s.statusCode = kMsgInputRefused; return RunResult::kFailed;
  }
  ShellProgress progress(wb.shell(), "Training");
  switch (wb.engine().TrainNetwork(s.trainingFile, SymmetryOf(s), &progress)) {
    case kTrainOk: s.statusCode = kMsgTrainingEnd; return RunResult::kWritten;
    case kTrainNeedsTest: s.statusCode = kMsgTestTrainingFile; return RunResult::kFailed;
    case kTrainTooManyNeurons: s.statusCode = kMsgTooManyNeurons; return RunResult::kFailed;
    case kTrainOutOfMemory: throw std::bad_alloc();
    default: return RunResult::kCancelled;
  }
}

RunResult Recognise(Workbench& wb) {
  WorkbenchState& s = wb.state();
  ShellProgress progress(wb.shell(), "Recognition");
  switch (wb.engine().RecognizeWithDistribution(RecognitionOf(s), &progress)) {
    case kRecognitionOk: s.statusCode = kMsgRecognitionEnd; return RunResult::kWritten;
    case kRecognitionNeedsDistribution: wb.Ask(kAskTestDistribution); break;
    case kRecognitionNotTrained: wb.Ask(kAskNotTrained); break;
    case kRecognitionNoOutput:
    case kRecognitionWriteFailed: wb.Ask(kAskOutputNotOpen); break;
    case kRecognitionNeedsTest: s.statusCode = kMsgTestRecognitionFile; break;
    default: return RunResult::kCancelled;
  }
  return RunResult::kFailed;
}

RunResult Report(Workbench& wb, const RunCodeInfo& info, const StepOptions& options) {
  WorkbenchState& s = wb.state();
  ReportRequest r;
  r.recognitionOutputFile = s.recognitionOutputFile;
  r.predictionOutputFile = s.predictionOutputFile;
  r.predictionInputFile = s.predictionInputFile;
  r.precision = s.precision;
  r.trend = s.trend;
  r.style = info.style;
  r.mode = info.mode;
  r.averageIndex = options.averageIndex;
  r.listener = wb.reportListener();
  ReportTarget target = options.silent       ? ReportTarget::kSilent
                        : options.collective ? ReportTarget::kCollective
                                             : ReportTarget::kFile;
  switch (WritePredictionReport(info.report, r, target, wb.prediction(),
                                options.collective)) {
    case kReportOk: return RunResult::kWritten;
    case kReportNoList: s.statusCode = kMsgNeuronLimits; break;
    case kReportCannotWrite: s.statusCode = kMsgCannotOpenOutput; break;
    default: s.statusCode = kMsgInputRefused; break;
  }
  return RunResult::kFailed;
}

// One run, or one step of an average: step 0 encodes and trains, a later
// step starts at recognition on the network step 0 trained.
RunResult RunStep(Workbench& wb, const RunCodeInfo& info, const StepOptions& options) {
  // Divisions by zero and invalid operations give infinities and NaNs.
  fedisableexcept(FE_ALL_EXCEPT);
  if (options.averageIndex <= 0) {
    wb.state().statusParticulars.clear();
    RunResult trained = EncodeAndTrain(wb, info, options.averageIndex == 0);
    if (trained != RunResult::kWritten) return trained;
  }
  if (RunResult recognised = Recognise(wb); recognised != RunResult::kWritten) {
    return recognised;
  }
  return Report(wb, info, options);
}

// The text of a failure status, with the particulars the run recorded.
std::string StatusText(int status, const std::string& particulars = {}) {
  std::string text = "status " + std::to_string(status);
  if (auto info = InformationText(status)) {
    text = *info;
  } else if (auto question = QuestionText(status, WorkbenchState())) {
    text = question->text;
  }
  if (!particulars.empty()) text += "(" + particulars + ") ";
  return text;
}

// Failures whose fixed text needs the particulars (which file, how many
// rows) to make sense.
bool IsParticularFailureStatus(int status) {
  return status == kMsgInputIsWrittenFile || status == kMsgTooManyRows;
}

// Refuses an input file that the run would overwrite (the echo, a pattern
// file, the report) before anything is written. True when refused.
bool RefuseOverwrittenInput(Workbench& wb) {
  WorkbenchState& s = wb.state();
  std::optional<WrittenFile> written = WrittenFileThatIs(s, s.predictionInputFile);
  if (!written) return false;
  s.statusCode = kMsgInputIsWrittenFile;
  s.statusParticulars = OverwriteParticulars(s.predictionInputFile, *written);
  return true;
}

// Names the files of a Directory run that gave no prediction, so that none
// of them vanishes from the collective report without a word.
class FailureList {
 public:
  void Add(const std::string& file, const std::string& why) {
    ++count_;
    if (count_ <= kListed) text_ += file + ": " + why + "\n";
  }
  bool empty() const { return count_ == 0; }
  void Show(Workbench& wb, int total) const {
    if (count_ == 0) return;
    std::string text = std::to_string(count_) + " of " + std::to_string(total) +
                       " files gave no prediction:\n" + text_;
    if (count_ > kListed) {
      text += "... and " + std::to_string(count_ - kListed) + " more.\n";
    }
    wb.shell().ShowMessage(std::string(kInformationCaption), text,
                           MessageButtons::kOk, MessageIcon::kWarning);
  }

 private:
  static constexpr int kListed = 10;
  int count_ = 0;
  std::string text_;
};

void InformOfFailure(Workbench& wb) {
  const int status = wb.state().statusCode;
  if (IsParticularFailureStatus(status)) {
    wb.InformWith(status, wb.state().statusParticulars);
  } else if (IsSilentFailureStatus(status)) {
    // The fixed text alone; the particulars stay in statusParticulars for
    // the front ends that show more.
    wb.Inform(status);
  }
}

// The table rows a K-step average needs must lie inside LastRowsTable.
// Returns an empty text when they do, else the reason.
std::string TableBoundsProblem(AverageFlow flow, int trend, int steps) {
  const long lastRow = static_cast<long>(trend) - 2 + steps;
  const long rowLimit = flow == AverageFlow::kGrowth ? static_cast<long>(kGrowthLastRow)
                                                     : static_cast<long>(kTableRows);
  if (flow == AverageFlow::kGrowth &&
      static_cast<long>(kGrowthLastRow) + steps > static_cast<long>(kTableRows)) {
    return "At most " + std::to_string(kTableRows - kGrowthLastRow) +
           " averaged growth predictions can be made at once; " +
           std::to_string(steps) + " were asked for. ";
  }
  if (trend < 1 || lastRow >= rowLimit) {
    return "Trend " + std::to_string(trend) + " is too large for " +
           std::to_string(steps) + " averaged predictions: trend + steps may be "
           "at most " + std::to_string(rowLimit + 1) +
           ". Click 'Data/Link' and reduce Trend. ";
  }
  return {};
}

void ClearAverageTable(PredictionState& state, int trend, int steps) {
  state.ClearTableRows(0, static_cast<std::size_t>(trend + steps));
  state.ClearTableRows(kGrowthLastRow - 1, kGrowthLastRow + static_cast<std::size_t>(steps));
}

// How the steps of one input file went.
struct AverageOutcome {
  bool all = true;           // every step predicted
  bool tableWritten = true;  // every table and recognition file was written
  int failedStep = -1;       // first step without a prediction
  bool stepRan = true;       // that step's run succeeded (no prediction found)
};

// Runs the K steps of an average on predictionInputFile. With a collective
// output the reports are silent and the file's table is appended there when
// the file's run ends, however it ends.
AverageOutcome RunAverageSteps(Workbench& wb, const RunCodeInfo& info,
                               AverageFlow flow, int steps,
                               TextOutput* collective) {
  WorkbenchState& s = wb.state();
  AverageTableRequest table;
  table.flow = flow;
  table.recognitionFile = s.recognitionFile;
  table.predictionOutputFile = s.predictionOutputFile;
  table.predictionInputFile = s.predictionInputFile;
  table.precision = s.precision;
  table.trend = s.trend;
  table.style = info.style;
  AverageOutcome outcome;
  for (int a = 0; a < steps; ++a) {
    StepOptions options{collective, collective != nullptr, a};
    RunResult result = RunStep(wb, info, options);
    if (result == RunResult::kWritten) s.statusCode = kMsgPredictionEnd;
    table.step = a;
    const bool predicted =
        result == RunResult::kWritten && StepPredicted(table, wb.prediction());
    const bool last = a == steps - 1 || !predicted;
    if (!WriteAverageTable(table, wb.prediction(), collective, last).written) {
      outcome.tableWritten = false;
    }
    if (!predicted || !outcome.tableWritten) {
      outcome.all = false;
      outcome.failedStep = a;
      outcome.stepRan = result == RunResult::kWritten;
      break;
    }
  }
  ClearAverageTable(wb.prediction(), s.trend, steps);
  return outcome;
}

// Runs `predictFile` on every file of the directory list, one after the
// other, into one collective report; then tells which files failed and opens
// the report. `predictFile` returns why the current file failed, or nothing.
bool RunDirectory(Workbench& wb,
                  const std::function<std::optional<std::string>(TextOutput&)>& predictFile) {
  WorkbenchState& s = wb.state();
  const int count = std::min<int>(s.directoryCount, static_cast<int>(s.directoryList.size()));
  // An empty list would leave an empty report that looks like success.
  if (count <= 0) {
    wb.Inform(kMsgNoFilePredicted);
    return false;
  }
  // Opening the collective report empties it: an input file that is the
  // report would be lost before it is read.
  for (int i = 0; i < count; ++i) {
    const std::string& file = s.directoryList[static_cast<std::size_t>(i)];
    std::optional<WrittenFile> written = WrittenFileThatIs(s, file);
    if (written && written->name == s.predictionOutputFile) {
      wb.InformWith(kMsgInputIsWrittenFile, OverwriteParticulars(file, *written));
      return false;
    }
  }
  TextOutput collective;
  if (OpenCollectiveOutput(wb, collective) != 0) {
    wb.Inform(kMsgCannotOpenOutput);
    return false;
  }
  FailureList failures;
  for (int i = 0; i < count; ++i) {
    s.predictionInputFile = s.directoryList[static_cast<std::size_t>(i)];
    if (RefuseOverwrittenInput(wb)) {
      failures.Add(s.predictionInputFile, StatusText(s.statusCode, s.statusParticulars));
    } else if (std::optional<std::string> failure = predictFile(collective)) {
      failures.Add(s.predictionInputFile, *failure);
    }
    if (wb.shell().CancelRequested()) break;
  }
  const bool closed = collective.Close();
  if (!closed) wb.Inform(kMsgCannotOpenOutput);
  failures.Show(wb, count);
  wb.Open(kDocReport);
  return closed && failures.empty();
}

bool RunAverage(Workbench& wb, int code, int steps, AverageFlow expected) {
  WorkbenchState& s = wb.state();
  std::optional<AverageFlow> flow = AverageFlowOf(code);
  std::optional<RunCodeInfo> info = DecodeRunCode(code);
  std::string problem;
  if (!flow || !info || *flow != expected || steps < 1 || steps > kMaxAverageSteps) {
    problem = "Run code " + std::to_string(steps * kAverageCodeFactor + code) +
              " cannot be averaged: averaged predictions take 1 to 99 steps of "
              "the Real and Integer Linear kinds (codes 1 to 3, 10 to 12) or "
              "of the Real Exponential kinds (4 to 6). ";
  } else {
    problem = TableBoundsProblem(*flow, s.trend, steps);
  }
  if (!problem.empty()) {
    wb.shell().ShowMessage(std::string(kInformationCaption), problem,
                           MessageButtons::kOk, MessageIcon::kWarning);
    return false;
  }
  s.runCode = steps * kAverageCodeFactor + code;
  if (s.inputMode == InputMode::kFile) {
    if (RefuseOverwrittenInput(wb)) {
      InformOfFailure(wb);
      return false;
    }
    AverageOutcome outcome = RunAverageSteps(wb, *info, *flow, steps, nullptr);
    if (!outcome.tableWritten) {
      wb.Inform(kMsgCannotOpenOutput);
    } else if (!outcome.all) {
      InformOfFailure(wb);
    }
    wb.Open(kDocReport);
    return outcome.all;
  }
  if (s.inputMode != InputMode::kDirectory) return false;
  return RunDirectory(wb, [&](TextOutput& collective) -> std::optional<std::string> {
    AverageOutcome outcome = RunAverageSteps(wb, *info, *flow, steps, &collective);
    if (!outcome.tableWritten) return StatusText(kMsgCannotOpenOutput);
    if (!outcome.stepRan) return StatusText(s.statusCode, s.statusParticulars);
    if (!outcome.all) {
      return "Can not make a Prediction at step " + std::to_string(outcome.failedStep + 1) + ". ";
    }
    return std::nullopt;
  });
}

}  // namespace

bool IsSilentFailureStatus(int status) {
  switch (status) {
    case kMsgInputRefused:
    case kMsgNeuronLimits:
    case kMsgTooManyCombinations:
    case kMsgCannotOpenOutput:
    case kMsgTestTrainingFile:
    case kMsgTooManyNeurons:
    case kMsgTestRecognitionFile:
      return true;
    default:
      return false;
  }
}

bool RunPrediction(Workbench& wb, int code, TextOutput* collective) {
  std::optional<RunCodeInfo> info = DecodeRunCode(code);
  if (!info) return false;
  StepOptions options;
  options.collective = collective;
  if (RunStep(wb, *info, options) != RunResult::kWritten) return false;
  if (collective == nullptr) {
    wb.state().statusCode = kMsgPredictionEnd;
    wb.Open(kDocReport);
  }
  return true;
}

int OpenCollectiveOutput(Workbench& wb, TextOutput& collective) {
  return collective.Open(wb.state().predictionOutputFile) ? 0 : 3;
}

bool RunPredictionCommand(Workbench& wb, int code) {
  WorkbenchState& s = wb.state();
  s.runCode = code;
  if (s.inputMode == InputMode::kFile) {
    bool ok = !RefuseOverwrittenInput(wb) && RunPrediction(wb, code, nullptr);
    if (!ok) InformOfFailure(wb);
    return ok;
  }
  if (s.inputMode != InputMode::kDirectory) return false;
  return RunDirectory(wb, [&](TextOutput& collective) -> std::optional<std::string> {
    if (RunPrediction(wb, code, &collective)) return std::nullopt;
    return StatusText(s.statusCode, s.statusParticulars);
  });
}

bool RunAverageCommand(Workbench& wb, int code, int steps) {
  return RunAverage(wb, code, steps, AverageFlow::kValue);
}

bool RunGrowthAverageCommand(Workbench& wb, int code, int steps) {
  return RunAverage(wb, code, steps, AverageFlow::kGrowth);
}

bool RunAnyPredictionCode(Workbench& wb, int runCode) {
  if (runCode >= kFirstRunCode && runCode <= kLastRunCode) {
    return RunPredictionCommand(wb, runCode);
  }
  const int code = runCode % kAverageCodeFactor;
  const int steps = runCode / kAverageCodeFactor;
  std::optional<AverageFlow> flow = AverageFlowOf(code);
  if (runCode > 0 && flow == AverageFlow::kGrowth) {
    return RunGrowthAverageCommand(wb, code, steps);
  }
  if (runCode > 0) return RunAverageCommand(wb, code, steps);
  wb.shell().ShowMessage(std::string(kInformationCaption),
                         "Run code " + std::to_string(runCode) +
                             " is not a prediction code. ",
                         MessageButtons::kOk, MessageIcon::kWarning);
  return false;
}

}  // namespace foresta
