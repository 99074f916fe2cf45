#ifndef FORESTA_PRINT_COMMANDS_H_
#define FORESTA_PRINT_COMMANDS_H_

namespace foresta {

class DocumentPrinter;
class plume_edApp;

// Connects the window's Print, Print Setup and Print Preview commands to
// `printer`, which must outlive the window. The commands are enabled while a
// document window is active and the printer is usable.
void InstallPrinting(plume_edApp& window, DocumentPrinter& printer);

}  // namespace foresta

#endif  // FORESTA_PRINT_COMMANDS_H_
