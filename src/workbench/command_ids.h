#ifndef FORESTA_WORKBENCH_COMMAND_IDS_H_
#define FORESTA_WORKBENCH_COMMAND_IDS_H_

// The identifier of every command a menu, a tool button, a key or
// `foresta-cli do` can send. Each has one row (label, hint, handler) in the
// command vocabulary (command_vocabulary.h).

namespace foresta {

// File, Edit and Window: the window and the active document handle these.
inline constexpr int kCmFileNew = 24331;
inline constexpr int kCmFileOpen = 24332;
inline constexpr int kCmFileClose = 24339;
inline constexpr int kCmFileSave = 24333;
inline constexpr int kCmFileSaveAs = 24334;
inline constexpr int kCmFileRevert = 20002;
inline constexpr int kCmPrintPreview = 24340;
inline constexpr int kCmPrint = 24337;
inline constexpr int kCmPrintSetup = 24338;
inline constexpr int kCmExit = 24310;

// Import and export (File menu): 740 to 759. The window handles these too.
inline constexpr int kCmImportCsv = 740;

inline constexpr int kCmEditUndo = 24321;
// The editor's additions take identifiers 760 to 779.
inline constexpr int kCmEditRedo = 760;
inline constexpr int kCmEditCut = 24322;
inline constexpr int kCmEditCopy = 24323;
inline constexpr int kCmEditPaste = 24324;
inline constexpr int kCmEditDelete = 24325;
inline constexpr int kCmEditClear = 24326;
inline constexpr int kCmEditSelectAll = 20001;
inline constexpr int kCmEditFind = 24351;
inline constexpr int kCmEditReplace = 24352;
inline constexpr int kCmEditFindNext = 24353;
inline constexpr int kCmFont = 20000;

inline constexpr int kCmCascade = 24361;
inline constexpr int kCmTile = 24362;
inline constexpr int kCmArrangeIcons = 24364;
inline constexpr int kCmCloseAll = 24365;

// Help.
inline constexpr int kCmHelpContents = 2001;
inline constexpr int kCmHelpUsing = 2002;
inline constexpr int kCmExampleNotes = 321;
inline constexpr int kCmHowToUse = 323;
inline constexpr int kCmNote = 324;
inline constexpr int kCmAbout = 325;

// Data.
inline constexpr int kCmLink = 551;
inline constexpr int kCmInput = 552;
inline constexpr int kCmOutput = 553;
inline constexpr int kCmTestInput = 554;

// Real (run codes 1 to 9), Integer (10 to 15) and AvgMax (16 to 27): each
// menu lists its commands at consecutive identifiers in run-code order.
inline constexpr int kCmRealFirst = 555;     // 555 to 563
inline constexpr int kCmIntegerFirst = 588;  // 588 to 593
inline constexpr int kCmAvgMaxFirst = 594;   // 594 to 605
inline constexpr int kCmRealPlusLinear = kCmRealFirst;
inline constexpr int kCmRealMinusLinear = kCmRealFirst + 1;
inline constexpr int kCmRealZeroLinear = kCmRealFirst + 2;
inline constexpr int kCmRealPlusExponential = kCmRealFirst + 3;
inline constexpr int kCmRealMinusExponential = kCmRealFirst + 4;
inline constexpr int kCmRealZeroExponential = kCmRealFirst + 5;

// 3-Average and 10-Average: nine commands each, for the run codes 1 to 6
// and 10 to 12 in that order.
inline constexpr int kCmAverage3First = 610;   // 610 to 618
inline constexpr int kCmAverage10First = 620;  // 620 to 628

// Batch.
inline constexpr int kCmBatchOpen = 565;
inline constexpr int kCmBatchSave = 566;
inline constexpr int kCmBatchRun = 567;

// Example menu: link a bundled data file, or write an example batch file.
inline constexpr int kCmExampleDynamicSystem = 570;
inline constexpr int kCmExampleMarkovChain = 571;
inline constexpr int kCmExampleCash3X = 572;
inline constexpr int kCmExampleCash3Y = 573;
inline constexpr int kCmExampleCash3Z = 574;
inline constexpr int kCmExampleCash3Batch = 575;
inline constexpr int kCmExampleCash3Dir = 576;
inline constexpr int kCmExampleDj30Dir = 577;
inline constexpr int kCmExampleDj30Batch = 578;
inline constexpr int kCmExampleIntel1 = 581;
inline constexpr int kCmExampleIntel2 = 582;
inline constexpr int kCmExampleIntel3 = 583;
inline constexpr int kCmExampleIntel4 = 584;
inline constexpr int kCmExampleIntel5 = 585;
inline constexpr int kCmExampleUserData = 586;

// View menu (700 to 719): the window handles these.
inline constexpr int kCmViewFirst = 700;
inline constexpr int kCmViewLast = 719;
inline constexpr int kCmViewChart = 700;

// The engine's own commands (no menu shows them).
inline constexpr int kCmCloseOutputFile = 232;
inline constexpr int kCmOpenNewOutputFile = 233;
inline constexpr int kCmDataFiles = 330;
inline constexpr int kCmRun = 341;
inline constexpr int kCmTrain = 342;
inline constexpr int kCmRetrain = 343;
inline constexpr int kCmOneNeuronAll = 344;
inline constexpr int kCmOneNeuronBest = 345;
inline constexpr int kCmGeneralBest = 346;
inline constexpr int kCmLocalMinimum1 = 347;
inline constexpr int kCmGeneralAll = 348;
inline constexpr int kCmTestTraining = 351;
inline constexpr int kCmTestRetraining = 352;
inline constexpr int kCmTestRecognition = 353;
inline constexpr int kCmTestDistribution = 354;
inline constexpr int kCmLineBreakers = 360;
inline constexpr int kCmSymmetry = 363;
inline constexpr int kCmOpenTraining = 401;
inline constexpr int kCmOpenRetraining = 402;
inline constexpr int kCmOpenRecognition = 403;
inline constexpr int kCmOpenOutput = 404;
inline constexpr int kCmOpenDistribution = 405;
inline constexpr int kCmTwoNeuronAll = 481;
inline constexpr int kCmTwoNeuronBest = 482;
inline constexpr int kCmThreeNeuronAll = 483;
inline constexpr int kCmThreeNeuronBest = 484;
inline constexpr int kCmFourNeuronAll = 485;
inline constexpr int kCmFourNeuronBest = 486;
inline constexpr int kCmDistributionAll = 487;
inline constexpr int kCmDistributionBest = 488;
inline constexpr int kCmTenthBest = 491;
inline constexpr int kCmTenthAll = 492;
inline constexpr int kCmEighthBest = 493;
inline constexpr int kCmEighthAll = 494;
inline constexpr int kCmSixthBest = 495;
inline constexpr int kCmSixthAll = 496;
inline constexpr int kCmSetOptimization = 500;
inline constexpr int kCmSetTrainingLevels = 501;
inline constexpr int kCmNeuronKind = 502;
inline constexpr int kCmLocalMinimum5 = 511;
inline constexpr int kCmLocalMinimum10 = 512;
inline constexpr int kCmLocalMinimum20 = 513;
inline constexpr int kCmImagesToSelect = 521;
inline constexpr int kCmImagesAlsoSelected = 522;
inline constexpr int kCmRetrieveImages = 523;

// The engine's example library (no menu shows them).
inline constexpr int kCmCounterTraining = 531;
inline constexpr int kCmCounterRetraining = 532;
inline constexpr int kCmCounterRecognition = 533;
inline constexpr int kCmCounterParameters = 535;
inline constexpr int kCmCounterInitialize = 536;
inline constexpr int kCmCounter2DFirst = 541;  // 541 to 546: reserved
inline constexpr int kCmCounter2DLast = 546;

// The shifter of one to four class neurons: the same six commands each.
struct ShifterCommandIds {
  int initialize, parameters, training, retraining, recognition, enumerative;
  int distribution;  // 0: the one-neuron shifter has none
};
inline constexpr ShifterCommandIds kCmShifter[] = {
    {390, 386, 381, 382, 383, 384, 0},
    {446, 445, 441, 442, 443, 444, 447},
    {456, 455, 451, 452, 453, 454, 457},
    {466, 465, 461, 462, 463, 464, 467},
};
inline constexpr int kCmShifterReserved[] = {387, 388, 389, 396};

inline constexpr int kCmXor2 = 411;
inline constexpr int kCmXor3 = 412;

inline constexpr int kCmCharactersLearning = 392;
inline constexpr int kCmCharactersRecognition = 394;
inline constexpr int kCmCharactersInitialize = 399;
inline constexpr int kCmCharacters5x7 = 421;
inline constexpr int kCmCharacters8x8 = 422;
inline constexpr int kCmStrokes19x19Classes1023 = 423;
inline constexpr int kCmStrokes32x32Classes127 = 424;
inline constexpr int kCmStrokes19x19Classes4095 = 425;
inline constexpr int kCmImages50 = 426;
inline constexpr int kCmImages100 = 427;
inline constexpr int kCmAirplanesScaling = 428;
inline constexpr int kCmAirplanesRotationAndScaling = 429;
inline constexpr int kCmAirplanesRotation = 430;
inline constexpr int kCmStrokesRetrieval = 431;
inline constexpr int kCmDynamicSystem = 435;
inline constexpr int kCmMarkovChain = 436;

// Tools menu: backtests and settings advice (720 to 739).
inline constexpr int kCmBacktest = 720;
inline constexpr int kCmUseRecommended = 721;
inline constexpr int kCmPredictRecommended = 722;

}  // namespace foresta

#endif  // FORESTA_WORKBENCH_COMMAND_IDS_H_
