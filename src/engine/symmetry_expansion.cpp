#include "engine/symmetry_expansion.h"

#include <string_view>

#include "engine/pattern_store.h"

namespace foresta {

SymmetryExpansion::SymmetryExpansion(const SymmetrySettings& settings)
    : geometry_{settings.symmetryKind, settings.symmetryStart, settings.symmetryEnd,
                settings.symmetryXDim, settings.symmetryYDim} {}

int64_t SymmetryExpansion::StoreCopies(const char* vector, PatternStore* store) {
  if (FamilyOfKind(geometry_.symmetryKind) == SymmetryFamily::kNone) return 0;
  const std::string_view bits(vector, store->neurons());
  if (CheckSymmetryRegion(geometry_, store->neurons()) != kSymmetryRegionFits) return 0;
  return ExpandSymmetry(bits, geometry_,
                        [store](const std::string& copy) { store->StorePattern(copy.data()); });
}

}  // namespace foresta
