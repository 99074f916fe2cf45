#include "interchange/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace foresta {
namespace {

constexpr std::size_t kFlushBytes = 1 << 20;
constexpr int kNameAttempts = 100;

bool Exists(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Appends the rest of `in` to `out`, in the kernel where it can.
bool CopyRest(int in, int out) {
  for (;;) {
    const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0);
    if (n == 0) return true;
    if (n > 0) continue;
    if (errno == EINTR) continue;
    if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP) {
      return false;
    }
    break;
  }
  std::vector<char> buffer(kFlushBytes);
  for (;;) {
    const ssize_t n = ::read(in, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    if (!WriteAll(out, buffer.data(), static_cast<std::size_t>(n))) return false;
  }
}

}  // namespace

AtomicFile::~AtomicFile() { Discard(); }

void AtomicFile::Discard() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

std::string AtomicFile::Fail(int error) {
  Discard();
  if (error == EEXIST) {
    refusedExisting_ = true;
    return target_ + " already exists";
  }
  return "cannot write " + target_ + ": " + std::strerror(error);
}

int AtomicFile::CreateTemporary(std::string& name) {
  const std::filesystem::path path(target_);
  const std::string base = "." + path.filename().string() + ".part-" +
                           std::to_string(::getpid()) + "-";
  // O_EXCL makes the name ours; the mode goes through the umask as for any
  // new file.
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    name = (path.parent_path() / (base + std::to_string(attempt))).string();
    const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

std::string AtomicFile::Open(const std::string& target, bool replace) {
  Discard();
  target_ = target;
  replace_ = replace;
  failed_ = false;
  refusedExisting_ = false;
  buffer_.clear();
  if (!replace && Exists(target)) return Fail(EEXIST);
  std::string name;
  const int fd = CreateTemporary(name);
  if (fd < 0) return Fail(errno);
  temporary_ = name;
  file_ = ::fdopen(fd, "wb");
  if (file_ == nullptr) {
    const int error = errno;
    ::close(fd);
    return Fail(error);
  }
  buffer_.reserve(kFlushBytes + 4096);
  return {};
}

void AtomicFile::Flush() {
  if (file_ == nullptr || buffer_.empty()) return;
  if (!failed_ && std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) {
    failed_ = true;
    error_ = errno;
  }
  buffer_.clear();
}

void AtomicFile::Write(std::string_view bytes) {
  buffer_.append(bytes);
  if (buffer_.size() >= kFlushBytes) Flush();
}

bool AtomicFile::Prepend(std::string_view head) {
  std::string name;
  const int out = CreateTemporary(name);
  if (out < 0) return false;
  const int in = ::open(temporary_.c_str(), O_RDONLY | O_CLOEXEC);
  bool ok = in >= 0 && WriteAll(out, head.data(), head.size()) && CopyRest(in, out);
  const int error = errno;
  if (in >= 0) ::close(in);
  if (::close(out) != 0) ok = false;
  ::unlink((ok ? temporary_ : name).c_str());
  if (ok) temporary_ = name;
  errno = error;
  return ok;
}

std::string AtomicFile::Commit(std::string_view head) {
  if (file_ == nullptr) return Fail(EBADF);
  Flush();
  if (std::fclose(file_) != 0 && !failed_) {
    failed_ = true;
    error_ = errno;
  }
  file_ = nullptr;
  if (failed_) return Fail(error_);
  if (!head.empty() && !Prepend(head)) return Fail(errno != 0 ? errno : EIO);
  if (replace_) {
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) return Fail(errno);
    temporary_.clear();
    return {};
  }
  // link() refuses an existing name, so a file that appeared meanwhile is
  // not replaced either.
  if (::link(temporary_.c_str(), target_.c_str()) == 0) {
    ::unlink(temporary_.c_str());
    temporary_.clear();
    return {};
  }
  const int error = errno;
  if (error != EPERM && error != EOPNOTSUPP && error != ENOSYS) return Fail(error);
  // A file system without hard links: check, then rename.
  if (Exists(target_)) return Fail(EEXIST);
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) return Fail(errno);
  temporary_.clear();
  return {};
}

}  // namespace foresta
