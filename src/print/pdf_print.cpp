#include "print/pdf_print.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QString>
#include <cstdlib>
#include <memory>
#include <ostream>

#include "editor/document_file.h"
#include "editor/edit_prompter.h"
#include "editor/widget/edit_client.h"
#include "foresta/version.h"
#include "print/apx_print_out.h"

namespace foresta {
namespace {

constexpr const char* kUsage =
    "Usage: foresta-print FILE --pdf OUT.pdf\n"
    "Prints a text file onto the pages of a PDF file exactly as the Foresta\n"
    "editor prints it, and reports the pages, the lines per page and the lines.\n"
    "Without a display it draws offscreen.\n"
    "\n"
    "  --pdf OUT.pdf  the PDF file to write (replaced when it exists)\n"
    "  --help         show this text and exit\n"
    "  --version      show the product name and version and exit\n"
    "\n"
    "Exit status: 0 printed, 1 the file could not be read or the PDF not\n"
    "written, 2 usage.\n";

// The editor's messages go to standard error; no question is ever put.
class StreamPrompter : public EditPrompter {
 public:
  explicit StreamPrompter(std::ostream& err) : err_(err) {}
  Answer Message(const std::string& caption, const std::string& text, Buttons, Icon) override {
    err_ << "foresta-print: " << caption << ": " << text << "\n";
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

const char* ReadProblem(int read) {
  switch (read) {
    case kReadCannotOpen: return "the file cannot be opened";
    case kReadTooManyLines: return "the file has too many lines";
    default: return "the file could not be read in full";
  }
}

// A written PDF ends with the end-of-file marker; a regular file that does
// not was cut short on its way to the disk.
bool EndsLikeAPdf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() < 16) return false;
  if (!file.read(5).startsWith("%PDF-")) return false;
  file.seek(file.size() - 16);
  return file.read(16).contains("%%EOF");
}

}  // namespace

int RunPdfPrint(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string input;
  std::string pdf;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help") {
      out << kUsage;
      return kPdfPrintOk;
    } else if (arg == "--version") {
      out << kProductTitle << "\n";
      return kPdfPrintOk;
    } else if (arg == "--pdf") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        err << "foresta-print: --pdf needs an output file\n";
        return kPdfPrintUsage;
      }
      pdf = args[++i];
    } else if (input.empty() && !arg.empty() && arg[0] != '-') {
      input = arg;
    } else {
      err << "foresta-print: unexpected argument: " << arg << "\n";
      return kPdfPrintUsage;
    }
  }
  if (input.empty() || pdf.empty()) {
    err << "foresta-print: needs a file and --pdf OUT.pdf\n";
    return kPdfPrintUsage;
  }

  // The editor is a widget and needs an application; without a display it
  // draws offscreen, so printing works on a server too.
  std::unique_ptr<QApplication> app;
  if (QCoreApplication::instance() == nullptr) {
    if (!HasDisplay() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "foresta-print";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QApplication>(argc, argv);
  }

  StreamPrompter prompter(err);
  TEditClient editor(nullptr, QString(), &prompter);
  editor.Document().FileName = input;
  if (int read = editor.Document().Read(); read != kReadOk) {
    // A partly read document would print as if it were whole.
    err << "foresta-print: cannot print " << input << ": " << ReadProblem(read) << "\n";
    return kPdfPrintFailed;
  }

  // The program owns the file, so that a failed write (a full disk) is seen:
  // the PDF writer itself reports none.
  const QString path = QString::fromLocal8Bit(pdf.c_str());
  QFile file(path);
  int code = kPrintDeviceFailed;
  int pages = 0;
  int linesPerPage = 0;
  const bool opened = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
  if (opened) {
    QPdfWriter writer(&file);
    writer.setTitle(QString::fromLocal8Bit(input.c_str()));
    APXPrintOut printout(writer, editor);
    code = printout.Print(&pages);
    linesPerPage = printout.LinesPerPage;
  }
  const bool written = opened && code == kPrintOk && file.flush() &&
                       file.error() == QFileDevice::NoError;
  const std::string why = file.error() != QFileDevice::NoError ? file.errorString().toStdString() : "";
  file.close();
  const bool regular = QFileInfo(path).isFile();
  if (!written || (regular && !EndsLikeAPdf(path))) {
    err << "foresta-print: cannot write " << pdf << (why.empty() ? "" : ": ") << why << "\n";
    // A cut-short PDF is not left behind to pass for a printout.
    if (opened && regular) QFile::remove(path);
    return kPdfPrintFailed;
  }
  out << "pages: " << pages << ", lines per page: " << linesPerPage
      << ", lines: " << editor.Document().Text().Count() << "\n";
  return kPdfPrintOk;
}

}  // namespace foresta
