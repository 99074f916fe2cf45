// Rows and handlers of the Real, Integer and AvgMax menus (run codes 1 to
// 27) and of the 3-Average and 10-Average menus.
#include "workbench/command_vocabulary.h"
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

constexpr int kReal = kCmRealFirst;
constexpr int kInteger = kCmIntegerFirst;
constexpr int kAvgMax = kCmAvgMaxFirst;
constexpr int kAverage3 = kCmAverage3First;
constexpr int kAverage10 = kCmAverage10First;

constexpr CommandRow kRows[] = {
    {kReal + 0, "+ Linear", "Predict b of [a, b] and data is quantized by (b-a)/N ", Predict<1>},
    {kReal + 1, "-- Linear", "Predict a of [a, b] and data is quantized by (b-a)/N ", Predict<2>},
    {kReal + 2, "0 Linear", "Predict the canter of [a, b] and data is quantized by (b-a)/N ", Predict<3>},
    {kReal + 3, "+ Exponential", "Predict b of [a, b] and the growth rates are quantized by (b-a)/N ", Predict<4>},
    {kReal + 4, "-- Exponential", "Predict a of [a, b] and the growth rates are quantized by (b-a)/N ", Predict<5>},
    {kReal + 5, "0 Exponential", "Predict the center of [a, b] and the growth rates are quantized by (b-a)/N ", Predict<6>},
    {kReal + 6, "+ Linear Enumerative", "Predict b of [a, b] and data is quantized by (b-a)/N, all possibilities considereded", Predict<7>},
    {kReal + 7, "-- Linear Enumerative", "Predict a of [a, b] and data is quantized by (b-a)/N, all possibilities considereded", Predict<8>},
    {kReal + 8, "0 Linear Enumerative", "Predict center of [a, b] and data is quantized by (b-a)/N, all possibilities considereded", Predict<9>},

    {kInteger + 0, "+ Linear", "Predict b of [a, b] and data is quantized by (b-a)/N ", Predict<10>},
    {kInteger + 1, "-- Linear", "Predict baof [a, b] and data is quantized by (b-a)/N ", Predict<11>},
    {kInteger + 2, "0 Linear", "Predict the canter of [a, b] and data is quantized by (b-a)/N ", Predict<12>},
    {kInteger + 3, "+ Linear Enumerative", "Predict b of [a, b] and data is quantized by (b-a)/N, all possibilities considereded", Predict<13>},
    {kInteger + 4, "-- Linear Enumerative", "Predict baof [a, b] and data is quantized by (b-a)/N, all possibilities considereded", Predict<14>},
    {kInteger + 5, "0 Linear Enumerative", "Predict center of [a, b] and data is quantized by (b-a)/N, all possibilities considereded", Predict<15>},

    {kAvgMax + 0, "+ Real Linear", "Print weighted-average and max for Real/+ Linear", Predict<16>},
    {kAvgMax + 1, "-- Real Linear", "Print weighted-average and max for Real/--Linear", Predict<17>},
    {kAvgMax + 2, "0 Real Linear", "Print weighted-average and max for Real/0 Linear", Predict<18>},
    {kAvgMax + 3, "+ Real Exponential", "Print weighted-average and max for Real/+ Exponential", Predict<19>},
    {kAvgMax + 4, "-- Real Exponential", "Print weighted-average and max for Real/-- Exponential", Predict<20>},
    {kAvgMax + 5, "0 Real Exponential", "Print weighted-average and max for Real/0 Exponential", Predict<21>},
    {kAvgMax + 6, "+ Integer Linear", "Print weighted-average and max for Integer/+ Linear", Predict<22>},
    {kAvgMax + 7, "-- Integer Linear", "Print weighted-average and max for Integer/-- Linear", Predict<23>},
    {kAvgMax + 8, "0 Integer Linear", "Print weighted-average and max for Integer/0 Linear", Predict<24>},
    {kAvgMax + 9, "+ Integer Enumerative", "Print weighted-average and max for Integer/+ Linear Enumerative", Predict<25>},
    {kAvgMax + 10, "-- Integer Enumerative", "Print weighted-average and max for Integer/-- Linear Enumerative", Predict<26>},
    {kAvgMax + 11, "0 Integer Enumerative", "Print weighted-average and max for Integer/0 Linear Enumerative", Predict<27>},

    {kAverage3 + 0, "+ Real Linear", "Print 3 weighted-averages for Real/+ Linear", Average<1, 3>},
    {kAverage3 + 1, "-- Real Linear", "Print 3 weighted-averages for Real/-- Linear", Average<2, 3>},
    {kAverage3 + 2, "0 Real Linear", "Print 3 weighted-averages for Real/0 Linear", Average<3, 3>},
    {kAverage3 + 3, "+ Real Exponential", "Print 3 weighted-averages for Real/+ Exponential", Average<4, 3>},
    {kAverage3 + 4, "-- Real Exponential", "Print 3 weighted-averages for Real/-- Exponential", Average<5, 3>},
    {kAverage3 + 5, "0 Real Exponential", "Print 3 weighted-averages for Real/0 Exponential", Average<6, 3>},
    {kAverage3 + 6, "+ Integer Linear", "Print 3 weighted-averages for Integer/+ Linear", Average<10, 3>},
    {kAverage3 + 7, "-- Integer Linear", "Print 3 weighted-averages for Integer/-- Linear", Average<11, 3>},
    {kAverage3 + 8, "0 Integer Linear", "Print 3 weighted-averages for Integer/0 Linear", Average<12, 3>},

    {kAverage10 + 0, "+ Real Linear", "Print 10 weighted-averages for Real/+ Linear", Average<1, 10>},
    {kAverage10 + 1, "-- Real Linear", "Print 10 weighted-averages for Real/-- Linear", Average<2, 10>},
    {kAverage10 + 2, "0 Real Linear", "Print 10 weighted-averages for Real/0 Linear", Average<3, 10>},
    {kAverage10 + 3, "+ Real Exponential", "Print 10 weighted-averages for Real/+ Exponential", Average<4, 10>},
    {kAverage10 + 4, "-- Real Exponential", "Print 10 weighted-averages for Real/-- Exponential", Average<5, 10>},
    {kAverage10 + 5, "0 Real Exponential", "Print 10 weighted-averages for Real/0 Exponential", Average<6, 10>},
    {kAverage10 + 6, "+ Integer Linear", "Print 10 weighted-averages for Integer/+ Linear", Average<10, 10>},
    {kAverage10 + 7, "-- Integer Linear", "Print 10 weighted-averages for Integer/-- Linear", Average<11, 10>},
    {kAverage10 + 8, "0 Integer Linear", "Print 10 weighted-averages for Integer/0 Linear", Average<12, 10>},
};

}  // namespace

std::span<const CommandRow> PredictionCommandRows() { return kRows; }

}  // namespace foresta
