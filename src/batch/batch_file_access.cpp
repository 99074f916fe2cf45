#include "batch/batch_file_access.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "state/readable_file.h"

namespace foresta {

bool DiskBatchFileAccess::PrepareOutput(const std::string& name) {
  std::error_code ec;
  if (std::filesystem::equivalent(name, batchFile_, ec)) return false;
  // Appending writes nothing yet: the output may turn out to be an input.
  std::ofstream out(name, std::ios::binary | std::ios::app);
  return static_cast<bool>(out);
}

void DiskBatchFileAccess::EmptyOutput(const std::string& name) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
}

bool DiskBatchFileAccess::SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec);
}

// A directory or a FIFO is no input file: opening it would read nothing, or
// wait for a writer, instead of failing.
bool DiskBatchFileAccess::CanRead(const std::string& name) { return IsReadableRegularFile(name); }

}  // namespace foresta
