#include "engine/symmetry_expansion.h"

#include "engine/pattern_store.h"

namespace foresta {

void SymmetryExpansion::StoreCopies(const char* vector, PatternStore* store) {
  // The transforms of each symmetry family are not built yet; every kind
  // stores the vector alone.
  (void)vector;
  (void)store;
}

}  // namespace foresta
