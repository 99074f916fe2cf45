#include "workbench/command_table.h"

#include <stdexcept>
#include <string>

namespace foresta {

void CommandTable::Add(int id, CommandHandler handler) {
  if (!handlers_.emplace(id, handler).second) {
    throw std::logic_error("command " + std::to_string(id) +
                           " registered twice");
  }
}

CommandHandler CommandTable::Find(int id) const {
  auto it = handlers_.find(id);
  return it == handlers_.end() ? nullptr : it->second;
}

}  // namespace foresta
