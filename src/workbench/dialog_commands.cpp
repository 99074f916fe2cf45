// Handlers of the commands that open a parameter dialog.
#include "workbench/command_vocabulary.h"
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

constexpr CommandRow kRows[] = {
    {kCmLink, "&Link", "Specify the input, trend and precision", Link},
    {kCmLineBreakers, "", "The positions of line breakers", EditLineBreakers},
    {kCmSymmetry, "", "Symmetry settings", Symmetry},
};

}  // namespace

std::span<const CommandRow> DialogCommandRows() { return kRows; }

}  // namespace foresta
