#include "cli/commands_command.h"

#include <iomanip>
#include <ostream>

#include "cli/event_printer.h"
#include "workbench/command_vocabulary.h"

namespace foresta {

int RunCommands(const GlobalOptions& options, const std::vector<std::string>& args,
                CliStreams io) {
  bool json = options.json;
  for (const std::string& arg : args) {
    if (arg != "--json") {
      io.err << "foresta-cli: unexpected argument to commands: " << arg << "\n";
      return kExitUsage;
    }
    json = true;
  }
  for (const CommandRow& row : AllCommands()) {
    const std::string menu = MenuOf(row.id);
    const std::string label = PlainLabel(row.label);
    const std::string hint(row.hint);
    if (json) {
      io.out << "{\"id\":" << row.id << ",\"menu\":"
             << (menu.empty() ? std::string("null") : "\"" + JsonEscape(menu) + "\"")
             << ",\"label\":\"" << JsonEscape(label) << "\",\"hint\":\"" << JsonEscape(hint)
             << "\"}\n";
    } else {
      io.out << std::setw(5) << row.id << "  " << std::left << std::setw(12)
             << (menu.empty() ? "-" : menu) << std::setw(38) << (label.empty() ? "-" : label)
             << std::right << hint << "\n";
    }
  }
  return kExitOk;
}

}  // namespace foresta
