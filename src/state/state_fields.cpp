#include "state/state_fields.h"

#include <charconv>
#include <functional>
#include <map>
#include <vector>

namespace foresta {
namespace {

bool ParseStrictInt(const std::string& text, int& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  auto [ptr, ec] = std::from_chars(first, last, value);
  return ec == std::errc() && ptr == last && first != last;
}

bool ParseInputMode(const std::string& text, InputMode& mode) {
  if (text == "File") mode = InputMode::kFile;
  else if (text == "Directory") mode = InputMode::kDirectory;
  else if (text == "Batch") mode = InputMode::kBatchFile;
  else return false;
  return true;
}

using NameField = std::string WorkbenchState::*;
using IntField = int WorkbenchState::*;
using TextField = std::string DialogTexts::*;

const std::map<std::string, NameField>& NameFields() {
  static const std::map<std::string, NameField> fields = {
      {"trainingFile", &WorkbenchState::trainingFile},
      {"retrainingFile", &WorkbenchState::retrainingFile},
      {"recognitionFile", &WorkbenchState::recognitionFile},
      {"recognitionOutputFile", &WorkbenchState::recognitionOutputFile},
      {"userDistributionFile", &WorkbenchState::userDistributionFile},
      {"predictionInputFile", &WorkbenchState::predictionInputFile},
      {"predictionOutputFile", &WorkbenchState::predictionOutputFile},
  };
  return fields;
}

struct IntFieldInfo {
  IntField field;
  std::vector<TextField> texts;  // text forms that mirror the integer
};

const std::map<std::string, IntFieldInfo>& IntFields() {
  using W = WorkbenchState;
  using T = DialogTexts;
  static const std::map<std::string, IntFieldInfo> fields = {
      {"precision", {&W::precision, {&T::linkPrecision}}},
      {"trend", {&W::trend, {&T::linkTrend}}},
      {"runCode", {&W::runCode, {}}},
      {"breakerStep", {&W::breakerStep, {}}},
      {"line2Start", {&W::line2Start, {&T::line2}}},
      {"line3Start", {&W::line3Start, {&T::line3}}},
      {"line4Start", {&W::line4Start, {&T::line4}}},
      {"line5Start", {&W::line5Start, {&T::line5}}},
      {"symmetryStart", {&W::symmetryStart, {&T::symmetryStart}}},
      {"symmetryEnd", {&W::symmetryEnd, {&T::symmetryEnd}}},
      {"symmetryXDim", {&W::symmetryXDim, {&T::symmetryX}}},
      {"symmetryYDim", {&W::symmetryYDim, {&T::symmetryY}}},
      {"symmetryKind", {&W::symmetryKind, {}}},
      {"shifterBits", {&W::shifterBits, {&T::shifterBits}}},
      {"trainingVectorCount",
       {&W::trainingVectorCount, {&T::shifterTraining, &T::counterTraining}}},
      {"retrainingVectorCount",
       {&W::retrainingVectorCount,
        {&T::shifterRetraining, &T::counterRetraining}}},
      {"recognitionPatternCount",
       {&W::recognitionPatternCount,
        {&T::shifterRecognition, &T::counterRecognition}}},
      {"counterBits", {&W::counterBits, {&T::counterBits}}},
  };
  return fields;
}

const std::map<std::string, TextField>& TextFields() {
  using T = DialogTexts;
  static const std::map<std::string, TextField> fields = {
      {"files.training", &T::training},
      {"files.retraining", &T::retraining},
      {"files.recognition", &T::recognition},
      {"files.output", &T::output},
      {"files.distribution", &T::distribution},
      {"link.input", &T::linkInput},
      {"link.output", &T::linkOutput},
      {"link.precision", &T::linkPrecision},
      {"link.trend", &T::linkTrend},
      {"breaker.line2", &T::line2},
      {"breaker.line3", &T::line3},
      {"breaker.line4", &T::line4},
      {"breaker.line5", &T::line5},
      {"shifter.bits", &T::shifterBits},
      {"shifter.training", &T::shifterTraining},
      {"shifter.retraining", &T::shifterRetraining},
      {"shifter.recognition", &T::shifterRecognition},
      {"counter.bits", &T::counterBits},
      {"counter.training", &T::counterTraining},
      {"counter.retraining", &T::counterRetraining},
      {"counter.recognition", &T::counterRecognition},
      {"symmetry.start", &T::symmetryStart},
      {"symmetry.end", &T::symmetryEnd},
      {"symmetry.x", &T::symmetryX},
      {"symmetry.y", &T::symmetryY},
  };
  return fields;
}

const std::map<std::string, bool DialogTexts::*>& CheckBoxes() {
  using T = DialogTexts;
  static const std::map<std::string, bool T::*> boxes = {
      {"symmetry.xTranslation", &T::xTranslation},
      {"symmetry.yTranslation", &T::yTranslation},
      {"symmetry.xScaling", &T::xScaling},
      {"symmetry.yScaling", &T::yScaling},
      {"symmetry.zRotation", &T::zRotation},
  };
  return boxes;
}

}  // namespace

std::string SetStateField(WorkbenchState& state, const std::string& name,
                          const std::string& value) {
  if (auto it = NameFields().find(name); it != NameFields().end()) {
    if (value.size() > kMaxFileNameLength) {
      return "file name longer than 249 characters: " + name;
    }
    state.*(it->second) = value;
    return {};
  }
  if (auto it = IntFields().find(name); it != IntFields().end()) {
    int number = 0;
    if (!ParseStrictInt(value, number)) {
      return "not an integer for " + name + ": " + value;
    }
    state.*(it->second.field) = number;
    for (TextField text : it->second.texts) state.texts.*text = IntegerText(number);
    if (name == "shifterBits") state.shifterNeurons = 2 * number + 3;
    return {};
  }
  if (name == "inputMode") {
    InputMode mode;
    if (!ParseInputMode(value, mode)) {
      return "inputMode must be File, Directory or Batch: " + value;
    }
    state.inputMode = mode;
    if (mode != InputMode::kBatchFile) state.texts.linkMode = mode;
    return {};
  }
  return "unknown field: " + name;
}

std::string SetDialogText(WorkbenchState& state, const std::string& name,
                          const std::string& value) {
  if (auto it = TextFields().find(name); it != TextFields().end()) {
    if (value.size() > kMaxFileNameLength) {
      return "dialog text longer than 249 characters: " + name;
    }
    state.texts.*(it->second) = value;
    return {};
  }
  if (auto it = CheckBoxes().find(name); it != CheckBoxes().end()) {
    if (value != "0" && value != "1") return name + " must be 0 or 1";
    state.texts.*(it->second) = value == "1";
    return {};
  }
  if (name == "link.mode") {
    InputMode mode;
    if (!ParseInputMode(value, mode) || mode == InputMode::kBatchFile) {
      return "link.mode must be File or Directory: " + value;
    }
    state.texts.linkMode = mode;
    return {};
  }
  return "unknown dialog text: " + name;
}

}  // namespace foresta
