#ifndef FORESTA_PRINT_DOCUMENT_PRINTER_H_
#define FORESTA_PRINT_DOCUMENT_PRINTER_H_

#include <functional>
#include <memory>

#include "print/drawing_print_out.h"

class QPrinter;
class QWidget;

namespace foresta {

class TEditClient;

// Result codes of DocumentPrinter::Print beyond APXPrintOut's.
inline constexpr int kPrintCancelled = 3;

// The application's printer and the three File commands on it: Print,
// Print Setup and Print Preview. The owner (the application object) keeps
// one for the whole run.
class DocumentPrinter {
 public:
  DocumentPrinter();
  ~DocumentPrinter();
  DocumentPrinter(const DocumentPrinter&) = delete;
  DocumentPrinter& operator=(const DocumentPrinter&) = delete;

  // The printer for the system's default printer, made on first use.
  QPrinter& Printer();

  // Whether the three commands are enabled: a document window is active
  // (`active` not null) and the printer is usable.
  bool CanPrint(const TEditClient* active);

  // Shows the print dialog for `editor`'s document and prints it; returns a
  // kPrint* code. A failure is also shown in a message box over `owner`.
  int Print(TEditClient& editor, QWidget* owner);

  // Shows the page setup dialog of the printer.
  void PrintSetup(QWidget* owner);

  // Shows the preview of `editor`'s document over `mainWindow` and returns
  // when the user chose Done. `print` is the frame's Print command.
  void Preview(QWidget* mainWindow, TEditClient& editor, std::function<void()> print);

  // Print and Print Preview of a drawing (a chart) of proportions `size`:
  // one page, the drawing as large as the page allows.
  int PrintDrawing(const QSizeF& size, const PageDrawing& draw, QWidget* owner);
  void PreviewDrawing(QWidget* mainWindow, const QSizeF& size, const PageDrawing& draw);

  // Whether a drawing can be printed now: the printer is usable.
  bool CanPrintDrawing();

  // Print or preview operations under way.
  int PrintingCount() const { return printingCount_; }

 private:
  std::unique_ptr<QPrinter> printer_;
  int printingCount_ = 0;
};

}  // namespace foresta

#endif  // FORESTA_PRINT_DOCUMENT_PRINTER_H_
