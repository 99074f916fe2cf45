#include "prediction/average_table.h"

#include <cstdint>

#include "prediction/interval_code.h"

namespace foresta {
namespace {

void WriteTableRows(const AverageTableRequest& request,
                    const PredictionState& state, int lastStep,
                    TextOutput& out) {
  const std::uint32_t n = state.VariableCount;
  for (int s = 0; s <= lastStep; ++s) {
    const std::size_t row = static_cast<std::size_t>(request.trend - 1 + s);
    for (std::uint32_t j = 0; j <= n; ++j) {
      float entry = state.Table(row, j);
      if (request.flow == AverageFlow::kGrowth && j < n) {
        entry = (entry + 1.0f) * state.Table(kGrowthLastRow + static_cast<std::size_t>(s), j);
      }
      out.WriteReal(entry);
      out.Write("  ");
    }
    out.Put('\n');
  }
}

void WriteNextRecognition(const AverageTableRequest& request,
                          const PredictionState& state, TextOutput& out) {
  const std::uint32_t n = state.VariableCount;
  out.Write(" * \n * \n");
  std::string codes;
  for (int r = request.step + 1; r <= request.step + request.trend - 1; ++r) {
    codes.clear();
    for (std::uint32_t j = 0; j < n; ++j) {
      const float maximum = state.ValueMaxima[j];
      const float minimum = state.ValueMinima[j];
      float x = state.Table(static_cast<std::size_t>(r), j);
      if (request.flow == AverageFlow::kGrowth) {
        if (x < minimum) x = minimum;
        if (x > maximum) x = maximum;
      }
      const float w = IntervalWidth(maximum, minimum, request.precision);
      AppendIntervalCode(IntervalIndex(x, minimum, w), request.precision,
                         request.style, codes);
      codes.push_back(' ');
    }
    codes.push_back('\n');
    out.Write(codes);
  }
  std::string unknown(static_cast<std::size_t>(request.precision), 'x');
  unknown.push_back(' ');
  for (std::uint32_t j = 0; j < n; ++j) out.Write(unknown);
}

}  // namespace

bool StepPredicted(const AverageTableRequest& request,
                   const PredictionState& state) {
  const std::int64_t stepRow =
      static_cast<std::int64_t>(request.trend) - 1 + request.step;
  if (state.VariableCount >= kTableColumns || request.step < 0 ||
      stepRow < 0 || stepRow >= static_cast<std::int64_t>(kTableRows)) {
    return false;
  }
  return state.Table(static_cast<std::size_t>(stepRow), state.VariableCount) != 0.0f;
}

AverageTableOutcome WriteAverageTable(const AverageTableRequest& request,
                                      const PredictionState& state,
                                      TextOutput* collective,
                                      bool writeCollective) {
  AverageTableOutcome outcome;
  outcome.predicted = StepPredicted(request, state);

  TextOutput recognition;
  if (!recognition.Open(request.recognitionFile)) outcome.written = false;
  if (outcome.predicted && recognition.is_open()) {
    WriteNextRecognition(request, state, recognition);
  }
  if (!recognition.Close()) outcome.written = false;

  // Rows of earlier steps are only there when this one's row is in range.
  int lastStep = outcome.predicted ? request.step : request.step - 1;
  if (!outcome.predicted && request.step > 0) {
    AverageTableRequest previous = request;
    previous.step = request.step - 1;
    if (!StepPredicted(previous, state)) lastStep = -1;
  }
  if (collective == nullptr) {
    TextOutput table;
    if (!table.Open(request.predictionOutputFile)) {
      outcome.written = false;
      return outcome;
    }
    WriteTableRows(request, state, lastStep, table);
    if (!table.Close()) outcome.written = false;
  } else if (writeCollective) {
    collective->Put('\n');
    collective->Write(std::string(44, '*'));
    collective->Write("\nInput file: ");
    collective->Write(request.predictionInputFile);
    collective->Write("\n\n");
    WriteTableRows(request, state, lastStep, *collective);
    if (!collective->ok()) outcome.written = false;
  }
  return outcome;
}

}  // namespace foresta
