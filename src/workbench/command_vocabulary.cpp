#include "workbench/command_vocabulary.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace foresta {
namespace {

// Every row, sorted by identifier; built once, read by every workbench.
std::vector<CommandRow> CollectRows() {
  std::vector<CommandRow> rows;
  for (auto group : {WindowCommandRows(), FoundationCommandRows(), DialogCommandRows(),
                     PredictionCommandRows(), BatchCommandRows(), EngineCommandRows(),
                     EngineModeCommandRows(), ExampleCommandRows(), ToolsCommandRows()}) {
    rows.insert(rows.end(), group.begin(), group.end());
  }
  std::sort(rows.begin(), rows.end(),
            [](const CommandRow& a, const CommandRow& b) { return a.id < b.id; });
  auto twice = std::adjacent_find(rows.begin(), rows.end(),
                                  [](const CommandRow& a, const CommandRow& b) {
                                    return a.id == b.id;
                                  });
  if (twice != rows.end()) {
    throw std::logic_error("command " + std::to_string(twice->id) + " has two rows");
  }
  return rows;
}

constexpr int kBar = 0;

constexpr int kFileMenu[] = {
    kCmFileNew, kCmFileOpen, kCmImportCsv, kCmFileClose, kBar,
    kCmFileSave, kCmFileSaveAs, kCmFileRevert, kBar,
    kCmPrintPreview, kCmPrint, kCmPrintSetup, kBar,
    kCmExit,
};

constexpr int kEditMenu[] = {
    kCmEditUndo, kCmEditRedo, kBar,
    kCmEditCut, kCmEditCopy, kCmEditPaste, kBar,
    kCmEditClear, kCmEditSelectAll, kCmEditDelete, kBar,
    kCmEditFind, kCmEditReplace, kCmEditFindNext, kBar,
    kCmFont,
};

constexpr int kDataMenu[] = {kCmLink, kCmInput, kCmOutput, kCmTestInput};

constexpr int kRealMenu[] = {
    kCmRealFirst, kCmRealFirst + 1, kCmRealFirst + 2, kBar,
    kCmRealFirst + 3, kCmRealFirst + 4, kCmRealFirst + 5, kBar,
    kCmRealFirst + 6, kCmRealFirst + 7, kCmRealFirst + 8,
};

constexpr int kIntegerMenu[] = {
    kCmIntegerFirst, kCmIntegerFirst + 1, kCmIntegerFirst + 2, kBar,
    kCmIntegerFirst + 3, kCmIntegerFirst + 4, kCmIntegerFirst + 5,
};

constexpr int kAvgMaxMenu[] = {
    kCmAvgMaxFirst, kCmAvgMaxFirst + 1, kCmAvgMaxFirst + 2, kBar,
    kCmAvgMaxFirst + 3, kCmAvgMaxFirst + 4, kCmAvgMaxFirst + 5, kBar,
    kCmAvgMaxFirst + 6, kCmAvgMaxFirst + 7, kCmAvgMaxFirst + 8, kBar,
    kCmAvgMaxFirst + 9, kCmAvgMaxFirst + 10, kCmAvgMaxFirst + 11,
};

constexpr int kAverage3Menu[] = {
    kCmAverage3First, kCmAverage3First + 1, kCmAverage3First + 2, kBar,
    kCmAverage3First + 3, kCmAverage3First + 4, kCmAverage3First + 5, kBar,
    kCmAverage3First + 6, kCmAverage3First + 7, kCmAverage3First + 8,
};

constexpr int kAverage10Menu[] = {
    kCmAverage10First, kCmAverage10First + 1, kCmAverage10First + 2, kBar,
    kCmAverage10First + 3, kCmAverage10First + 4, kCmAverage10First + 5, kBar,
    kCmAverage10First + 6, kCmAverage10First + 7, kCmAverage10First + 8,
};

constexpr int kBatchMenu[] = {kCmBatchOpen, kCmBatchSave, kCmBatchRun};

constexpr int kExampleMenu[] = {
    kCmExampleDynamicSystem, kCmExampleMarkovChain, kBar,
    kCmExampleCash3X, kCmExampleCash3Y, kCmExampleCash3Z, kCmExampleCash3Batch,
    kCmExampleCash3Dir, kCmExampleDj30Dir, kCmExampleDj30Batch, kBar,
    kCmExampleIntel1, kCmExampleIntel2, kCmExampleIntel3, kCmExampleIntel4,
    kCmExampleIntel5, kBar,
    kCmExampleUserData,
};

constexpr int kViewMenu[] = {kCmViewChart};

constexpr int kToolsMenu[] = {kCmBacktest, kBar, kCmUseRecommended, kCmPredictRecommended};

constexpr int kWindowMenu[] = {kCmCascade, kCmTile, kCmArrangeIcons, kCmCloseAll};

constexpr int kHelpMenu[] = {
    kCmHelpContents, kCmHelpUsing, kBar, kCmNote, kBar, kCmAbout,
};

constexpr std::array<MenuDefinition, 14> kMenuBar = {{
    {"&File", kFileMenu},
    {"&Edit", kEditMenu},
    {"&Data", kDataMenu},
    {"Rea&l", kRealMenu},
    {"&Integer", kIntegerMenu},
    {"AvgMa&x", kAvgMaxMenu},
    {"&3-Average", kAverage3Menu},
    {"&10-Average", kAverage10Menu},
    {"&Batch", kBatchMenu},
    {"Exa&mple", kExampleMenu},
    {"&View", kViewMenu},
    {"&Tools", kToolsMenu},
    {"&Window", kWindowMenu},
    {"&Help", kHelpMenu},
}};

}  // namespace

std::span<const CommandRow> AllCommands() {
  static const std::vector<CommandRow> rows = CollectRows();
  return rows;
}

const CommandRow* FindCommand(int id) {
  std::span<const CommandRow> rows = AllCommands();
  auto it = std::lower_bound(rows.begin(), rows.end(), id,
                             [](const CommandRow& row, int key) { return row.id < key; });
  return it != rows.end() && it->id == id ? &*it : nullptr;
}

std::string CommandHint(int id) {
  const CommandRow* row = FindCommand(id);
  return row != nullptr ? std::string(row->hint) : std::string();
}

std::string PlainLabel(std::string_view label) {
  std::string plain;
  for (std::size_t i = 0; i < label.size(); ++i) {
    // "&&" stands for one ampersand; a single one marks the mnemonic.
    if (label[i] == '&' && i + 1 < label.size()) ++i;
    plain += label[i];
  }
  return plain;
}

std::span<const MenuDefinition> MainMenuBar() { return kMenuBar; }

std::string MenuOf(int id) {
  if (id == kBar) return {};
  for (const MenuDefinition& menu : kMenuBar) {
    if (std::find(menu.ids.begin(), menu.ids.end(), id) != menu.ids.end()) {
      return PlainLabel(menu.title);
    }
  }
  return {};
}

}  // namespace foresta
