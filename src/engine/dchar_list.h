#ifndef FORESTA_ENGINE_DCHAR_LIST_H_
#define FORESTA_ENGINE_DCHAR_LIST_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

namespace foresta {

// A growable list of signed 32-bit integers held in fixed-size chunks, with a
// cursor. Chunks are allocated on first use, so a long list never has to be
// moved; an append writes right behind the cursor.
class DCharList {
 public:
  static constexpr int64_t kChunkSize = 15000;
  static constexpr size_t kMaxChunks = 1000000;

  DCharList() = default;
  DCharList(const DCharList&) = delete;
  DCharList& operator=(const DCharList&) = delete;

  // Moves the cursor one entry on and stores v there, allocating the chunk
  // when needed. Throws std::bad_alloc when no chunk can be had (memory
  // exhausted or the chunk limit reached); the list is then unchanged.
  void append(int32_t v) {
    const int64_t at = cursor_ + 1;
    const size_t chunk = static_cast<size_t>(at / kChunkSize);
    if (chunk >= chunks_.size() || !chunks_[chunk]) AllocateChunk(chunk);
    chunks_[chunk][at % kChunkSize] = v;
    cursor_ = at;
    if (at > last_) last_ = at;
  }

  // Appends `count` values as `count` appends would, a chunk at a time.
  // Throws std::bad_alloc as append does; the values stored before the
  // failure stay.
  void AppendRange(const int32_t* values, int64_t count);

  void rewind() { cursor_ = 0; }
  void advance() { ++cursor_; }
  void advance(int64_t k) { cursor_ += k; }
  void stepBack(int64_t k) { cursor_ -= k; }

  // REQUIRES: 0 <= cursor() <= last()
  int32_t current() const { return at(cursor_); }

  // REQUIRES: 0 <= index <= last()
  int32_t at(int64_t index) const {
    return chunks_[static_cast<size_t>(index / kChunkSize)][index % kChunkSize];
  }

  // Frees every chunk; cursor and last become -1.
  void clear();
  bool isEmpty() const { return last_ == -1; }

  int64_t cursor() const { return cursor_; }
  int64_t last() const { return last_; }
  int64_t size() const { return last_ + 1; }

  // Bytes held by allocated chunks and the chunk directory.
  size_t MemoryBytes() const;

  // Lowers the number of chunks that may be allocated (resource limits and
  // tests of exhaustion). Takes effect for later allocations only.
  void SetChunkLimit(size_t limit) { chunkLimit_ = limit; }

  // Read-only sequential walk from a given index, without touching the
  // cursor. Cheap to copy.
  class Reader {
   public:
    Reader(const DCharList& list, int64_t from) : list_(&list) { Seek(from); }
    // REQUIRES: the current index is <= last()
    int32_t Next() {
      if (slot_ == kChunkSize) Load(chunk_ + 1);
      return data_[slot_++];
    }
    void Skip(int64_t k) { Seek(index() + k); }
    int64_t index() const { return static_cast<int64_t>(chunk_) * kChunkSize + slot_; }

   private:
    void Seek(int64_t at) {
      Load(static_cast<size_t>(at / kChunkSize));
      slot_ = at % kChunkSize;
    }
    void Load(size_t chunk) {
      chunk_ = chunk;
      slot_ = 0;
      data_ = chunk < list_->chunks_.size() ? list_->chunks_[chunk].get() : nullptr;
    }
    const DCharList* list_;
    size_t chunk_ = 0;
    int64_t slot_ = 0;
    const int32_t* data_ = nullptr;
  };

 private:
  void AllocateChunk(size_t chunk);

  std::vector<std::unique_ptr<int32_t[]>> chunks_;
  int64_t cursor_ = -1;
  int64_t last_ = -1;
  size_t chunkLimit_ = kMaxChunks;
};

}  // namespace foresta

#endif  // FORESTA_ENGINE_DCHAR_LIST_H_
