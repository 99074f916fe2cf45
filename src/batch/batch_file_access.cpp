#include "batch/batch_file_access.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace foresta {

bool DiskBatchFileAccess::PrepareOutput(const std::string& name) {
  std::error_code ec;
  if (std::filesystem::equivalent(name, batchFile_, ec)) return false;
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  return static_cast<bool>(out);
}

bool DiskBatchFileAccess::CanRead(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return static_cast<bool>(in);
}

}  // namespace foresta
