#ifndef FORESTA_INTERCHANGE_ATOMIC_FILE_H_
#define FORESTA_INTERCHANGE_ATOMIC_FILE_H_

#include <cstdio>
#include <string>
#include <string_view>

namespace foresta {

// A file that appears whole or not at all: everything is written to a
// temporary file in the target's folder, which takes the target's name only
// on Commit(). Until then, and when anything fails, the target is left as
// it was and the temporary file is removed.
class AtomicFile {
 public:
  AtomicFile() = default;
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Creates the temporary file for `target`. Without `replace` an existing
  // target is refused here and again, atomically, at Commit(). Returns an
  // empty text, or why the file cannot be written.
  std::string Open(const std::string& target, bool replace);

  // Buffered writes; a failure is remembered and reported by Commit().
  void Write(std::string_view bytes);

  // Flushes, closes and gives the file its name, with `head` (known only
  // now, a summary say) put before everything written. Returns an empty
  // text, or why not (the target then is untouched).
  std::string Commit(std::string_view head = {});

  // True when the target existed and was not to be replaced.
  bool refusedExisting() const { return refusedExisting_; }

 private:
  void Discard();
  void Flush();
  // Creates a new temporary file beside the target; -1 and errno on failure.
  int CreateTemporary(std::string& name);
  // Moves the temporary file's bytes behind `head` in a new temporary file.
  bool Prepend(std::string_view head);
  std::string Fail(int error);

  std::FILE* file_ = nullptr;
  std::string target_;
  std::string temporary_;
  std::string buffer_;
  bool replace_ = false;
  bool failed_ = false;
  int error_ = 0;
  bool refusedExisting_ = false;
};

}  // namespace foresta

#endif  // FORESTA_INTERCHANGE_ATOMIC_FILE_H_
