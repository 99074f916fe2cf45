#include "frame/print_commands.h"

#include "editor/widget/edit_client.h"
#include "frame/chart/chart_document.h"
#include "frame/command_routing.h"
#include "frame/document_client.h"
#include "frame/plume_ed_app.h"
#include "print/document_printer.h"

namespace foresta {
namespace {

TEditClient* EditorOf(DocumentClient* document) {
  return document != nullptr ? dynamic_cast<TEditClient*>(document->Widget())
                             : nullptr;
}

ChartDocument* ChartOf(DocumentClient* document) {
  return document != nullptr ? dynamic_cast<ChartDocument*>(document) : nullptr;
}

// A chart prints as one page, drawn as large as the page allows.
void PrintChart(int id, ChartDocument& chart, plume_edApp& window, DocumentPrinter& printer) {
  const PageDrawing draw = [&chart](QPainter& painter, const QRectF& target) {
    chart.Paint(painter, target);
  };
  if (id == kCmPrint) {
    printer.PrintDrawing(chart.PaintSize(), draw, &window);
  } else if (id == kCmPrintPreview) {
    printer.PreviewDrawing(&window, chart.PaintSize(), draw);
  }
}

}  // namespace

void InstallPrinting(plume_edApp& window, DocumentPrinter& printer) {
  window.SetPrintHandler(
      [&window, &printer](int id, DocumentClient* document) {
        TEditClient* editor = EditorOf(document);
        if (id == kCmPrintSetup) {
          printer.PrintSetup(&window);
        } else if (ChartDocument* chart = ChartOf(document)) {
          PrintChart(id, *chart, window, printer);
        } else if (editor != nullptr && id == kCmPrint) {
          printer.Print(*editor, &window);
        } else if (editor != nullptr && id == kCmPrintPreview) {
          printer.Preview(&window, *editor,
                          [&printer, &window, editor] { printer.Print(*editor, &window); });
        }
      },
      [&printer](DocumentClient* document) {
        if (ChartOf(document) != nullptr) return printer.CanPrintDrawing();
        return printer.CanPrint(EditorOf(document));
      });
}

}  // namespace foresta
