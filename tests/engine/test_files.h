#ifndef FORESTA_TESTS_ENGINE_TEST_FILES_H_
#define FORESTA_TESTS_ENGINE_TEST_FILES_H_

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace foresta {

// A fixture that works in a fresh temporary directory of its own.
class TempDirTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Full path of a file in the temporary directory.
  std::string Path(const std::string& name) const;
  // Writes text as bytes to the named file and returns its full path.
  std::string Write(const std::string& name, const std::string& text) const;
  std::string Read(const std::string& name) const;

  std::filesystem::path dir_;
};

}  // namespace foresta

#endif  // FORESTA_TESTS_ENGINE_TEST_FILES_H_
