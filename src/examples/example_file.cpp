#include "examples/example_file.h"

namespace foresta {
namespace {
constexpr std::size_t kBufferSize = 1 << 16;
}  // namespace

ExampleFile::ExampleFile(const std::string& name)
    : file_(std::fopen(name.c_str(), "wb")) {
  if (file_ != nullptr) std::setvbuf(file_, nullptr, _IOFBF, kBufferSize);
}

ExampleFile::~ExampleFile() {
  if (file_ != nullptr) std::fclose(file_);
}

void ExampleFile::Write(std::string_view text) {
  if (file_ == nullptr || failed_ || text.empty()) return;
  if (std::fwrite(text.data(), 1, text.size(), file_) != text.size())
    failed_ = true;
}

void ExampleFile::Put(char c) {
  if (file_ == nullptr || failed_) return;
  if (std::fputc(c, file_) == EOF) failed_ = true;
}

void ExampleFile::WriteInt(long long value) { Write(std::to_string(value)); }

bool ExampleFile::Close() {
  if (file_ == nullptr) return false;
  bool ok = !failed_ && std::fflush(file_) == 0 && !std::ferror(file_);
  if (std::fclose(file_) != 0) ok = false;
  file_ = nullptr;
  return ok;
}

}  // namespace foresta
