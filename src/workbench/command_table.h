#ifndef FORESTA_WORKBENCH_COMMAND_TABLE_H_
#define FORESTA_WORKBENCH_COMMAND_TABLE_H_

#include <string_view>
#include <unordered_map>

namespace foresta {

class Workbench;

using CommandHandler = void (*)(Workbench&);

// Maps a command identifier to its one handler. Each subsystem registers its
// handlers with a Register...Commands function; identifiers not in the table
// do nothing.
class CommandTable {
 public:
  // REQUIRES: `id` is not registered yet (a second handler is a programming
  // error and throws std::logic_error).
  void Add(int id, CommandHandler handler);

  // The handler of `id`, or nullptr.
  CommandHandler Find(int id) const;

  std::size_t size() const { return handlers_.size(); }

 private:
  std::unordered_map<int, CommandHandler> handlers_;
};

// Data menu (552 to 554), Help (2001, 2002, 324, 325), 321 and 323.
void RegisterFoundationCommands(CommandTable& table);

// Link (551), line breakers (360) and symmetry (363).
void RegisterDialogCommands(CommandTable& table);

// Batch/Open (565) and Batch/Save (566).
void RegisterBatchCommands(CommandTable& table);

}  // namespace foresta

#endif  // FORESTA_WORKBENCH_COMMAND_TABLE_H_
