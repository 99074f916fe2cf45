#ifndef FORESTA_EXAMPLES_EXAMPLE_FILE_H_
#define FORESTA_EXAMPLES_EXAMPLE_FILE_H_

#include <cstdio>
#include <string>
#include <string_view>

namespace foresta {

// Results every generator returns.
inline constexpr int kExampleWritten = 0;
// The file could not be created, or writing it failed part way (a full disk
// must not pass for a complete example).
inline constexpr int kExampleCannotCreate = 1;
// A setting (shifterBits, counterBits, a count) is outside what the
// generator accepts; nothing was written and the file is untouched.
inline constexpr int kExampleSettingsOutOfRange = 2;

// A generated file written in one pass through a large buffer, so the big
// examples (tens of MB) never sit in memory. Close() reports whether every
// byte reached the file.
class ExampleFile {
 public:
  explicit ExampleFile(const std::string& name);
  ExampleFile(const ExampleFile&) = delete;
  ExampleFile& operator=(const ExampleFile&) = delete;
  ~ExampleFile();

  bool is_open() const { return file_ != nullptr; }

  void Write(std::string_view text);
  void Put(char c);
  void WriteInt(long long value);

  // Flushes and closes; true when the file was opened and every write and
  // the close succeeded.
  bool Close();

 private:
  std::FILE* file_ = nullptr;
  bool failed_ = false;
};

}  // namespace foresta

#endif  // FORESTA_EXAMPLES_EXAMPLE_FILE_H_
