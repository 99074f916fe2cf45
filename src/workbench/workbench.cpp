#include "workbench/workbench.h"

#include <exception>
#include <fstream>
#include <new>

#include "state/message_texts.h"

namespace foresta {

Workbench::Workbench(Shell& shell) : shell_(shell) {
  RegisterFoundationCommands(commands_);
  RegisterEngineCommands(commands_);
  RegisterPredictionCommands(commands_);
  RegisterEngineModeCommands(commands_);
  // The engine keeps the report stream that the listing recognitions append to.
  SetEngineOutputOpener([](Workbench& wb) {
    return wb.engine().OpenReportFile(wb.state().recognitionOutputFile);
  });
  RegisterDialogCommands(commands_);
  RegisterBatchCommands(commands_);
  RegisterExampleCommands(commands_);
}

void Workbench::Execute(int id) {
  CommandHandler handler = commands_.Find(id);
  if (handler == nullptr) return;
  try {
    handler(*this);
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

bool Workbench::Ask(int code) {
  state_.statusCode = code;
  auto message = QuestionText(code, state_);
  if (!message) message = QuestionMessage{"Information", ""};
  return shell_.ShowQuestion(code, message->caption, message->text);
}

std::string Workbench::DocumentFor(int code) const {
  switch (code) {
    case 321: return "example.txt";
    case 323: return "help.txt";
    case 324: return "manual.txt";
    case 401: return state_.trainingFile;
    case 402: return state_.retrainingFile;
    case 403: return state_.recognitionFile;
    case 404: return state_.recognitionOutputFile;
    case 405: return state_.userDistributionFile;
    case 552: return state_.predictionInputFile;
    case 553: return state_.predictionOutputFile;
    case 554: return "error.tmp";
    case 566: return state_.batchFile;
    default: return {};
  }
}

void Workbench::Open(int code) {
  state_.statusCode = code;
  std::string file = DocumentFor(code);
  if (!file.empty()) shell_.OpenDocument(code, file);
}

bool Workbench::OpenEngineOutput() {
  if (engineOutputOpener_) return engineOutputOpener_(*this);
  std::ofstream out(state_.recognitionOutputFile,
                    std::ios::binary | std::ios::trunc);
  return static_cast<bool>(out);
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
