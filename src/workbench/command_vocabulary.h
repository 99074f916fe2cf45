#ifndef FORESTA_WORKBENCH_COMMAND_VOCABULARY_H_
#define FORESTA_WORKBENCH_COMMAND_VOCABULARY_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "workbench/command_ids.h"

namespace foresta {

class Workbench;

using CommandHandler = void (*)(Workbench&);

// One command: what the menus show of it and what runs it.
struct CommandRow {
  int id;
  // The menu label, "&" before the mnemonic; empty when no menu shows it.
  std::string_view label;
  // What the status bar says while the command is under the pointer.
  std::string_view hint;
  // Runs the command in the workbench; nullptr for the commands the window
  // and its documents handle themselves (File, Edit, Window).
  CommandHandler handler;
  // The key shown right of the label, when the menu shows one.
  std::string_view keyText = {};
};

// The rows of each group of commands, kept beside their handlers.
std::span<const CommandRow> WindowCommandRows();
std::span<const CommandRow> FoundationCommandRows();
std::span<const CommandRow> DialogCommandRows();
std::span<const CommandRow> PredictionCommandRows();
std::span<const CommandRow> BatchCommandRows();
std::span<const CommandRow> EngineCommandRows();
std::span<const CommandRow> EngineModeCommandRows();
std::span<const CommandRow> ExampleCommandRows();
std::span<const CommandRow> ToolsCommandRows();

// Every command, in identifier order. Each identifier has exactly one row.
std::span<const CommandRow> AllCommands();

// The row of `id`, or nullptr for an identifier no command has.
const CommandRow* FindCommand(int id);

// The status-bar hint of `id`; empty when it has none.
std::string CommandHint(int id);

// A menu label without its mnemonic marker ("Save &As..." -> "Save As...").
std::string PlainLabel(std::string_view label);

// One menu of the menu bar: its title ("&" before the mnemonic) and its
// command identifiers in order, 0 standing for a separator.
struct MenuDefinition {
  std::string_view title;
  std::span<const int> ids;
};

// The menu bar, left to right.
std::span<const MenuDefinition> MainMenuBar();

// The title (without the mnemonic marker) of the menu that shows `id`, or
// empty when no menu shows it.
std::string MenuOf(int id);

}  // namespace foresta

#endif  // FORESTA_WORKBENCH_COMMAND_VOCABULARY_H_
