#include "cli/print_command.h"

#include <QApplication>
#include <QFont>
#include <QPdfWriter>
#include <QString>
#include <cstdlib>
#include <memory>
#include <ostream>

#include "editor/document_file.h"
#include "editor/edit_prompter.h"
#include "editor/widget/edit_client.h"
#include "print/apx_print_out.h"

namespace foresta {
namespace {

// The editor's messages go to standard error; no question is ever put.
class StreamPrompter : public EditPrompter {
 public:
  explicit StreamPrompter(std::ostream& err) : err_(err) {}
  Answer Message(const std::string& caption, const std::string& text, Buttons, Icon) override {
    err_ << "foresta-cli: " << caption << ": " << text << "\n";
    return Answer::kCancel;
  }
  bool AskSaveFileName(std::string*) override { return false; }

 private:
  std::ostream& err_;
};

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

}  // namespace

int RunPrint(const GlobalOptions&, const std::vector<std::string>& args, CliStreams io) {
  std::string input;
  std::string pdf;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--pdf") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        io.err << "foresta-cli: --pdf needs an output file\n";
        return kExitUsage;
      }
      pdf = args[++i];
    } else if (input.empty() && !arg.empty() && arg[0] != '-') {
      input = arg;
    } else {
      io.err << "foresta-cli: unexpected argument to print: " << arg << "\n";
      return kExitUsage;
    }
  }
  if (input.empty() || pdf.empty()) {
    io.err << "foresta-cli: print needs a file and --pdf OUT.pdf\n";
    return kExitUsage;
  }

  // Only this subcommand needs a window system; without a display it draws
  // offscreen, so printing works on a server too.
  std::unique_ptr<QApplication> app;
  if (QCoreApplication::instance() == nullptr) {
    if (!HasDisplay() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "foresta-cli";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QApplication>(argc, argv);
  }

  StreamPrompter prompter(io.err);
  TEditClient editor(nullptr, QString(), &prompter);
  editor.Document().FileName = input;
  int read = editor.Document().Read();
  if (read != kReadOk) {
    // A partly read document would print as if it were whole.
    io.err << "foresta-cli: cannot print " << input << ": "
           << (read == kReadCannotOpen ? "the file cannot be opened"
                                       : read == kReadTooManyLines ? "the file has too many lines"
                                                                   : "the file could not be read in full")
           << "\n";
    return kExitFailure;
  }

  QPdfWriter writer(QString::fromLocal8Bit(pdf.c_str()));
  writer.setTitle(QString::fromLocal8Bit(input.c_str()));
  APXPrintOut printout(writer, editor);
  int pages = 0;
  int code = printout.Print(&pages);
  if (code != kPrintOk) {
    io.err << "foresta-cli: cannot write " << pdf << "\n";
    return kExitFailure;
  }
  io.out << "pages: " << pages << ", lines per page: " << printout.LinesPerPage
         << ", lines: " << editor.Document().Text().Count() << "\n";
  return kExitOk;
}

}  // namespace foresta
