// The symmetry expansion: a region and a kind (mostly consistent, sometimes
// not) and a vector of at most 200 neurons. Each copy must keep the vector's
// length and everything outside the region, and training with the symmetry
// must store the vector followed by exactly those copies.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "engine/engine.h"
#include "engine/symmetry_transforms.h"
#include "fuzz_check.h"
#include "pattern_store_check.h"

using foresta::fuzz::Require;

namespace {

constexpr int kKinds[] = {0, 1, 2, 3, 4, 5, 11, 12, 13, 14, 21, 22, 23, 24, 31, 32, 33, 34, 35};
constexpr size_t kMaxNeurons = 200;
constexpr size_t kMinNeurons = 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace foresta;
  FuzzedDataProvider provider(data, size);
  SymmetrySettings settings;
  settings.symmetryKind = provider.PickValueInArray(kKinds);
  settings.symmetryStart = provider.ConsumeIntegralInRange(-2, 210);
  settings.symmetryXDim = provider.ConsumeIntegralInRange(-2, 210);
  settings.symmetryYDim = provider.ConsumeIntegralInRange(-2, 60);
  const bool oneD = FamilyOfKind(settings.symmetryKind) == SymmetryFamily::kTranslation1D ||
                    FamilyOfKind(settings.symmetryKind) == SymmetryFamily::kScaling1D;
  const int64_t regionSize = oneD ? int64_t{settings.symmetryXDim}
                                  : int64_t{settings.symmetryXDim} * settings.symmetryYDim;
  settings.symmetryEnd = provider.ConsumeBool()
                             ? static_cast<int>(settings.symmetryStart + regionSize - 1)
                             : provider.ConsumeIntegralInRange(-2, 210);
  std::string vector = provider.ConsumeRemainingBytesAsString();
  if (vector.size() > kMaxNeurons) vector.resize(kMaxNeurons);
  if (vector.size() < kMinNeurons) vector.resize(kMinNeurons, '\0');
  for (char& c : vector) c = (c & 1) ? '1' : '0';
  const auto n = static_cast<uint32_t>(vector.size());

  const SymmetryGeometry geometry{settings.symmetryKind, settings.symmetryStart,
                                  settings.symmetryEnd, settings.symmetryXDim,
                                  settings.symmetryYDim};
  const int region = CheckSymmetryRegion(geometry, n);
  int64_t copies = 0;
  if (region == kSymmetryRegionFits) {
    // A region that fits has a start and a size.
    const auto first = static_cast<size_t>(settings.symmetryStart);
    const size_t last = first + static_cast<size_t>(regionSize);
    copies = ExpandSymmetry(vector, geometry, [&](const std::string& copy) {
      Require(copy.size() == n, "a copy keeps the vector's length");
      for (size_t i = 0; i < n; ++i) {
        Require(copy[i] == '0' || copy[i] == '1', "a copy holds bits");
        if (i < first || i >= last) {
          Require(copy[i] == vector[i], "a copy keeps what lies outside the region");
        }
      }
    });
  }

  Engine engine;
  const std::string training = "*symmetry*\n" + std::to_string(n) + "\n" + vector + "\n";
  Require(engine.TrainNetworkFromBytes(training, settings) == kTrainOk, "the vector trains");
  Require(engine.symmetryProblem() == region, "training reports the region's problem");
  Require(engine.store().patternCount() == 1 + copies, "the vector and its copies are stored");
  fuzz::RequireConsistentStore(engine.store(), n);
  return 0;
}
