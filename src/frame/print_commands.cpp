#include "frame/print_commands.h"

#include "editor/widget/edit_client.h"
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

}  // namespace

void InstallPrinting(plume_edApp& window, DocumentPrinter& printer) {
  window.SetPrintHandler(
      [&window, &printer](int id, DocumentClient* document) {
        TEditClient* editor = EditorOf(document);
        if (id == kCmPrintSetup) {
          printer.PrintSetup(&window);
        } else if (editor != nullptr && id == kCmPrint) {
          printer.Print(*editor, &window);
        } else if (editor != nullptr && id == kCmPrintPreview) {
          printer.Preview(&window, *editor,
                          [&printer, &window, editor] { printer.Print(*editor, &window); });
        }
      },
      [&printer](DocumentClient* document) {
        return printer.CanPrint(EditorOf(document));
      });
}

}  // namespace foresta
