#ifndef FORESTA_FRAME_COMMAND_CATALOG_H_
#define FORESTA_FRAME_COMMAND_CATALOG_H_

#include <span>
#include <string>

namespace foresta {

// One entry of a menu: a command with its label ("&" marks the mnemonic) and
// the key shown at its right, or a separator (id 0).
struct MenuEntry {
  int id;
  const char* label;
  const char* keyText;  // "" when no key is shown
};

struct MenuDefinition {
  const char* title;
  std::span<const MenuEntry> entries;
};

// The menu bar, left to right, each menu's entries in order.
std::span<const MenuDefinition> MainMenuBar();

// The tool bar, left to right; 0 stands for a separator between groups.
std::span<const int> ToolBarLayout();

// The short name a tool button shows as its tool tip.
std::string ToolButtonName(int id);

// The hint the status bar shows while the command is highlighted or under
// the pointer; empty for identifiers without a hint.
std::string CommandHint(int id);

}  // namespace foresta

#endif  // FORESTA_FRAME_COMMAND_CATALOG_H_
