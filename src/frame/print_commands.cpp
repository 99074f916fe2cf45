#include "frame/print_commands.h"

#include "frame/chart/chart_document.h"
#include "frame/command_routing.h"
#include "frame/plume_ed_app.h"
#include "frame/plume_ed_window.h"
#include "print/document_printer.h"

namespace foresta {
namespace {

plume_edWindow* EditorOf(QWidget* document) { return qobject_cast<plume_edWindow*>(document); }

ChartDocument* ChartOf(QWidget* document) { return qobject_cast<ChartDocument*>(document); }

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
      [&window, &printer](int id, QWidget* document) {
        plume_edWindow* editor = EditorOf(document);
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
      [&printer](QWidget* document) {
        if (ChartOf(document) != nullptr) return printer.CanPrintDrawing();
        return printer.CanPrint(EditorOf(document));
      });
}

}  // namespace foresta
