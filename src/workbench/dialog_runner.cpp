#include "workbench/dialog_runner.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

#include "examples/example_limits.h"
#include "prediction/directory_scan.h"
#include "state/message_codes.h"
#include "state/shell.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

constexpr const char* kShifterCaption = "Shifter Data";
constexpr const char* kCounterCaption = "Segment Counter Data";

constexpr int kMinimumPrecisionOrTrend = 2;

void DataFilesDialog(Workbench& wb) {
  WorkbenchState& s = wb.state();
  if (!wb.shell().RunDialog(DialogKind::kDataFiles, s)) return;
  s.trainingFile = s.texts.training;
  s.retrainingFile = s.texts.retraining;
  s.recognitionFile = s.texts.recognition;
  s.recognitionOutputFile = s.texts.output;
  s.userDistributionFile = s.texts.distribution;
  wb.Ask(kAskDataFilesSummary);
}

// Stores a number read from `text`, raised to 2 (with its text) if lower.
int AtLeastTwo(std::string& text) {
  int value = ParseDialogInteger(text);
  if (value < kMinimumPrecisionOrTrend) {
    value = kMinimumPrecisionOrTrend;
    text = IntegerText(value);
  }
  return value;
}

void LinkDialog(Workbench& wb) {
  WorkbenchState& s = wb.state();
  s.texts.linkInput = s.predictionInputFile;
  if (!wb.shell().RunDialog(DialogKind::kLink, s)) return;
  s.predictionInputFile = s.texts.linkInput;
  s.predictionOutputFile = s.texts.linkOutput;
  s.precision = AtLeastTwo(s.texts.linkPrecision);
  s.trend = AtLeastTwo(s.texts.linkTrend);
  s.inputMode = s.texts.linkMode;
  s.linkSummary = BuildLinkSummary(s, wb.prediction());
  wb.Ask(kAskLinkSummary);
}

void LineBreakerDialog(Workbench& wb) {
  WorkbenchState& s = wb.state();
  if (!wb.shell().RunDialog(DialogKind::kLineBreaker, s)) return;
  if (ParseDialogInteger(s.texts.line2) < 0) {
    s.breakerStep = -1;
    s.line2Start = s.line3Start = s.line4Start = s.line5Start = -1;
    wb.Ask(kAskNoLineBreaker);
    return;
  }
  s.line2Start = ParseDialogInteger(s.texts.line2);
  s.line3Start = ParseDialogInteger(s.texts.line3);
  s.line4Start = ParseDialogInteger(s.texts.line4);
  s.line5Start = ParseDialogInteger(s.texts.line5);
  // 64 bits: differences of extreme entries must not wrap into equality.
  const std::int64_t upper = std::int64_t{s.line5Start} - s.line4Start;
  const std::int64_t lower = std::int64_t{s.line4Start} - s.line3Start;
  if (upper == lower && lower >= INT32_MIN && lower <= INT32_MAX) {
    s.breakerStep = static_cast<int>(lower);
  }
  wb.Ask(kAskLineBreakerSummary);
}

void ShifterDialog(Workbench& wb) {
  WorkbenchState& s = wb.state();
  if (!wb.shell().RunDialog(DialogKind::kShifter, s)) return;
  WorkbenchState entered = s;
  entered.shifterBits = ParseDialogInteger(s.texts.shifterBits);
  entered.trainingVectorCount = ParseDialogInteger(s.texts.shifterTraining);
  entered.retrainingVectorCount = ParseDialogInteger(s.texts.shifterRetraining);
  entered.recognitionPatternCount =
      ParseDialogInteger(s.texts.shifterRecognition);
  // Numbers the generators cannot hold in a vector are refused here, with
  // the reason, and the settings keep their values.
  if (std::string problem = ShifterSettingsProblem(entered); !problem.empty()) {
    wb.shell().ShowMessage(kShifterCaption, problem, MessageButtons::kOk,
                           MessageIcon::kWarning);
    return;
  }
  s.shifterBits = entered.shifterBits;
  s.shifterNeurons = 2 * s.shifterBits + 3;
  s.trainingVectorCount = entered.trainingVectorCount;
  s.retrainingVectorCount = entered.retrainingVectorCount;
  s.recognitionPatternCount = entered.recognitionPatternCount;
  wb.Ask(kAskShifterSummary);
}

void SegmentCounterDialog(Workbench& wb) {
  WorkbenchState& s = wb.state();
  if (!wb.shell().RunDialog(DialogKind::kSegmentCounter, s)) return;
  WorkbenchState entered = s;
  entered.counterBits = ParseDialogInteger(s.texts.counterBits);
  entered.trainingVectorCount = ParseDialogInteger(s.texts.counterTraining);
  entered.retrainingVectorCount = ParseDialogInteger(s.texts.counterRetraining);
  entered.recognitionPatternCount =
      ParseDialogInteger(s.texts.counterRecognition);
  if (std::string problem = CounterSettingsProblem(entered); !problem.empty()) {
    wb.shell().ShowMessage(kCounterCaption, problem, MessageButtons::kOk,
                           MessageIcon::kWarning);
    return;
  }
  s.counterBits = entered.counterBits;
  s.trainingVectorCount = entered.trainingVectorCount;
  s.retrainingVectorCount = entered.retrainingVectorCount;
  s.recognitionPatternCount = entered.recognitionPatternCount;
  wb.Ask(kAskCounterSummary);
}

