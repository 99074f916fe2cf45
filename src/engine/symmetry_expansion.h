#ifndef FORESTA_ENGINE_SYMMETRY_EXPANSION_H_
#define FORESTA_ENGINE_SYMMETRY_EXPANSION_H_

#include <cstdint>

#include "engine/engine_settings.h"
#include "engine/symmetry_transforms.h"

namespace foresta {

class PatternStore;

// Makes the network recognise an object wherever it lies in a region, at
// other sizes or turned: after each training or retraining vector is stored,
// its transformed copies are stored right behind it.
class SymmetryExpansion {
 public:
  explicit SymmetryExpansion(const SymmetrySettings& settings);

  // Why no copies can be made for vectors of n neurons (a kSymmetryRegion*
  // code); kSymmetryRegionFits when they can, or when the kind asks for none.
  int RegionProblem(uint32_t n) const { return CheckSymmetryRegion(geometry_, n); }

  // Stores the copies of vector (the store's vector length, characters '0'
  // and '1') that the symmetry kind asks for. Kind 0 and unknown kinds add
  // nothing, and so does a region that does not fit the vector. Returns the
  // number of copies stored. Throws std::bad_alloc.
  int64_t StoreCopies(const char* vector, PatternStore* store);

 private:
  SymmetryGeometry geometry_;
};

}  // namespace foresta

#endif  // FORESTA_ENGINE_SYMMETRY_EXPANSION_H_
