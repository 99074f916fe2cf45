#include "engine/test_files.h"

#include <fstream>
#include <random>
#include <sstream>

namespace foresta {

void TempDirTest::SetUp() {
  std::random_device rd;
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  dir_ = std::filesystem::temp_directory_path() /
         ("foresta-engine-" + std::string(info->name()) + "-" + std::to_string(rd()));
  std::filesystem::create_directories(dir_);
}

void TempDirTest::TearDown() {
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}

std::string TempDirTest::Path(const std::string& name) const { return (dir_ / name).string(); }

std::string TempDirTest::Write(const std::string& name, const std::string& text) const {
  std::ofstream out(Path(name), std::ios::binary | std::ios::trunc);
  out << text;
  return Path(name);
}

std::string TempDirTest::Read(const std::string& name) const {
  std::ifstream in(Path(name), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace foresta
