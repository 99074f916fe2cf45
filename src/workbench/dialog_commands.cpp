// Handlers of the commands that open a parameter dialog.
#include "workbench/command_table.h"
#include "workbench/dialog_runner.h"
#include "workbench/symmetry_dialog.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

void Link(Workbench& wb) {
  wb.state().dialogSelector = kLinkDialog;
  RunDialog(wb);
}

void EditLineBreakers(Workbench& wb) {
  wb.state().dialogSelector = kLineBreakerDialog;
  RunDialog(wb);
}

void Symmetry(Workbench& wb) { RunSymmetryCommand(wb); }

}  // namespace

void RegisterDialogCommands(CommandTable& table) {
  table.Add(551, Link);
  table.Add(360, EditLineBreakers);
  table.Add(363, Symmetry);
}

}  // namespace foresta
