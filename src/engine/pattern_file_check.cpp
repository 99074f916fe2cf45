#include "engine/pattern_file_check.h"

#include <limits>

#include "engine/char_reader.h"
#include "engine/distribution_table.h"
#include "state/readable_file.h"

namespace foresta {

namespace {

bool IsBit(int c) { return c == '0' || c == '1'; }

// Only a readable regular file is tested: a directory opens but reads as
// empty, which would pass for a missing comment section.
bool OpenForTest(CharReader& in, const std::string& name) {
  return IsReadableRegularFile(name) && in.Open(name);
}

// Vectors of '0'/'1' after the header: 6 when there is none, 7 at the first
// other character, 8 when the count is not a multiple of n.
int CheckBinaryVectors(CharReader& in, int64_t n) {
  int c = in.GetNonSpace();
  if (c == CharReader::kEof) return kFileNoData;
  if (!IsBit(c)) return kFileInvalidCharacter;
  int64_t count = 1;
  // Training files run to megabytes: scan the buffer directly.
  const unsigned char* at = nullptr;
  const unsigned char* end = nullptr;
  while (in.TakeSpan(&at, &end)) {
    for (; at < end; ++at) {
      if (IsBit(*at)) {
        ++count;
      } else if (!CharReader::IsSpace(*at)) {
        return kFileInvalidCharacter;
      }
    }
  }
  return count % n == 0 ? kFileOk : kFileIncompleteVector;
}

// The count as an unsigned 32-bit cell would hold it: negative values wrap,
// values too large for the cell saturate.
uint32_t AsUnsignedCell(int64_t v) {
  if (v > static_cast<int64_t>(std::numeric_limits<uint32_t>::max())) {
    return std::numeric_limits<uint32_t>::max();
  }
  return static_cast<uint32_t>(v);
}

}  // namespace

int TestTrainingFile(const std::string& name, uint32_t* neuronCount) {
  CharReader in;
  if (!OpenForTest(in, name)) return kFileCannotOpen;
  return TestTrainingFile(in, neuronCount);
}

int TestTrainingFile(CharReader& in, uint32_t* neuronCount) {
  if (int r = SkipCommentSection(in); r != 0) return r;
  int64_t n = 0;
  const bool parsed = ReadDecimal(in, &n);
  // A count that is not a number leaves the previous count in place.
  if (parsed) *neuronCount = AsUnsignedCell(n);
  if (*neuronCount < kMinTrainingNeurons || *neuronCount > kMaxNeurons) {
    return kFileNeuronsOutOfRange;
  }
  if (!parsed) return kFileInvalidCharacter;
  return CheckBinaryVectors(in, *neuronCount);
}

int TestRetrainingFile(const std::string& name, uint32_t neuronCount) {
  CharReader in;
  if (!OpenForTest(in, name)) return kFileCannotOpen;
  return TestRetrainingFile(in, neuronCount);
}

int TestRetrainingFile(CharReader& in, uint32_t neuronCount) {
  if (int r = SkipCommentSection(in); r != 0) return r;
  int64_t n = 0;
  if (!ReadDecimal(in, &n)) return kFileNeuronsOutOfRange;
  const uint32_t count = AsUnsignedCell(n);
  if (count < 2 || count > kMaxNeurons) return kFileNeuronsOutOfRange;
  if (count != neuronCount) return kFileNotConsistent;
  return CheckBinaryVectors(in, count);
}

int TestRecognitionFile(const std::string& name, uint32_t neuronCount) {
  CharReader in;
  if (!OpenForTest(in, name)) return kFileCannotOpen;
  return TestRecognitionFile(in, neuronCount);
}

int TestRecognitionFile(CharReader& in, uint32_t neuronCount) {
  if (int r = SkipCommentSection(in); r != 0) return r;
  if (neuronCount == 0) return kFileTrainingNotTested;
  if (neuronCount < 2 || neuronCount > kMaxNeurons) return kFileNeuronsOutOfRange;
  int c;
  do {
    c = in.Get();
    if (c == CharReader::kEof) return kFileNoData;
  } while (!IsBit(c) && c != 'x');
  enum { kBefore, kInside, kAfter } state = kBefore;
  int64_t inVector = 0;
  for (; c != CharReader::kEof; c = in.GetNonSpace()) {
    if (IsBit(c)) {
      if (state == kInside) state = kAfter;
    } else if (c == 'x') {
      if (state == kAfter) return kFileTwoUnknownSections;
      state = kInside;
    } else {
      return kFileInvalidCharacter;
    }
    if (++inVector == neuronCount) {
      inVector = 0;
      state = kBefore;
    }
  }
  return inVector == 0 ? kFileOk : kFileRecognitionIncomplete;
}

int TestDistributionFile(const std::string& name, DistributionTable* table) {
  CharReader in;
  if (!OpenForTest(in, name)) return kFileCannotOpen;
  return TestDistributionFile(in, table);
}

int TestDistributionFile(CharReader& in, DistributionTable* table) {
  if (int r = SkipCommentSection(in); r != 0) return r;
  int64_t m = 0;
  int64_t p = 0;
  if (!ReadDecimal(in, &m) || m < 2 || m > kMaxNeurons) return kFileNeuronsOutOfRange;
  // A negative or missing row count is as much out of range as a huge one.
  if (!ReadDecimal(in, &p) || p < 0 || p > kMaxDistributionRows) return kFilePatternsOutOfRange;
  int c = in.GetNonSpace();
  if (c == CharReader::kEof) return kFileNoData;
  if (table != nullptr) table->Start(m, p);
  const int64_t wanted = m * p;
  int64_t count = 0;
  int64_t row = 0;
  int64_t col = 0;
  uint64_t* bits = table != nullptr && wanted > 0 ? table->RowForWriting(0) : nullptr;
  // Takes one vector character; false when it is not a bit.
  auto take = [&](int ch) {
    if (!IsBit(ch)) return false;
    if (bits != nullptr && count < wanted) {
      if (ch == '1') bits[col / 64] |= uint64_t{1} << (col % 64);
      if (++col == m) {
        col = 0;
        if (++row < p) bits = table->RowForWriting(row);
      }
    }
    ++count;
    return true;
  };
  bool valid = take(c);
  // The rows can run to megabytes: scan the buffer directly.
  const unsigned char* at = nullptr;
  const unsigned char* end = nullptr;
  while (valid && in.TakeSpan(&at, &end)) {
    for (; at < end; ++at) {
      const int ch = *at;
      if (IsBit(ch) ? !take(ch) : !CharReader::IsSpace(ch)) {
        valid = false;
        break;
      }
    }
  }
  if (!valid) {
    if (table != nullptr) table->Clear();
    return kFileInvalidCharacter;
  }
  if (count < wanted) {
    if (table != nullptr) table->Clear();
    return kFileNotEnoughData;
  }
  if (table != nullptr) table->Finish();
  return kFileOk;
}

}  // namespace foresta
