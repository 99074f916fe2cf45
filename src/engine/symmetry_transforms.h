#ifndef FORESTA_ENGINE_SYMMETRY_TRANSFORMS_H_
#define FORESTA_ENGINE_SYMMETRY_TRANSFORMS_H_

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace foresta {

// Where the symmetric object lives in a vector and which family of copies
// training makes of it. The region is the xDim (1-D) or xDim * yDim (2-D)
// positions from symmetryStart, read row after row; symmetryEnd is its last
// position.
struct SymmetryGeometry {
  int symmetryKind = 0;
  int symmetryStart = -2;
  int symmetryEnd = -2;
  int symmetryXDim = -2;
  int symmetryYDim = -2;
};

// Results of CheckSymmetryRegion.
constexpr int kSymmetryRegionFits = 0;
constexpr int kSymmetryRegionUnset = 1;         // a position or dimension was never set
constexpr int kSymmetryRegionPastVector = 2;    // the region runs past the vector's end
constexpr int kSymmetryRegionInconsistent = 3;  // the end does not agree with the dimensions

enum class SymmetryFamily {
  kNone,
  kTranslation1D,   // kinds 1, 2
  kScaling1D,       // kinds 3, 4
  kTranslationX,    // kind 11
  kTranslationY,    // kind 12
  kTranslationXY,   // kind 13
  kScaling2D,       // kinds 21, 22, 23
  kRotation,        // kind 31
  kRotationScaling  // kinds 32, 33, 34
};

// The family a symmetry kind selects; unknown kinds select none.
SymmetryFamily FamilyOfKind(int symmetryKind);

// Whether the copies of `geometry` can be made for vectors of n neurons
// without touching a position outside the vector. Kinds that make no copies
// always fit. Returns a kSymmetryRegion* code.
int CheckSymmetryRegion(const SymmetryGeometry& geometry, uint32_t n);

// One sentence that tells the user why a kSymmetryRegion* code kept
// training from making copies; empty for kSymmetryRegionFits.
std::string SymmetryRegionProblem(int code);

// Receives each copy: n characters '0' and '1'. The reference is valid only
// during the call.
using SymmetryCopySink = std::function<void(const std::string& copy)>;

// Hands `sink` every transformed copy of `vector` (n characters; '1' is a
// set bit, anything else a clear one) that the symmetry kind asks for, in
// storing order. Returns the number of copies made.
// REQUIRES: CheckSymmetryRegion(geometry, vector.size()) == kSymmetryRegionFits
int64_t ExpandSymmetry(std::string_view vector, const SymmetryGeometry& geometry,
                       const SymmetryCopySink& sink);

}  // namespace foresta

#endif  // FORESTA_ENGINE_SYMMETRY_TRANSFORMS_H_