struct CheckBoxes {
  bool xTranslation, yTranslation, xScaling, yScaling, zRotation;
};

// Rewrites the line-start and symmetry texts from the integers the example
// command has just set, and sets the five check boxes.
void ApplyPreset(WorkbenchState& s, CheckBoxes boxes) {
  DialogTexts& t = s.texts;
  t.line2 = IntegerText(s.line2Start);
  t.line3 = IntegerText(s.line3Start);
  t.line4 = IntegerText(s.line4Start);
  t.line5 = IntegerText(s.line5Start);
  t.symmetryStart = IntegerText(s.symmetryStart);
  t.symmetryEnd = IntegerText(s.symmetryEnd);
  t.symmetryX = IntegerText(s.symmetryXDim);
  t.symmetryY = IntegerText(s.symmetryYDim);
  t.xTranslation = boxes.xTranslation;
  t.yTranslation = boxes.yTranslation;
  t.xScaling = boxes.xScaling;
  t.yScaling = boxes.yScaling;
  t.zRotation = boxes.zRotation;
}

// The small examples start from the default engine files and no breaker or
// symmetry.
void ResetPreset(Workbench& wb) {
  WorkbenchState& s = wb.state();
  const WorkbenchState defaults;
  s.trainingFile = defaults.trainingFile;
  s.retrainingFile = defaults.retrainingFile;
  s.recognitionFile = defaults.recognitionFile;
  s.recognitionOutputFile = defaults.recognitionOutputFile;
  s.userDistributionFile = defaults.userDistributionFile;
  s.texts.training = s.trainingFile;
  s.texts.retraining = s.retrainingFile;
  s.texts.recognition = s.recognitionFile;
  s.texts.output = s.recognitionOutputFile;
  s.texts.distribution = s.userDistributionFile;
  if (wb.OpenEngineOutput()) wb.Ask(kAskOutputReady);
  s.breakerStep = -1;
  s.line2Start = s.line3Start = s.line4Start = s.line5Start = -1;
  s.symmetryStart = s.symmetryEnd = -2;
  s.symmetryXDim = s.symmetryYDim = -2;
  s.symmetryKind = 0;
  ApplyPreset(s, {false, false, false, false, false});
}

}  // namespace

bool LinkDirectoryText(std::string& text) {
  std::error_code ec;
  std::filesystem::path cwd = std::filesystem::current_path(ec);
  if (ec) return false;
  text = cwd.string();
  if (!text.empty() && text.front() == '/') text.erase(0, 1);
  return true;
}

std::string BuildLinkSummary(WorkbenchState& s, PredictionState& prediction) {
  std::string summary;
  const bool directory = s.inputMode == InputMode::kDirectory;
  if (directory && !LinkDirectoryText(s.texts.linkInput)) {
    summary = "  Not a directory!!!";
  }
  summary += s.texts.linkInput + " \n" + s.texts.linkOutput +
             " \n Precision = " + s.texts.linkPrecision + " \n Tread =  " +
             s.texts.linkTrend;
  if (s.inputMode == InputMode::kFile) summary += "  \n File Input";
  if (directory) {
    summary += "  \n Directory Input";
    int count = ScanInputDirectory(s, prediction, s.texts.linkInput);
    summary += "  \n" + std::to_string(count) + " files (*.txt only) ";
    if (!s.directoryList.empty()) summary += s.directoryList.front() + " ...";
  }
  summary += "  \n";
  return summary;
}

void RunDialog(Workbench& wb) {
  switch (wb.state().dialogSelector) {
    case kDataFilesDialog: DataFilesDialog(wb); break;
    case kLinkDialog: LinkDialog(wb); break;
    case kLineBreakerDialog: LineBreakerDialog(wb); break;
    case kShifterDialog: ShifterDialog(wb); break;
    case kSegmentCounterDialog: SegmentCounterDialog(wb); break;
    case kShifterPreset:
      ApplyPreset(wb.state(), {true, false, false, false, false});
      break;
    case kCharacterPreset:
      ApplyPreset(wb.state(), {true, true, false, false, false});
      break;
    case kImagePreset:
      ApplyPreset(wb.state(), {true, true, true, true, false});
      break;
    case kImageRotationPreset:
      ApplyPreset(wb.state(), {true, true, true, true, true});
      break;
    case kTranslationRotationPreset:
      ApplyPreset(wb.state(), {true, true, false, false, true});
      break;
    case kNoSymmetryPreset:
      ApplyPreset(wb.state(), {false, false, false, false, false});
      break;
    case kCounterPreset:
      ApplyPreset(wb.state(), {true, false, true, false, false});
      break;
    case kResetPreset: ResetPreset(wb); break;
    default: break;
  }
}

}  // namespace foresta
