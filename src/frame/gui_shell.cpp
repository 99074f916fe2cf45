#include "frame/gui_shell.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include "frame/parameter_dialogs.h"
#include "state/bundled_files.h"
#include "state/message_texts.h"

namespace foresta {
namespace {

QString FromText(const std::string& text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kNone: return QMessageBox::NoIcon;
    case MessageIcon::kInformation: return QMessageBox::Information;
    case MessageIcon::kQuestion: return QMessageBox::Question;
    case MessageIcon::kWarning: return QMessageBox::Warning;
    case MessageIcon::kError: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOk: return QMessageBox::Ok;
    case MessageButtons::kYesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::kYesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::kOkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

}  // namespace

GuiShell::GuiShell(QWidget* window, std::string applicationTitle,
                   OpenHandler open, HelpHandler help)
    : window_(window),
      applicationTitle_(std::move(applicationTitle)),
      open_(std::move(open)),
      help_(std::move(help)) {}

int GuiShell::Exec(QDialog& dialog) {
  if (modal_) return modal_(dialog);
  return dialog.exec();
}

void GuiShell::ShowInformation(int, const std::string& text) {
  QMessageBox box(QMessageBox::Information, FromText(std::string(kInformationCaption)),
                  FromText(text), QMessageBox::Ok, window_);
  Exec(box);
}

bool GuiShell::ShowQuestion(int, const std::string& caption,
                            const std::string& text) {
  QMessageBox box(QMessageBox::Question, FromText(caption), FromText(text),
                  QMessageBox::Yes | QMessageBox::No, window_);
  return Exec(box) == QMessageBox::Yes;
}

MessageAnswer GuiShell::ShowMessage(const std::string& caption,
                                    const std::string& text,
                                    MessageButtons buttons, MessageIcon icon) {
  QMessageBox box(BoxIcon(icon), FromText(caption.empty() ? applicationTitle_ : caption),
                  FromText(text), BoxButtons(buttons), window_);
  switch (Exec(box)) {
    case QMessageBox::Yes: return MessageAnswer::kYes;
    case QMessageBox::No: return MessageAnswer::kNo;
    case QMessageBox::Ok: return MessageAnswer::kOk;
    default: return MessageAnswer::kCancel;
  }
}

void GuiShell::OpenDocument(int code, const std::string& file) {
  // Only the product's own documents are looked for beside the program; a
  // data or report file is always the one in the working directory, the
  // one the commands read and write.
  const bool bundled = code == 321 || code == 323 || code == 324;
  open_(bundled ? ResolveBundled(file) : file);
}

bool GuiShell::RunDialog(DialogKind kind, WorkbenchState& state) {
  std::unique_ptr<ParameterDialog> dialog = MakeParameterDialog(kind, state.texts, window_);
  if (dialog == nullptr || Exec(*dialog) != QDialog::Accepted) return false;
  dialog->TransferBack(state.texts);
  return true;
}

bool GuiShell::ShowHelp(const HelpRequest& request) { return help_(request); }

void GuiShell::Beep() { QApplication::beep(); }

// The bundled documents (help, manual, examples) come with the program; a
// bare name that is not in the working directory is looked for there.
std::string GuiShell::ResolveBundled(const std::string& file) const {
  const QString name = QString::fromLocal8Bit(file.c_str());
  const QFileInfo info(name);
  if (info.exists() || name.contains(QLatin1Char('/'))) return file;
  std::string bundled = FindBundled(bundle_.empty() ? BundledFilesDirectory() : bundle_, file);
  return bundled.empty() ? file : bundled;
}

}  // namespace foresta
