#ifndef FORESTA_TESTS_SUPPORT_SCRATCH_DIR_H_
#define FORESTA_TESTS_SUPPORT_SCRATCH_DIR_H_

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace foresta::testing {

// A fresh directory that is the current directory for the life of the
// object; the files a test names are relative to it.
class ScratchDir {
 public:
  ScratchDir() : previous_(std::filesystem::current_path()) {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            ("foresta-test-" + std::to_string(seed()));
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
  }
  ~ScratchDir() {
    std::filesystem::current_path(previous_);
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

inline void WriteFile(const std::string& name, const std::string& bytes) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string ReadFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline bool Exists(const std::string& name) {
  return std::filesystem::exists(name);
}

}  // namespace foresta::testing

#endif  // FORESTA_TESTS_SUPPORT_SCRATCH_DIR_H_
