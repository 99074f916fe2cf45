#include "editor/document_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace foresta {

namespace {

constexpr std::size_t kBufferSize = 1 << 20;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Drops the "\r" of a "\r\n" line end.
void AppendLine(std::vector<std::string>* out, const char* begin, const char* end) {
  if (end > begin && end[-1] == '\r') --end;
  out->emplace_back(begin, end);
}

// Writes all of `data` to `fd`, retrying short writes.
bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

int ReadDocument(const std::string& path, Lines* lines, int max_lines) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) {
    lines->Assign({});
    return kReadCannotOpen;
  }
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    lines->Assign({});
    return kReadCannotOpen;
  }
  std::vector<std::string> out;
  if (S_ISREG(info.st_mode)) {
    // A rough guess that avoids most regrowth for ordinary text.
    out.reserve(static_cast<std::size_t>(info.st_size / 40) + 16);
  }
  std::vector<char> buffer(kBufferSize);
  std::string pending;  // a line begun in an earlier block
  bool has_pending = false;
  int result = kReadOk;
  for (;;) {
    std::size_t n = std::fread(buffer.data(), 1, buffer.size(), file.get());
    const char* begin = buffer.data();
    const char* end = begin + n;
    while (begin < end) {
      const char* nl = static_cast<const char*>(std::memchr(begin, '\n', static_cast<std::size_t>(end - begin)));
      if (nl == nullptr) {
        pending.append(begin, end);
        has_pending = true;
        break;
      }
      if (out.size() >= static_cast<std::size_t>(max_lines)) {
        result = kReadTooManyLines;
        has_pending = false;
        break;
      }
      if (has_pending) {
        pending.append(begin, nl);
        AppendLine(&out, pending.data(), pending.data() + pending.size());
        pending.clear();
        has_pending = false;
      } else {
        AppendLine(&out, begin, nl);
      }
      begin = nl + 1;
    }
    if (result != kReadOk) break;
    if (n < buffer.size()) {
      if (std::ferror(file.get())) result = kReadIoError;
      break;
    }
  }
  if (has_pending) {
    // The last line had no line end; a lone "\r" stays part of its text.
    if (out.size() >= static_cast<std::size_t>(max_lines)) {
      result = kReadTooManyLines;
    } else {
      out.emplace_back(std::move(pending));
    }
  }
  lines->Assign(std::move(out));
  return result;
}

int WriteDocument(const std::string& path, const Lines& lines) {
  // Write through a symbolic link to the file it names.
  std::string target = path;
  if (char* resolved = ::realpath(path.c_str(), nullptr)) {
    target = resolved;
    std::free(resolved);
  }
  struct stat info;
  bool exists = ::stat(target.c_str(), &info) == 0;

  std::string temp = target + ".XXXXXX";
  std::vector<char> name(temp.begin(), temp.end());
  name.push_back('\0');
  int fd = ::mkstemp(name.data());
  if (fd < 0) return kWriteCannotCreate;
  temp.assign(name.data());

  bool ok = true;
  std::string block;
  block.reserve(kBufferSize + 2);
  for (int i = 0; ok && i < lines.Count(); ++i) {
    const std::string& line = lines[i];
    if (block.size() + line.size() + 2 > kBufferSize && !block.empty()) {
      ok = WriteAll(fd, block.data(), block.size());
      block.clear();
    }
    if (line.size() + 2 > kBufferSize) {
      ok = ok && WriteAll(fd, line.data(), line.size()) && WriteAll(fd, "\r\n", 2);
    } else {
      block += line;
      block += "\r\n";
    }
  }
  if (ok) ok = WriteAll(fd, block.data(), block.size());
  if (ok) ok = ::fsync(fd) == 0;
  if (exists) {
    // mkstemp creates the file private to its owner; keep the old mode.
    ok = ok && ::fchmod(fd, info.st_mode & 07777) == 0;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    ok = ok && ::fchmod(fd, 0666 & ~mask) == 0;
  }
  if (::close(fd) != 0) ok = false;
  if (!ok) {
    ::unlink(temp.c_str());
    return kWriteFailed;
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    ::unlink(temp.c_str());
    return kWriteCannotReplace;
  }
  return kWriteOk;
}

}  // namespace foresta
