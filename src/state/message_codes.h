#ifndef FORESTA_STATE_MESSAGE_CODES_H_
#define FORESTA_STATE_MESSAGE_CODES_H_

// Every message code a command records in statusCode before a presenter
// shows it. The texts are in message_texts.cpp, keyed by these codes.
//   Information box:   kMsg...
//   Question box:      kAsk...
//   Document opener:   kDoc...  (the file each opens is in Workbench::DocumentFor)
// A code may stand in more than one table: 233 is both an information text
// and a question, 566 both an information and a document.

namespace foresta {

// Engine runs.
inline constexpr int kMsgOutOfMemory = 27;
inline constexpr int kMsgTrainingCancelled = 28;
inline constexpr int kMsgNeuronNumberError = 29;
inline constexpr int kMsgTooManyNeurons = 30;
inline constexpr int kMsgTrainingEnd = 32;
inline constexpr int kMsgTestTrainingFile = 33;
inline constexpr int kMsgRetrainingEnd = 35;
inline constexpr int kMsgTestRetrainingFile = 36;
inline constexpr int kMsgRunEnd = 37;
inline constexpr int kMsgRecognitionEnd = 38;
inline constexpr int kMsgTestRecognitionFile = 39;
inline constexpr int kMsgCannotOpenOutput = 46;
inline constexpr int kMsgRecognitionCancelled = 48;
inline constexpr int kMsgReportNotWritten = 49;

// File tests: the shown code is the base plus the test's result code.
inline constexpr int kMsgTrainingTestBase = 100;
inline constexpr int kMsgRetrainingTestBase = 110;
inline constexpr int kMsgRecognitionTestBase = 120;
inline constexpr int kMsgDistributionTestBase = 130;
inline constexpr int kMsgInputTestBase = 150;
inline constexpr int kMsgBatchTestBase = 160;
inline constexpr int kMsgBatchRunCodeError = 167;

// The engine's report file.
inline constexpr int kMsgOutputClosed = 232;
inline constexpr int kAskOutputReady = 233;

// Engine questions.
inline constexpr int kAskRetrainAfterTraining = 343;
inline constexpr int kAskNotTrained = 344;
inline constexpr int kAskOutputNotOpen = 345;
inline constexpr int kAskTestDistribution = 487;

// Example generators: a file that could not be written.
inline constexpr int kAskCannotWriteTraining = 381;
inline constexpr int kAskCannotWriteRetraining = 382;
inline constexpr int kAskCannotWriteRecognition = 383;
inline constexpr int kAskCannotWriteSequenceDistribution = 435;
inline constexpr int kAskCannotWriteShifterDistribution = 447;

// Example presets.
inline constexpr int kMsgShifterReady = 390;
inline constexpr int kMsgCharactersReady = 399;
inline constexpr int kMsgLargeTrainingFile = 425;
inline constexpr int kMsgImagesReady = 428;
inline constexpr int kMsgCounterReady = 536;

// Composed questions: they repeat what the user typed into a dialog.
inline constexpr int kAskDataFilesSummary = 330;
inline constexpr int kAskLineBreakerSummary = 360;
inline constexpr int kAskNoLineBreaker = 361;
inline constexpr int kAskShifterSummary = 386;
inline constexpr int kAskCounterSummary = 535;
inline constexpr int kAskLinkSummary = 551;

// Predictions.
inline constexpr int kMsgInputRefused = 555;
inline constexpr int kMsgNeuronLimits = 556;
inline constexpr int kMsgPredictionEnd = 557;
inline constexpr int kMsgTooManyCombinations = 558;

// Batch files.
inline constexpr int kMsgBatchFileMissing = 565;
inline constexpr int kMsgBatchFileUnwritable = 566;
inline constexpr int kMsgChooseInputMode = 567;

// Careless input: names, sizes and values that would lose data or give a
// report of nothing. Each code's text is in the information table; the
// composed ones add the particulars (file, row, value) after it.
// "Input File: a read error stopped the reading before the end of the file "
inline constexpr int kMsgInputReadFailed = 800;
// "Input File: a value is too large for single precision (more than 3.4e38) "
inline constexpr int kMsgInputValueTooLarge = 801;
// "Input File: the input file is error.tmp, where the test copies what it
//  reads; rename the input file "
inline constexpr int kMsgInputIsEchoFile = 802;
// "Batch File: a read error stopped the reading before the end of the file "
inline constexpr int kMsgBatchReadFailed = 803;
// "Batch File: the batch file is error.tmp, where the test copies what it
//  reads; rename the batch file "
inline constexpr int kMsgBatchIsEchoFile = 804;
// "Batch: the output file is also an input file; the report would replace
//  the data "
inline constexpr int kMsgBatchOutputIsInput = 805;
// "The input file is also a file this prediction writes; rename it or
//  change the file names "
inline constexpr int kMsgInputIsWrittenFile = 806;
// "The batch file is also a file the prediction writes; rename it or
//  change the file names "
inline constexpr int kMsgBatchIsWrittenFile = 807;
// "No file could be predicted: the directory list holds no usable input
//  file "
inline constexpr int kMsgNoFilePredicted = 808;
// "The input file has more rows than this prediction code can use "
inline constexpr int kMsgTooManyRows = 809;

// Backtests and settings advice.
inline constexpr int kMsgBacktestTooShort = 820;    // fewer than 10 validation origins
inline constexpr int kMsgBacktestNoVariable = 821;  // the scored column does not exist
inline constexpr int kMsgBacktestCancelled = 822;
inline constexpr int kMsgBacktestUnreadable = 823;  // the input file fails its test
inline constexpr int kMsgNoRecommendation = 824;    // no backtest advice to use yet
inline constexpr int kMsgAdviceUsed = 827;          // settings taken from the advice
inline constexpr int kMsgBacktestSettings = 828;    // the dialog's numbers are refused

// Documents.
inline constexpr int kDocExampleNotes = 321;
inline constexpr int kDocHowToUse = 323;
inline constexpr int kDocManual = 324;
inline constexpr int kDocTraining = 401;
inline constexpr int kDocRetraining = 402;
inline constexpr int kDocRecognition = 403;
inline constexpr int kDocRecognitionOutput = 404;
inline constexpr int kDocDistribution = 405;
inline constexpr int kDocInput = 552;
inline constexpr int kDocReport = 553;
inline constexpr int kDocEcho = 554;
inline constexpr int kDocBatch = 566;
inline constexpr int kDocBacktestReport = 825;
inline constexpr int kDocAdvisedPrediction = 826;

// CSV import refusals; the message names the row and column.
inline constexpr int kMsgImportCannotOpen = 840;
inline constexpr int kMsgImportEmpty = 841;
inline constexpr int kMsgImportBinary = 842;
inline constexpr int kMsgImportMalformed = 843;   // a quote out of place, a field too long
inline constexpr int kMsgImportRagged = 844;
inline constexpr int kMsgImportNotNumeric = 845;
inline constexpr int kMsgImportMissingValue = 846;
inline constexpr int kMsgImportOutOfRange = 847;
inline constexpr int kMsgImportUnknownColumn = 848;
inline constexpr int kMsgImportNoColumns = 849;
inline constexpr int kMsgImportNoRows = 850;
inline constexpr int kMsgImportOutputExists = 851;
inline constexpr int kMsgImportCannotWrite = 852;
inline constexpr int kMsgImportSameFile = 853;
inline constexpr int kMsgImportNoMemory = 854;
inline constexpr int kMsgImportCancelled = 855;

// Example data copied from the bundle into the current folder:
// "Copied the example data file D_math2a.txt into the current folder."
inline constexpr int kMsgExampleDataCopied = 880;
// "The example data file D_math2a.txt could not be copied into the current folder."
inline constexpr int kMsgExampleDataNotCopied = 881;

// The About box records this code.
inline constexpr int kMsgAbout = 325;

// Charts: why a series, report or backtest cannot be drawn, or a picture
// not written. The chart adds the particulars (file, row, line) to the text.
inline constexpr int kMsgChartTooFewRows = 860;
inline constexpr int kMsgChartNoSuchVariable = 861;
inline constexpr int kMsgChartValueTooLarge = 862;
inline constexpr int kMsgChartReportUnreadable = 863;
inline constexpr int kMsgChartReportMismatch = 864;
inline constexpr int kMsgChartBacktestUnreadable = 865;
inline constexpr int kMsgChartBacktestInvalid = 866;
inline constexpr int kMsgChartNoRecommendation = 867;
inline constexpr int kMsgChartNotWritten = 868;
inline constexpr int kMsgChartTooManyRows = 869;

}  // namespace foresta

#endif  // FORESTA_STATE_MESSAGE_CODES_H_
