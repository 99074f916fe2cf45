// Handlers of the Data menu's file commands, the input test and Help.
#include "prediction/input_check.h"
#include "state/message_codes.h"
#include "workbench/command_vocabulary.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

void OpenInputFile(Workbench& wb) { wb.Open(kDocInput); }
void OpenPredictionReport(Workbench& wb) { wb.Open(kDocReport); }

void TestInputData(Workbench& wb) {
  const WorkbenchState& s = wb.state();
  InputTestRequest request{s.predictionInputFile, s.precision, s.trend};
  int rowCount = -1;
  int code = TestInputFile(request, wb.prediction(), rowCount);
  wb.Inform(kMsgInputTestBase + code);
  if (code == kInputInvalidCharacter) wb.Open(kDocEcho);
}

void OpenExampleNotes(Workbench& wb) { wb.Open(kDocExampleNotes); }
void HowToUse(Workbench&) {}  // routable, deliberately does nothing
void OpenManual(Workbench& wb) { wb.Open(kDocManual); }

void About(Workbench& wb) {
  wb.state().statusCode = kMsgAbout;
  wb.shell().ShowMessage(kProductWebAddress, AboutText(), MessageButtons::kOk,
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

constexpr CommandRow kRows[] = {
    {kCmInput, "&Input", "Open the input data file", OpenInputFile},
    {kCmOutput, "&Output", "Open the results of the last prediction", OpenPredictionReport},
    {kCmTestInput, "&Test", "Test the format of the input data file", TestInputData},
    {kCmExampleNotes, "", "About the examples", OpenExampleNotes},
    {kCmHowToUse, "", "How to use KORVA for Windows ", HowToUse},
    {kCmNote, "&Note", "On line notes", OpenManual},
    {kCmAbout, "&About", "Quorlith About", About},
    {kCmHelpContents, "&Contents", "Help table of contents", HelpContents},
    {kCmHelpUsing, "&Using help", "Help on using online Help", HelpOnHelp},
};

}  // namespace

std::span<const CommandRow> FoundationCommandRows() { return kRows; }

}  // namespace foresta
