#include "state/recording_shell.h"

#include <utility>

#include "state/message_texts.h"

namespace foresta {

void RecordingShell::Record(ShellEvent event) {
  events_.push_back(std::move(event));
  OnEvent(events_.back());
}

void RecordingShell::ShowInformation(int code, const std::string& text) {
  Record({ShellEvent::Kind::kInformation, code,
          std::string(kInformationCaption), text});
}

bool RecordingShell::ShowQuestion(int code, const std::string& caption,
                                  const std::string& text) {
  Record({ShellEvent::Kind::kQuestion, code, caption, text});
  return answerYes;
}

MessageAnswer RecordingShell::ShowMessage(const std::string& caption,
                                          const std::string& text,
                                          MessageButtons buttons,
                                          MessageIcon /*icon*/) {
  Record({ShellEvent::Kind::kMessage, 0, caption, text});
  switch (buttons) {
    case MessageButtons::kOk:
      return MessageAnswer::kOk;
    case MessageButtons::kOkCancel:
      return answerYes ? MessageAnswer::kOk : MessageAnswer::kCancel;
    case MessageButtons::kYesNo:
    case MessageButtons::kYesNoCancel:
      break;
  }
  return answerYes ? MessageAnswer::kYes : MessageAnswer::kNo;
}

void RecordingShell::OpenDocument(int code, const std::string& file) {
  Record({ShellEvent::Kind::kOpen, code, "", file});
}

bool RecordingShell::RunDialog(DialogKind kind, WorkbenchState& /*state*/) {
  Record({ShellEvent::Kind::kDialog, static_cast<int>(kind), "", ""});
  return confirmDialogs;
}

bool RecordingShell::ShowHelp(const HelpRequest& request) {
  Record({ShellEvent::Kind::kHelp, static_cast<int>(request.kind), "",
          std::to_string(request.commandId)});
  return helpAvailable;
}

void RecordingShell::Beep() { Record({ShellEvent::Kind::kBeep, 0, "", ""}); }

}  // namespace foresta
