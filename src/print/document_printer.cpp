#include "print/document_printer.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "editor/widget/edit_client.h"
#include "print/apx_print_out.h"
#include "print/preview_window.h"

namespace foresta {
namespace {

// Keeps the printing count raised for one operation, however it ends.
class PrintingSpan {
 public:
  explicit PrintingSpan(int& count) : count_(count) { ++count_; }
  ~PrintingSpan() { --count_; }
  PrintingSpan(const PrintingSpan&) = delete;
  PrintingSpan& operator=(const PrintingSpan&) = delete;

 private:
  int& count_;
};

// The print dialog for a whole document or drawing: no page range is
// offered. False when the user cancelled.
bool AskToPrintAll(QPrinter& printer, QWidget* owner) {
  QPrintDialog dialog(&printer, owner);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

DocumentPrinter::DocumentPrinter() = default;
DocumentPrinter::~DocumentPrinter() = default;

QPrinter& DocumentPrinter::Printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

bool DocumentPrinter::CanPrint(const TEditClient* active) {
  return active != nullptr && Printer().isValid();
}

int DocumentPrinter::Print(TEditClient& editor, QWidget* owner) {
  QPrinter& printer = Printer();
  PrintingSpan span(printingCount_);
  if (!AskToPrintAll(printer, owner)) return kPrintCancelled;
  printer.setPrintRange(QPrinter::AllPages);
  APXPrintOut printout(printer, editor);
  int code = printout.Print();
  if (code != kPrintOk) {
    QMessageBox::warning(owner, QStringLiteral("Print"),
                         code == kPrintDeviceFailed ? QStringLiteral("The printer could not be opened.")
                                                    : QStringLiteral("Printing stopped before the last page."));
  }
  return code;
}

bool DocumentPrinter::CanPrintDrawing() { return Printer().isValid(); }

int DocumentPrinter::PrintDrawing(const QSizeF& size, const PageDrawing& draw, QWidget* owner) {
  QPrinter& printer = Printer();
  PrintingSpan span(printingCount_);
  if (!AskToPrintAll(printer, owner)) return kPrintCancelled;
  const int code = foresta::PrintDrawing(printer, size, draw);
  if (code != kPrintOk) {
    QMessageBox::warning(owner, QStringLiteral("Print"), QStringLiteral("The printer could not be opened."));
  }
  return code;
}

void DocumentPrinter::PreviewDrawing(QWidget* mainWindow, const QSizeF& size,
                                     const PageDrawing& draw) {
  PrintingSpan span(printingCount_);
  QPrintPreviewDialog preview(&Printer(), mainWindow);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&size, &draw](QPrinter* printer) { foresta::PrintDrawing(*printer, size, draw); });
  preview.exec();
}

void DocumentPrinter::PrintSetup(QWidget* owner) {
  QPageSetupDialog dialog(&Printer(), owner);
  dialog.exec();
}

void DocumentPrinter::Preview(QWidget* mainWindow, TEditClient& editor, std::function<void()> print) {
  QPrinter& printer = Printer();
  PrintingSpan span(printingCount_);
  PreviewWindow preview(mainWindow, printer, editor, std::move(print));
  if (mainWindow != nullptr) {
    QSize client = mainWindow->size();
    if (auto* frame = qobject_cast<QMainWindow*>(mainWindow); frame && frame->centralWidget()) {
      client = frame->centralWidget()->size();
    }
    preview.move(0, -1);
    preview.resize(client.width(), client.height() + 1);
  }
  preview.setWindowModality(Qt::ApplicationModal);
  preview.exec();
}

}  // namespace foresta
