// Handlers of the Real, Integer and AvgMax menus (555 to 605) and of the
// 3-Average and 10-Average menus (610 to 618, 620 to 628).
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

}  // namespace

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
