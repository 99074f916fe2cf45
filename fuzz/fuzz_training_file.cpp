// The training file: its test over bytes in memory, then training from the
// same bytes, which must succeed exactly when the test passed and leave a
// consistent store of vectors no longer than the file.
#include <cstdint>
#include <string_view>

#include "engine/char_reader.h"
#include "engine/engine.h"
#include "engine/pattern_file_check.h"
#include "fuzz_check.h"
#include "pattern_store_check.h"

using foresta::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace foresta;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CharReader in;
  in.OpenBytes(bytes);
  uint32_t count = 0;
  const int code = TestTrainingFile(in, &count);
  Require(code == kFileOk || (code >= kFileMissingComment && code <= kFileIncompleteVector && code != 5),
          "a documented training code other than cannot-open");

  Engine engine;
  const int trained = engine.TrainNetworkFromBytes(bytes, SymmetrySettings{});
  if (code != kFileOk) {
    Require(trained == kTrainNeedsTest, "a refused file is not trained");
    Require(!engine.store().trained(), "a refused file leaves the store empty");
    return 0;
  }
  if (count >= kMaxNeurons) {
    Require(trained == kTrainTooManyNeurons, "the longest vectors are refused");
    return 0;
  }
  Require(trained == kTrainOk && engine.NeuronCount() == count, "a passing file trains");
  Require(static_cast<uint64_t>(engine.store().patternCount()) * count <= size,
          "no more vectors than the file holds");
  fuzz::RequireConsistentStore(engine.store(), count);
  return 0;
}
