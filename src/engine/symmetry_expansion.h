#ifndef FORESTA_ENGINE_SYMMETRY_EXPANSION_H_
#define FORESTA_ENGINE_SYMMETRY_EXPANSION_H_

#include <cstdint>

#include "engine/engine_settings.h"

namespace foresta {

class PatternStore;

// Makes the network recognise an object wherever it lies in a region, at
// other sizes or turned: after each training or retraining vector is stored,
// its transformed copies are stored right behind it.
class SymmetryExpansion {
 public:
  explicit SymmetryExpansion(const SymmetrySettings& settings) : settings_(settings) {}

  // Stores the copies of vector (the store's vector length, characters '0'
  // and '1') that the symmetry kind asks for. Kind 0 and unknown kinds add
  // nothing. Throws std::bad_alloc.
  void StoreCopies(const char* vector, PatternStore* store);

 private:
  SymmetrySettings settings_;
};

}  // namespace foresta

#endif  // FORESTA_ENGINE_SYMMETRY_EXPANSION_H_
