#include "state/workbench_state.h"

#include <climits>
#include <cstdint>

namespace foresta {

WorkbenchState::WorkbenchState() {
  ResetNameTexts();
  ResetNumericTexts();
  texts.linkMode = inputMode;
}

void WorkbenchState::ResetNameTexts() {
  texts.training = trainingFile;
  texts.retraining = retrainingFile;
  texts.recognition = recognitionFile;
  texts.output = recognitionOutputFile;
  texts.distribution = userDistributionFile;
  texts.linkInput = predictionInputFile;
  texts.linkOutput = predictionOutputFile;
}

void WorkbenchState::ResetNumericTexts() {
  texts.linkPrecision = IntegerText(precision);
  texts.linkTrend = IntegerText(trend);
  texts.line2 = IntegerText(line2Start);
  texts.line3 = IntegerText(line3Start);
  texts.line4 = IntegerText(line4Start);
  texts.line5 = IntegerText(line5Start);
  texts.symmetryStart = IntegerText(symmetryStart);
  texts.symmetryEnd = IntegerText(symmetryEnd);
  texts.symmetryX = IntegerText(symmetryXDim);
  texts.symmetryY = IntegerText(symmetryYDim);
  texts.shifterBits = IntegerText(shifterBits);
  texts.shifterTraining = IntegerText(trainingVectorCount);
  texts.shifterRetraining = IntegerText(retrainingVectorCount);
  texts.shifterRecognition = IntegerText(recognitionPatternCount);
  texts.counterBits = IntegerText(counterBits);
  texts.counterTraining = IntegerText(trainingVectorCount);
  texts.counterRetraining = IntegerText(retrainingVectorCount);
  texts.counterRecognition = IntegerText(recognitionPatternCount);
}

std::string IntegerText(int value) { return std::to_string(value); }

int ParseDialogInteger(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' ||
                             text[i] == '\n' || text[i] == '\r' ||
                             text[i] == '\v' || text[i] == '\f')) {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<std::int64_t>(INT_MAX) + 1) {
      value = static_cast<std::int64_t>(INT_MAX) + 1;
    }
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace foresta
