#include "workbench/workbench.h"

#include <exception>
#include <new>

#include "prediction/input_check.h"
#include "state/message_codes.h"
#include "state/message_texts.h"

namespace foresta {

Workbench::Workbench(Shell& shell) : shell_(shell) {}

bool Workbench::HasCommand(int id) {
  const CommandRow* row = FindCommand(id);
  return row != nullptr && row->handler != nullptr;
}

void Workbench::Execute(int id) {
  const CommandRow* row = FindCommand(id);
  if (row == nullptr || row->handler == nullptr) return;
  try {
    row->handler(*this);
  } catch (const std::bad_alloc&) {
    shell_.ShowMessage(kProductName,
                       "Not enough memory to finish command " +
                           std::to_string(id) +
                           ". The command was stopped; your documents are "
                           "unchanged.",
                       MessageButtons::kOk, MessageIcon::kError);
  } catch (const std::exception& e) {
    shell_.ShowMessage(kProductName,
                       "Command " + std::to_string(id) +
                           " stopped: " + e.what(),
                       MessageButtons::kOk, MessageIcon::kError);
  }
}

void Workbench::Inform(int code) {
  state_.statusCode = code;
  auto text = InformationText(code);
  shell_.ShowInformation(code, text ? std::string(*text) : std::string());
}

void Workbench::InformWith(int code, const std::string& particulars) {
  state_.statusCode = code;
  state_.statusParticulars = particulars;
  std::string text(InformationText(code).value_or(""));
  if (!particulars.empty()) text += "\n" + particulars + " ";
  shell_.ShowInformation(code, text);
}

bool Workbench::Ask(int code) {
  state_.statusCode = code;
  auto message = QuestionText(code, state_);
  if (!message) message = QuestionMessage{"Information", ""};
  return shell_.ShowQuestion(code, message->caption, message->text);
}

std::string Workbench::DocumentFor(int code) const {
  switch (code) {
    case kDocExampleNotes: return "example.txt";
    case kDocHowToUse: return "help.txt";
    case kDocManual: return "manual.txt";
    case kDocTraining: return state_.trainingFile;
    case kDocRetraining: return state_.retrainingFile;
    case kDocRecognition: return state_.recognitionFile;
    case kDocRecognitionOutput: return state_.recognitionOutputFile;
    case kDocDistribution: return state_.userDistributionFile;
    case kDocInput: return state_.predictionInputFile;
    case kDocReport: return state_.predictionOutputFile;
    case kDocEcho: return kEchoFile;
    case kDocBatch: return state_.batchFile;
    case kDocBacktestReport: return kBacktestReportFile;
    case kDocAdvisedPrediction: return kAdvisedPredictionFile;
    default: return {};
  }
}

void Workbench::Open(int code) {
  state_.statusCode = code;
  std::string file = DocumentFor(code);
  if (!file.empty()) shell_.OpenDocument(code, file);
}

bool Workbench::OpenEngineOutput() {
  return engine_.OpenReportFile(state_.recognitionOutputFile);
}

std::string AboutText() {
  return std::string(kProductTitle) +
         "\nForecasting workbench for numeric time series\n\n"
         "Help > Note opens the manual (manual.txt).\n"
         "Foresta is free software under the GNU General Public License, "
         "version 3 or later (GPL-3.0-or-later); the full text is in the "
         "file LICENSE that comes with it.";
}

}  // namespace foresta
