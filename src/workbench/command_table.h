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

// The engine's file tests (351 to 354), training (342), retraining (343),
// user-distribution recognition (487, 488), its report file (232, 233) and
// the openers of its files (401 to 405).
void RegisterEngineCommands(CommandTable& table);

// Prediction commands: 555 to 563, 588 to 605, 610 to 618 and 620 to 628.
void RegisterPredictionCommands(CommandTable& table);
// The engine's Data Files dialog (330), Run (341), the recognition modes
// that make their own candidates (344 to 348, 481 to 486, 491 to 496, 511
// to 513), the image commands (521 to 523) and the reserved 500 to 502.
void RegisterEngineModeCommands(CommandTable& table);
// Link (551), line breakers (360) and symmetry (363).
void RegisterDialogCommands(CommandTable& table);

// Batch/Open (565) and Batch/Save (566).
void RegisterBatchCommands(CommandTable& table);

}  // namespace foresta

#endif  // FORESTA_WORKBENCH_COMMAND_TABLE_H_
