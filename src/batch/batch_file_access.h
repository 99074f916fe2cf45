#ifndef FORESTA_BATCH_BATCH_FILE_ACCESS_H_
#define FORESTA_BATCH_BATCH_FILE_ACCESS_H_

#include <string>

namespace foresta {

// What the batch test and loader ask of the file system beyond the batch
// file itself. The file entry points use the disk; the in-memory ones take
// any implementation, so tests and fuzzers touch no file.
class BatchFileAccess {
 public:
  virtual ~BatchFileAccess() = default;
  // Proves the run can write `name` (creating it when it is missing); false
  // when it cannot. Leaves what the file holds alone.
  virtual bool PrepareOutput(const std::string& name) = 0;
  // Whether `name` can be opened for reading.
  virtual bool CanRead(const std::string& name) = 0;
  // Empties the output `name` the test accepted.
  virtual void EmptyOutput(const std::string& /*name*/) {}
  // Whether two names are one file (links and spellings such as "./a"
  // included); false when either does not exist.
  virtual bool SameFile(const std::string& a, const std::string& b) { return a == b; }
};

// The disk, as the run will find it. Naming the batch file itself as the
// output would wipe the batch file, so that output is refused.
class DiskBatchFileAccess : public BatchFileAccess {
 public:
  explicit DiskBatchFileAccess(std::string batchFile) : batchFile_(std::move(batchFile)) {}
  bool PrepareOutput(const std::string& name) override;
  bool CanRead(const std::string& name) override;
  void EmptyOutput(const std::string& name) override;
  bool SameFile(const std::string& a, const std::string& b) override;

 private:
  std::string batchFile_;
};

}  // namespace foresta

#endif  // FORESTA_BATCH_BATCH_FILE_ACCESS_H_
