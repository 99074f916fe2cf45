#include "frame/print_commands.h"

#include "frame/command_routing.h"
#include "frame/plume_ed_app.h"
#include "frame/plume_ed_window.h"
#include "print/document_printer.h"

namespace foresta {

void InstallPrinting(plume_edApp& window, DocumentPrinter& printer) {
  window.SetPrintHandler(
      [&window, &printer](int id, plume_edWindow* editor) {
        if (id == kCmPrintSetup) {
          printer.PrintSetup(&window);
        } else if (editor != nullptr && id == kCmPrint) {
          printer.Print(*editor, &window);
        } else if (editor != nullptr && id == kCmPrintPreview) {
          printer.Preview(&window, *editor,
                          [&printer, &window, editor] { printer.Print(*editor, &window); });
        }
      },
      [&printer](plume_edWindow* editor) { return printer.CanPrint(editor); });
}

}  // namespace foresta
