// Handlers of the Data menu's file commands, the input test and Help.
#include "prediction/input_check.h"
#include "workbench/command_table.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

void OpenInputFile(Workbench& wb) { wb.Open(552); }
void OpenPredictionReport(Workbench& wb) { wb.Open(553); }

void TestInputData(Workbench& wb) {
  const WorkbenchState& s = wb.state();
  InputTestRequest request{s.predictionInputFile, s.precision, s.trend};
  int rowCount = -1;
  int code = TestInputFile(request, wb.prediction(), rowCount);
  wb.Inform(kInputTestStatusBase + code);
  if (code == kInputInvalidCharacter) wb.Open(554);
}

void OpenExampleNotes(Workbench& wb) { wb.Open(321); }
void HowToUse(Workbench&) {}  // routable, deliberately does nothing
void OpenManual(Workbench& wb) { wb.Open(324); }

void About(Workbench& wb) {
  wb.state().statusCode = 325;
  wb.shell().ShowMessage(kProductTitle, AboutText(), MessageButtons::kOk,
                         MessageIcon::kInformation);
}

void HelpContents(Workbench& wb) {
  wb.state().helpUsed =
      wb.shell().ShowHelp({HelpRequest::Kind::kContents, 0});
}

void HelpOnHelp(Workbench& wb) {
  wb.state().helpUsed =
      wb.shell().ShowHelp({HelpRequest::Kind::kUsingHelp, 0});
}

}  // namespace

void RegisterFoundationCommands(CommandTable& table) {
  table.Add(552, OpenInputFile);
  table.Add(553, OpenPredictionReport);
  table.Add(554, TestInputData);
  table.Add(321, OpenExampleNotes);
  table.Add(323, HowToUse);
  table.Add(324, OpenManual);
  table.Add(325, About);
  table.Add(2001, HelpContents);
  table.Add(2002, HelpOnHelp);
}

}  // namespace foresta
