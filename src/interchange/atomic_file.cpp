#include "interchange/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace foresta {
namespace {

constexpr std::size_t kFlushBytes = 1 << 20;
constexpr int kNameAttempts = 100;

std::string Why(const std::string& target, int error) {
  return "cannot write " + target + ": " + std::strerror(error);
}

}  // namespace

AtomicFile::~AtomicFile() { Discard(); }

void AtomicFile::Discard() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

std::string AtomicFile::Open(const std::string& target, bool replace) {
  Discard();
  target_ = target;
  replace_ = replace;
  failed_ = false;
  refusedExisting_ = false;
  buffer_.clear();
  struct stat info;
  if (!replace && ::stat(target.c_str(), &info) == 0) {
    refusedExisting_ = true;
    return target + " already exists";
  }
  const std::filesystem::path path(target);
  const std::string base = "." + path.filename().string() + ".part-" +
                           std::to_string(::getpid()) + "-";
  // O_EXCL makes the name ours; the mode goes through the umask as for any
  // new file.
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string candidate =
        (path.parent_path() / (base + std::to_string(attempt))).string();
    int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) return Why(target, errno);
    file_ = ::fdopen(fd, "wb");
    if (file_ == nullptr) {
      const int error = errno;
      ::close(fd);
      ::unlink(candidate.c_str());
      return Why(target, error);
    }
    temporary_ = candidate;
    buffer_.reserve(kFlushBytes + 4096);
    return {};
  }
  return Why(target, EEXIST);
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

void AtomicFile::Overwrite(long offset, std::string_view bytes) {
  Flush();
  if (file_ == nullptr || failed_) return;
  const long end = std::ftell(file_);
  if (std::fseek(file_, offset, SEEK_SET) != 0 ||
      std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size() ||
      std::fseek(file_, end, SEEK_SET) != 0) {
    failed_ = true;
    error_ = errno;
  }
}

std::string AtomicFile::Commit() {
  if (file_ == nullptr) return Why(target_, EBADF);
  Flush();
  if (std::fclose(file_) != 0 && !failed_) {
    failed_ = true;
    error_ = errno;
  }
  file_ = nullptr;
  if (failed_) {
    Discard();
    return Why(target_, error_);
  }
  if (replace_) {
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
      const int error = errno;
      Discard();
      return Why(target_, error);
    }
  } else {
    // link() refuses an existing name, so a file that appeared meanwhile is
    // not replaced either.
    int linked = ::link(temporary_.c_str(), target_.c_str());
    int error = linked == 0 ? 0 : errno;
    if (linked != 0 && (error == EPERM || error == EOPNOTSUPP || error == ENOSYS)) {
      // A file system without hard links: check, then rename.
      struct stat info;
      error = ::stat(target_.c_str(), &info) == 0 ? EEXIST : 0;
      if (error == 0 && ::rename(temporary_.c_str(), target_.c_str()) == 0) {
        temporary_.clear();
        return {};
      }
      if (error == 0) error = errno;
    }
    if (linked != 0) {
      Discard();
      if (error == EEXIST) {
        refusedExisting_ = true;
        return target_ + " already exists";
      }
      return Why(target_, error);
    }
    ::unlink(temporary_.c_str());
  }
  temporary_.clear();
  return {};
}

}  // namespace foresta
