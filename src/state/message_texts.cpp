#include "state/message_texts.h"

#include <algorithm>
#include <array>
#include <utility>

namespace foresta {
namespace {

struct Entry {
  int code;
  std::string_view text;
};

// Sorted by code; looked up by binary search.
constexpr Entry kInformation[] = {
    {21, "Shifter: Generating Train Data File"},
    {22, "Shifter: Train Data File Generated"},
    {23, "Shifter: Generating Retrain Data File"},
    {24, "Shifter: Retrain Data File Generated"},
    {25, "Shifter: Generating Recognition File"},
    {26, "Shifter: Recognition File Generated"},
    {27, "Not enough memory to store the training patterns. \n Training stopped and the network is not trained; nothing else was lost. "},
    {28, "Training cancelled. \n The network is not trained. "},
    {29, " Neuron Number Error in Retraining File"},
    {30, "Too many Neurons "},
    {31, "Training Begin "},
    {32, "Training end! "},
    {33, "Please Test Training File \n Click: Initialization/Test/Training Data File "},
    {34, "Retraining Begin "},
    {35, "Retraining end! "},
    {36, " Please Test Retraining File \n Click: Initialization/Test/Retraining Data File "},
    {37, "Run end! "},
    {38, "Recognition end! "},
    {39, " Please Test Recognition File \n Click: Initialization/Test/Recognition Data File "},
    {40, "Recognition Begin ( Enumerative(One) ) "},
    {41, "Recognition END "},
    {42, "Unable to Open Recognition File "},
    {43, "Recognition Begin ( Enumerative(All) ) "},
    {44, "Recognition END "},
    {45, "Unable to Open Recognition File "},
    {46, "Unable to Open Output File "},
    {47, "Recognition Begin ( Most Likely ) "},
    {48, "Recognition cancelled. \n The recognition report is incomplete. "},
    {49, "The recognition report could not be written in full. \n Check the disk space and the output file name. "},
    {51, "Character recognition: Generating Train Data File"},
    {52, "Character recognition: Train and Retrain Data Files Generated"},
    {55, "Character recognition: Generating Recognition Data File"},
    {56, "Character recognition: Recognition Data File Generated"},
    {100, "Training File is OK "},
    {101, "Unable to Open Training File "},
    {102, "Training File: Missing Comment Section *...* "},
    {103, "Training File: Comment Section is not Closed "},
    {104, "Training File: Number of Neurons is out of Range "},
    {106, "Training File: No data "},
    {107, "Training File: Invalid Character (other than 0 and 1) "},
    {108, "Training File: Last vector is not complete "},
    {110, "Retraining File is OK "},
    {111, "Unable to Open Retraining File "},
    {112, "Retraining File: Missing Comment Section *...* "},
    {113, "Retraining File: Comment Section is not Closed "},
    {114, "Retraining File: Number of Neurons is out of Range "},
    {115, "Retraining File: Not Consistent with Training File "},
    {116, "Retraining File: No data "},
    {117, "Training File: Invalid Character (other than 0 and 1) "},
    {118, "Training File: Last vector is not complete "},
    {120, "Recognition File is OK "},
    {121, "Unable to Open Recognition File "},
    {122, "Recognition File: Missing Comment Section *...* "},
    {123, "Recognition File: Comment Section is not Closed "},
    {124, "Recognition File: Number of Neurons is out of Range "},
    {125, "Recognition File: Please test Training file first "},
    {126, "Recognition File: No data "},
    {127, "Recognition File: Invalid Character (other than 0 and 1) "},
    {128, "Recognition File: Two Sections of x's in One Vector "},
    {129, "Recognition File: Last vector is not complete "},
    {130, "User Distribution File is OK "},
    {131, "Unable to Open User Distribution File "},
    {132, " User Distribution File: Missing Comment Section *...* "},
    {133, " User Distribution File: Comment Section is not Closed "},
    {134, " User Distribution File: Number of Neurons is out of Range "},
    {135, " User Distribution File: Number of patterns is out of Range ( <65,000) "},
    {136, " User Distribution File: No data "},
    {137, " User Distribution File: Invalid Character (other than 0 and 1) "},
    {138, " User Distribution File: not enough data "},
    {150, "Input File is OK "},
    {151, "Unable to Open Input File "},
    {152, "Input File: Missing Comment Section *...* "},
    {153, "Input File: Comment Section is not Closed "},
    {154, "Input File: Number of neurons is out of Range "},
    {155, "The combination of the number of variable and \n the quantization-level produces more than 10,000 possibilities, \n which is beyond the limit of the user distribution mode. \n Please either reduce the quantization-level or order a customized software. "},
    {156, "Input File: No data "},
    {157, "Input File: Invalid Character (other than integers and real numbers) "},
    {158, "Input File: Last row is not complete "},
    {159, "Input File: not enough data! \nFor example, a 10-day prediction requires at least 10 day's data. "},
    {160, "Input File is OK "},
    {161, "Unable to Open Batch File "},
    {162, "Batch File: Missing Comment Section *...* "},
    {163, "Batch File: Comment Section is not Closed "},
    {164, "Batch: cannot open output file "},
    {165, "Batch: precision < 2 or precision > 10000. "},
    {166, "Batch: trend < 2 or trend > 1000 "},
    {167, "Batch: run code error "},
    {168, "Batch: number of files < 1 or\n number of files > 2000 "},
    {169, "Batch: cannot open input file "},
    {170, "Batch file: not enough files "},
    {201, " This item is temparily unimplemented!"},
    {232, "Output file closed.\n To run again, open a new output file!"},
    {233, "This will overwrite the old output file. \n Do you still want to open!"},
    {390, "Shifter: KORVA is initialized"},
    {399, "Character recognition: KORVAWIN is initialized"},
    {425, " 20 MB Training Data is generated. Depend on your RAM, you may not be able to open the file. Try Wordpad"},
    {428, "Image recognition: KORVAWIN is initialized"},
    {536, "Segment Counter: KORVA is initialized"},
    {555, "Please Test Your Input File \n Click: Initialization/Test Data File "},
    {556, "You have passed the limits on the number of neurons "},
    {557, "Prediction end! "},
    {558, "No more than 65,000 patterns in user-defined distribution file "},
    {565, "Cannot find batch file: batch.txt! "},
    {566, "Cannot open batch file! "},
    {567, "Please click \"Data\\Link\"\n and select File or Directory input! "},
    {800, "Input File: a read error stopped the reading before the end of the file "},
    {801, "Input File: a value is too large for single precision (more than 3.4e38) "},
    {802, "Input File: the input file is error.tmp, where the test copies what it reads; rename the input file "},
    {803, "Batch File: a read error stopped the reading before the end of the file "},
    {804, "Batch File: the batch file is error.tmp, where the test copies what it reads; rename the batch file "},
    {805, "Batch: the output file is also an input file; the report would replace the data "},
    {806, "The input file is also a file this prediction writes; rename it or change the file names "},
    {807, "The batch file is also a file the prediction writes; rename it or change the file names "},
    {808, "No file could be predicted: the directory list holds no usable input file "},
    {809, "The input file has more rows than this prediction code can use "},
    {860, "Chart: a line needs at least two rows of data"},
    {861, "Chart: the input file has no such variable"},
    {862, "Chart: a value is too large to draw"},
    {863, "Chart: the prediction report cannot be read"},
    {864, "Chart: the prediction report does not fit the input file"},
    {865, "Chart: the backtest file cannot be read"},
    {866, "Chart: the backtest file is not the JSON output of foresta-cli backtest"},
    {867, "Chart: the backtest file holds no recommendation for the input file"},
    {868, "Chart: the picture could not be written"},
    {869, "Chart: the series has more rows than a chart can hold"},
};

struct FixedQuestion {
  int code;
  std::string_view text;
  std::string_view caption;
};

constexpr FixedQuestion kFixedQuestions[] = {
    {201, " This item is temparily unimplemented!", "Information"},
    {233, "New output file is ready!", "Information"},
    {343, "Retraining takes place after training ", " Retraining"},
    {344, " The Neural Network is not trained ", " Recognition"},
    {345, " The Output File is not opened ", " Recognition"},
    {361, "No Line Breaker! \n ", "Line breaker"},
    {381, "unable to open training file ", "Information"},
    {382, "unable to open retraining file ", "Information"},
    {383, "unable to open recognition file ", "Information"},
    {435, "unable to user-defined distribution file ", "Information"},
    {447, "unable to open user distribution file ", "Information"},
    {487, " Please Test User Distribution File \n Click: Initialization/Test/User Distribution File ", " Recognition"},
};

template <typename Table>
auto FindByCode(const Table& table, int code) {
  auto it = std::lower_bound(std::begin(table), std::end(table), code,
                             [](const auto& e, int c) { return e.code < c; });
  return (it != std::end(table) && it->code == code) ? &*it : nullptr;
}

}  // namespace

std::optional<std::string_view> InformationText(int code) {
  if (const Entry* e = FindByCode(kInformation, code)) return e->text;
  return std::nullopt;
}

std::string DataFilesSummary(const DialogTexts& t) {
  return t.training + " \n" + t.retraining + " \n" + t.recognition + " \n" +
         t.output + "\n" + t.distribution + "\n";
}

std::string LineBreakerSummary(const DialogTexts& t) {
  return "Line Breaker: \n Line 2 starts at: " + t.line2 +
         "\nLine 3 starts at: " + t.line3 + "\nLine 4 Starts at: " + t.line4 +
         "\nLine 5 Starts at: " + t.line5 + "\n";
}

std::string ShifterSummary(const DialogTexts& t) {
  return t.shifterBits + "- bit shifter: \n Number of training vector: " +
         t.shifterTraining + "\nNumber of retraining vector:" +
         t.shifterRetraining + "\nNumber of patterns to be recognized:" +
         t.shifterRecognition + "\n";
}

std::string SegmentCounterSummary(const DialogTexts& t) {
  return t.counterBits + "- bit Counter:  " + t.counterBits +
         " + 40 Neurons.\nNumber of training vector: " + t.counterTraining +
         "\nNumber of retraining vector:" + t.counterRetraining +
         "\nNumber of patterns to be recognized:" + t.counterRecognition +
         "\n";
}

std::optional<QuestionMessage> QuestionText(int code,
                                            const WorkbenchState& state) {
  switch (code) {
    case 330:
      return QuestionMessage{"Data File Names", DataFilesSummary(state.texts)};
    case 360:
      return QuestionMessage{"Line breaker", LineBreakerSummary(state.texts)};
    case 386:
      return QuestionMessage{"Shifter", ShifterSummary(state.texts)};
    case 535:
      return QuestionMessage{"Segment Counter",
                             SegmentCounterSummary(state.texts)};
    case 551:
      return QuestionMessage{"Predict Data File/Data Range", state.linkSummary};
    default:
      break;
  }
  if (const FixedQuestion* q = FindByCode(kFixedQuestions, code)) {
    return QuestionMessage{std::string(q->caption), std::string(q->text)};
  }
  return std::nullopt;
}

}  // namespace foresta
