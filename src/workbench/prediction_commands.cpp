// Handlers of the Real, Integer and AvgMax menus (555 to 605) and of the
// 3-Average and 10-Average menus (610 to 618, 620 to 628).
#include "workbench/prediction_commands.h"

#include <utility>

#include "workbench/command_table.h"
#include "workbench/prediction_run.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

template <int Code>
void Predict(Workbench& wb) {
  RunPredictionCommand(wb, Code);
}

template <int Code, int Steps>
void Average(Workbench& wb) {
  if constexpr (Code >= 4 && Code <= 6) {
    RunGrowthAverageCommand(wb, Code, Steps);
  } else {
    RunAverageCommand(wb, Code, Steps);
  }
}

template <int Steps>
void AddAverages(CommandTable& table, int firstId) {
  table.Add(firstId + 0, Average<1, Steps>);
  table.Add(firstId + 1, Average<2, Steps>);
  table.Add(firstId + 2, Average<3, Steps>);
  table.Add(firstId + 3, Average<4, Steps>);
  table.Add(firstId + 4, Average<5, Steps>);
  table.Add(firstId + 5, Average<6, Steps>);
  table.Add(firstId + 6, Average<10, Steps>);
  table.Add(firstId + 7, Average<11, Steps>);
  table.Add(firstId + 8, Average<12, Steps>);
}

constexpr std::pair<int, const char*> kHints[] = {
    {551, "Specify the input, trend and precision"},
    {552, "Open the input data file"},
    {553, "Open the results of the last prediction"},
    {554, "Test the format of the input data file"},
    {555, "Predict b of [a, b] and data is quantized by (b-a)/N "},
    {556, "Predict a of [a, b] and data is quantized by (b-a)/N "},
    {557, "Predict the canter of [a, b] and data is quantized by (b-a)/N "},
    {558, "Predict b of [a, b] and the growth rates are quantized by (b-a)/N "},
    {559, "Predict a of [a, b] and the growth rates are quantized by (b-a)/N "},
    {560, "Predict the center of [a, b] and the growth rates are quantized by (b-a)/N "},
    {561, "Predict b of [a, b] and data is quantized by (b-a)/N, all possibilities considereded"},
    {562, "Predict a of [a, b] and data is quantized by (b-a)/N, all possibilities considereded"},
    {563, "Predict center of [a, b] and data is quantized by (b-a)/N, all possibilities considereded"},
    {588, "Predict b of [a, b] and data is quantized by (b-a)/N "},
    {589, "Predict baof [a, b] and data is quantized by (b-a)/N "},
    {590, "Predict the canter of [a, b] and data is quantized by (b-a)/N "},
    {591, "Predict b of [a, b] and data is quantized by (b-a)/N, all possibilities considereded"},
    {592, "Predict baof [a, b] and data is quantized by (b-a)/N, all possibilities considereded"},
    {593, "Predict center of [a, b] and data is quantized by (b-a)/N, all possibilities considereded"},
    {594, "Print weighted-average and max for Real/+ Linear"},
    {595, "Print weighted-average and max for Real/--Linear"},
    {596, "Print weighted-average and max for Real/0 Linear"},
    {597, "Print weighted-average and max for Real/+ Exponential"},
    {598, "Print weighted-average and max for Real/-- Exponential"},
    {599, "Print weighted-average and max for Real/0 Exponential"},
    {600, "Print weighted-average and max for Integer/+ Linear"},
    {601, "Print weighted-average and max for Integer/-- Linear"},
    {602, "Print weighted-average and max for Integer/0 Linear"},
    {603, "Print weighted-average and max for Integer/+ Linear Enumerative"},
    {604, "Print weighted-average and max for Integer/-- Linear Enumerative"},
    {605, "Print weighted-average and max for Integer/0 Linear Enumerative"},
};

// The averaged kinds in menu order, as their hints end.
constexpr const char* kAverageHintEnds[] = {
    "Real/+ Linear",      "Real/-- Linear",      "Real/0 Linear",
    "Real/+ Exponential", "Real/-- Exponential", "Real/0 Exponential",
    "Integer/+ Linear",   "Integer/-- Linear",   "Integer/0 Linear",
};

}  // namespace

std::optional<std::string> PredictionCommandHint(int id) {
  for (const auto& [hintId, text] : kHints) {
    if (hintId == id) return std::string(text);
  }
  if (id >= 610 && id <= 618) {
    return std::string("Print 3 weighted-averages for ") + kAverageHintEnds[id - 610];
  }
  if (id >= 620 && id <= 628) {
    return std::string("Print 10 weighted-averages for ") + kAverageHintEnds[id - 620];
  }
  return std::nullopt;
}

void RegisterPredictionCommands(CommandTable& table) {
  // Real: codes 1 to 9 on 555 to 563.
  table.Add(555, Predict<1>);
  table.Add(556, Predict<2>);
  table.Add(557, Predict<3>);
  table.Add(558, Predict<4>);
  table.Add(559, Predict<5>);
  table.Add(560, Predict<6>);
  table.Add(561, Predict<7>);
  table.Add(562, Predict<8>);
  table.Add(563, Predict<9>);
  // Integer and AvgMax: codes 10 to 27 on 588 to 605.
  table.Add(588, Predict<10>);
  table.Add(589, Predict<11>);
  table.Add(590, Predict<12>);
  table.Add(591, Predict<13>);
  table.Add(592, Predict<14>);
  table.Add(593, Predict<15>);
  table.Add(594, Predict<16>);
  table.Add(595, Predict<17>);
  table.Add(596, Predict<18>);
  table.Add(597, Predict<19>);
  table.Add(598, Predict<20>);
  table.Add(599, Predict<21>);
  table.Add(600, Predict<22>);
  table.Add(601, Predict<23>);
  table.Add(602, Predict<24>);
  table.Add(603, Predict<25>);
  table.Add(604, Predict<26>);
  table.Add(605, Predict<27>);
  AddAverages<3>(table, 610);
  AddAverages<10>(table, 620);
}

}  // namespace foresta
