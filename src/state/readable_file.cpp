#include "state/readable_file.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace foresta {

bool IsReadableRegularFile(const std::string& path) {
  std::error_code error;
  const std::filesystem::file_status status =
      std::filesystem::status(path, error);
  if (error || !std::filesystem::is_regular_file(status)) return false;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

}  // namespace foresta
