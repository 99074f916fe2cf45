// The user distribution file: its test over bytes in memory, with and
// without loading the table on the same pass. Both must agree, and a loaded
// table must find every row's content at its first occurrence.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/char_reader.h"
#include "engine/distribution_table.h"
#include "engine/pattern_file_check.h"
#include "fuzz_check.h"

using foresta::fuzz::Require;

namespace foresta {
namespace {

void RequireRowsFound(const DistributionTable& table) {
  std::unordered_map<std::string, int64_t> first;
  std::vector<uint64_t> key(static_cast<size_t>(table.wordsPerRow()));
  std::string row;
  for (int64_t r = 0; r < table.rowCount(); ++r) {
    row.clear();
    table.AppendRow(r, &row);
    Require(static_cast<int64_t>(row.size()) == table.rowLength(), "a row has m characters");
    std::fill(key.begin(), key.end(), 0);
    for (int64_t c = 0; c < table.rowLength(); ++c) {
      Require(row[static_cast<size_t>(c)] == (table.Bit(r, c) ? '1' : '0'), "rows print their bits");
      if (table.Bit(r, c)) key[static_cast<size_t>(c / 64)] |= uint64_t{1} << (c % 64);
    }
    const int64_t expected = first.emplace(row, r).first->second;
    Require(table.Find(key.data()) == expected, "a row is found at its first occurrence");
  }
}

}  // namespace
}  // namespace foresta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace foresta;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CharReader in;
  in.OpenBytes(bytes);
  const int tested = TestDistributionFile(in, nullptr);
  Require(tested == kFileOk || (tested >= kFileMissingComment && tested <= kFileNotEnoughData),
          "a documented distribution code other than cannot-open");

  DistributionTable table;
  in.OpenBytes(bytes);
  const int loaded = TestDistributionFile(in, &table);
  Require(loaded == tested, "loading does not change the verdict");
  Require(table.loaded() == (loaded == kFileOk), "a table is loaded exactly when the file passes");
  if (loaded == kFileOk) RequireRowsFound(table);
  return 0;
}
