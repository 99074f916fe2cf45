#ifndef FORESTA_STATE_WORKBENCH_STATE_H_
#define FORESTA_STATE_WORKBENCH_STATE_H_

#include <string>
#include <vector>

namespace foresta {

// Longest file name a setting holds (the field is 250 bytes with its terminator).
inline constexpr std::size_t kMaxFileNameLength = 249;
// Longest directory entry kept in directoryList.
inline constexpr std::size_t kMaxDirectoryEntryLength = 99;
// Most names a Directory or batch run takes.
inline constexpr int kMaxDirectoryEntries = 2000;

enum class InputMode { kFile, kDirectory, kBatchFile };

// The text forms the parameter dialogs edit. Integers reach WorkbenchState
// only when a dialog is confirmed, so these keep exactly what the user typed.
struct DialogTexts {
  // Data Files dialog.
  std::string training, retraining, recognition, output, distribution;
  // Link dialog.
  std::string linkInput, linkOutput, linkPrecision, linkTrend;
  InputMode linkMode = InputMode::kFile;
  // Line breaker dialog.
  std::string line2, line3, line4, line5;
  // Symmetry dialog and its five check boxes.
  std::string symmetryStart, symmetryEnd, symmetryX, symmetryY;
  bool xTranslation = false, yTranslation = false, xScaling = false,
       yScaling = false, zRotation = false;
  // Shifter dialog.
  std::string shifterBits, shifterTraining, shifterRetraining,
      shifterRecognition;
  // Segment counter dialog.
  std::string counterBits, counterTraining, counterRetraining,
      counterRecognition;
  // Backtest dialog: scored and validation origins, the season (0: find
  // one) and whether to try the wide grid.
  std::string backtestOrigins = "24", backtestValidation = "24", backtestSeason = "0";
  bool backtestWideGrid = false;
};

// The one record of settings every command reads. Created with the fixed
// defaults below at start; never saved.
struct WorkbenchState {
  WorkbenchState();

  std::string trainingFile = "example1.trn";
  std::string retrainingFile = "example1.rtn";
  std::string recognitionFile = "example1.rec";
  std::string recognitionOutputFile = "example1.dat";
  std::string userDistributionFile = "example1.usd";
  std::string predictionInputFile = "example2a.txt";
  std::string predictionOutputFile = "example2b.txt";
  std::string batchFile = "batch.txt";

  int precision = 10;
  int trend = 5;
  InputMode inputMode = InputMode::kFile;

  std::vector<std::string> directoryList;  // at most kMaxDirectoryEntries
  int directoryCount = 0;

  int runCode = 1;

  int breakerStep = -1;
  int line2Start = -1, line3Start = -1, line4Start = -1, line5Start = -1;

  int symmetryStart = -2, symmetryEnd = -2;
  int symmetryXDim = -2, symmetryYDim = -2;
  int symmetryKind = 0;

  int shifterBits = 15;
  int shifterNeurons = 33;  // 2 * shifterBits + 3
  int trainingVectorCount = 250;
  int retrainingVectorCount = 5;
  int recognitionPatternCount = 50;
  int counterBits = 120;
  int counterClassNeurons = 40;

  // The pattern setting Tools/Use recommended settings took from the last
  // backtest's advice: its run code (0: none taken) and its point forecast.
  int adviceCode = 0;
  bool adviceHighestProbability = false;

  int statusCode = 0;
  // The particulars (a file name, a row and value, the limits broken) of the
  // failure statusCode records, when the run knows more than the code's
  // fixed text says; empty otherwise.
  std::string statusParticulars;
  // Above 0: predictions use only the newest this many rows of each input
  // file (the command line's --last); 0 uses every row.
  long long newestRows = 0;
  int dialogSelector = 0;
  bool helpUsed = false;

  // The summary the Link dialog built on its last confirmation; shown by
  // question 551.
  std::string linkSummary;

  // Batch/Save writes a Directory list with the current directory in front
  // of each name the first time in a run, and bare names afterwards.
  bool firstDirectorySave = true;

  DialogTexts texts;

  // Rewrites every numeric text form from its integer ("%d").
  void ResetNumericTexts();
  // Rewrites the Data Files and Link name texts from the names.
  void ResetNameTexts();
};

// Text form of an integer setting, as the dialogs first show it ("%d").
std::string IntegerText(int value);

// Reads a dialog text as a decimal integer: leading white space skipped, an
// optional sign, then digits up to the first other character; no digits
// reads as 0. Values beyond the int range saturate instead of wrapping.
int ParseDialogInteger(const std::string& text);

}  // namespace foresta

#endif  // FORESTA_STATE_WORKBENCH_STATE_H_
