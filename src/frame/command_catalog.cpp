#include "frame/command_catalog.h"

#include <array>
#include <string_view>

#include "frame/command_ids.h"
#include "workbench/prediction_commands.h"

namespace foresta {
namespace {

constexpr MenuEntry kBar{0, "", ""};

constexpr MenuEntry kFileMenu[] = {
    {kCmFileNew, "&New", ""},
    {kCmFileOpen, "&Open...", ""},
    {kCmFileClose, "&Close", ""},
    kBar,
    {kCmFileSave, "&Save", ""},
    {kCmFileSaveAs, "Save &As...", ""},
    {kCmFileRevert, "R&evert to Saved", ""},
    kBar,
    {kCmPrintPreview, "Print Pre&view...", ""},
    {kCmPrint, "&Print...", ""},
    {kCmPrintSetup, "P&rint Setup...", ""},
    kBar,
    {kCmExit, "E&xit", "Alt+F4"},
};

constexpr MenuEntry kEditMenu[] = {
    {kCmEditUndo, "&Undo", "Alt+BkSp"},
    kBar,
    {kCmEditCut, "Cu&t", "Shift+Del"},
    {kCmEditCopy, "&Copy", "Ctrl+Ins"},
    {kCmEditPaste, "&Paste", "Shift+Ins"},
    kBar,
    {kCmEditClear, "Clear &All", "Ctrl+Del"},
    {kCmEditSelectAll, "&Select All", ""},
    {kCmEditDelete, "&Delete", "Del"},
    kBar,
    {kCmEditFind, "&Find...", ""},
    {kCmEditReplace, "&Replace...", ""},
    {kCmEditFindNext, "&Next", "F3"},
    kBar,
    {kCmFont, "&Font...", ""},
};

constexpr MenuEntry kDataMenu[] = {
    {551, "&Link", ""},
    {552, "&Input", ""},
    {553, "&Output", ""},
    {554, "&Test", ""},
};

constexpr MenuEntry kRealMenu[] = {
    {555, "+ Linear", ""},
    {556, "-- Linear", ""},
    {557, "0 Linear", ""},
    kBar,
    {558, "+ Exponential", ""},
    {559, "-- Exponential", ""},
    {560, "0 Exponential", ""},
    kBar,
    {561, "+ Linear Enumerative", ""},
    {562, "-- Linear Enumerative", ""},
    {563, "0 Linear Enumerative", ""},
};

constexpr MenuEntry kIntegerMenu[] = {
    {588, "+ Linear", ""},
    {589, "-- Linear", ""},
    {590, "0 Linear", ""},
    kBar,
    {591, "+ Linear Enumerative", ""},
    {592, "-- Linear Enumerative", ""},
    {593, "0 Linear Enumerative", ""},
};

constexpr MenuEntry kAvgMaxMenu[] = {
    {594, "+ Real Linear", ""},
    {595, "-- Real Linear", ""},
    {596, "0 Real Linear", ""},
    kBar,
    {597, "+ Real Exponential", ""},
    {598, "-- Real Exponential", ""},
    {599, "0 Real Exponential", ""},
    kBar,
    {600, "+ Integer Linear", ""},
    {601, "-- Integer Linear", ""},
    {602, "0 Integer Linear", ""},
    kBar,
    {603, "+ Integer Enumerative", ""},
    {604, "-- Integer Enumerative", ""},
    {605, "0 Integer Enumerative", ""},
};

#define FORESTA_AVERAGE_MENU(base)                                      \
  {                                                                     \
    {base + 0, "+ Real Linear", ""}, {base + 1, "-- Real Linear", ""},  \
        {base + 2, "0 Real Linear", ""}, kBar,                          \
        {base + 3, "+ Real Exponential", ""},                           \
        {base + 4, "-- Real Exponential", ""},                          \
        {base + 5, "0 Real Exponential", ""}, kBar,                     \
        {base + 6, "+ Integer Linear", ""},                             \
        {base + 7, "-- Integer Linear", ""},                            \
        {base + 8, "0 Integer Linear", ""},                             \
  }

constexpr MenuEntry kAverage3Menu[] = FORESTA_AVERAGE_MENU(610);
constexpr MenuEntry kAverage10Menu[] = FORESTA_AVERAGE_MENU(620);
#undef FORESTA_AVERAGE_MENU

constexpr MenuEntry kBatchMenu[] = {
    {565, "&Open", ""},
    {566, "&Save", ""},
    {567, "&Run", ""},
};

constexpr MenuEntry kExampleMenu[] = {
    {570, "Dynamic System", ""},
    {571, "Markov Chain", ""},
    kBar,
    {572, "CASH 3 (x)", ""},
    {573, "CASH 3 (y)", ""},
    {574, "CASH 3 (z)", ""},
    {575, "CASH 3, Batch", ""},
    {576, "CASH 3, Dir", ""},
    {577, "Quorlith DJ 30, Dir", ""},
    {578, "Quorlith DJ 30, Batch", ""},
    kBar,
    {581, "Intel 1 (Intel)", ""},
    {582, "Intel 2 (Avg of Intel)", ""},
    {583, "Intel 3 (Microsoft)", ""},
    {584, "Intel 4 (Avg of Intel, SP500, MSFT)", ""},
    {585, "Intel 5 (Avg of MSFT, SP500)", ""},
    kBar,
    {586, "a.txt", ""},
};

constexpr MenuEntry kWindowMenu[] = {
    {kCmCascade, "&Cascade", ""},
    {kCmTile, "&Tile", ""},
    {kCmArrangeIcons, "Arrange &Icons", ""},
    {kCmCloseAll, "C&lose All", ""},
};

constexpr MenuEntry kHelpMenu[] = {
    {kCmHelpContents, "&Contents", ""},
    {kCmHelpUsing, "&Using help", ""},
    kBar,
    {324, "&Note", ""},
    kBar,
    {325, "&About", ""},
};

const std::array<MenuDefinition, 12> kMenuBar = {{
    {"&File", kFileMenu},
    {"&Edit", kEditMenu},
    {"&Data", kDataMenu},
    {"Rea&l", kRealMenu},
    {"Int&eger", kIntegerMenu},
    {"AvgMa&x", kAvgMaxMenu},
    {"&3-Average", kAverage3Menu},
    {"&10-Average", kAverage10Menu},
    {"Batc&h", kBatchMenu},
    {"&Example", kExampleMenu},
    {"&Window", kWindowMenu},
    {"&Help", kHelpMenu},
}};

constexpr int kToolBar[] = {
    kCmFileNew, kCmFileOpen, kCmFileSave, 0,
    551, 552, 553, 0,
    555, 557, 556, 0,
    558, 560, 559, 0,
    kCmEditCut, kCmEditCopy, kCmEditPaste, 0,
    kCmEditUndo, kCmPrint, kCmPrintPreview, kCmHelpContents,
};

struct Hint {
  int id;
  std::string_view text;
};

// Hints of the frame's own commands and of the workbench's menu commands.
// Texts of the workbench commands are the product's own, kept verbatim.
constexpr Hint kHints[] = {
    {kCmFileNew, "Create a new document"},
    {kCmFileOpen, "Open an existing document; it becomes the input data file"},
    {kCmFileClose, "Close the active document"},
    {kCmFileSave, "Save the active document"},
    {kCmFileSaveAs, "Save the active document under a new name"},
    {kCmFileRevert, "Reload the active document from its file"},
    {kCmPrintPreview, "Show the pages of the active document as printed"},
    {kCmPrint, "Print the active document"},
    {kCmPrintSetup, "Choose a printer and its settings"},
    {kCmExit, "Quit the application"},
    {kCmEditUndo, "Undo the last change"},
    {kCmEditCut, "Cut the selection to the clipboard"},
    {kCmEditCopy, "Copy the selection to the clipboard"},
    {kCmEditPaste, "Insert the text on the clipboard"},
    {kCmEditDelete, "Delete the selection"},
    {kCmEditClear, "Delete the whole text"},
    {kCmEditSelectAll, "Select the whole text"},
    {kCmEditFind, "Find a text"},
    {kCmEditReplace, "Find a text and replace it"},
    {kCmEditFindNext, "Find the next occurrence"},
    {kCmFont, "Choose the display font"},
    {kCmCascade, "Arrange the document windows so that they overlap"},
    {kCmTile, "Arrange the document windows side by side"},
    {kCmArrangeIcons, "Line up the minimised document windows"},
    {kCmCloseAll, "Close every document window"},
    {565, "Open batch file"},
    {566, "Save batch file"},
    {567, "Run batch file"},
    {570, "Finite Dynamic System Predcition: Example"},
    {571, "Markov Chain Prediction: Example"},
    {572, "CASH 3 (Georgia USA): Predict the first number"},
    {573, "CASH 3 (Georgia USA): Predict the second number"},
    {574, "CASH 3 (Georgia USA): Predict the third number"},
    {575, "CASH 3 (Georgia USA): Predict the first 2 numbers"},
    {576, "CASH 3 (Georgia USA): Predict the first and third numbers"},
    {577, "CASH 3 (Georgia USA): Predict the first and third numbers"},
    {578, "CASH 3 (Georgia USA): Predict all numbers"},
    {581, "Predict Intel: Data Set = Intel"},
    {582, "Predict Intel: Data Set = 5-month moving average of Intel"},
    {583, "Predict Intel: Data Set = 5-month moving average of Microsoft"},
    {584, "Predict Intel: Data Set =  5-month moving average Intel, SP500, Microsoft"},
    {585, "Predict Intel: Data Set = 5-month moving average of Microsoft, SP500"},
    {586, "Save your data to a.txt and click this command to link"},
    {kCmHelpContents, "Help table of contents"},
    {kCmHelpUsing, "Help on using online Help"},
    {324, "On line notes"},
    {325, "Quorlith About"},
    {321, "About the examples"},
    {323, "How to use KORVA for Windows "},
    {360, "The positions of line breakers"},
    {363, "Symmetry settings"},
};

}  // namespace

std::span<const MenuDefinition> MainMenuBar() { return kMenuBar; }

std::span<const int> ToolBarLayout() { return kToolBar; }

std::string CommandHint(int id) {
  // The Data menu and the prediction commands keep their hints beside them.
  if (auto hint = PredictionCommandHint(id)) return *hint;
  for (const Hint& hint : kHints) {
    if (hint.id == id) return std::string(hint.text);
  }
  return {};
}

std::string ToolButtonName(int id) {
  switch (id) {
    case kCmFileNew: return "New";
    case kCmFileOpen: return "Open";
    case kCmFileSave: return "Save";
    case 551: return "Link";
    case 552: return "Input";
    case 553: return "Output";
    case 555: return "Real + Linear";
    case 556: return "Real -- Linear";
    case 557: return "Real 0 Linear";
    case 558: return "Real + Exponential";
    case 559: return "Real -- Exponential";
    case 560: return "Real 0 Exponential";
    case kCmEditCut: return "Cut";
    case kCmEditCopy: return "Copy";
    case kCmEditPaste: return "Paste";
    case kCmEditUndo: return "Undo";
    case kCmPrint: return "Print";
    case kCmPrintPreview: return "Print Preview";
    case kCmHelpContents: return "Help Contents";
    default: return {};
  }
}

}  // namespace foresta
