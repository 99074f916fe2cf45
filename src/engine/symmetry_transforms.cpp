#include "engine/symmetry_transforms.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace foresta {
namespace {

// Ten degrees, as the two rotation families write it.
constexpr float kRotationStep = 0.1745329f;
constexpr float kRotationScalingStep = 0.1745333f;
constexpr int kAngleCount = 36;

using Grid = std::vector<uint8_t>;

// Bounding box of the 1-pixels; an empty region spans the whole region.
struct Extent {
  int c0, c1, r0, r1;
  bool empty;
  int width() const { return c1 - c0 + 1; }
  int height() const { return r1 - r0 + 1; }
};

Extent FindExtent(const Grid& g, int xDim, int yDim) {
  Extent e{xDim, -1, yDim, -1, true};
  for (int y = 0; y < yDim; ++y) {
    for (int x = 0; x < xDim; ++x) {
      if (!g[static_cast<size_t>(y) * xDim + x]) continue;
      e.empty = false;
      e.c0 = std::min(e.c0, x);
      e.c1 = std::max(e.c1, x);
      e.r0 = std::min(e.r0, y);
      e.r1 = std::max(e.r1, y);
    }
  }
  if (e.empty) e = Extent{0, xDim - 1, 0, yDim - 1, true};
  return e;
}

// Runs the copies of one vector. The working copy keeps the positions
// outside the region as they are in the vector; each family only fills the
// region before handing the copy on.
class Expander {
 public:
  Expander(std::string_view vector, const SymmetryGeometry& g, const SymmetryCopySink& sink)
      : sink_(sink),
        start_(static_cast<size_t>(g.symmetryStart)),
        xDim_(g.symmetryXDim),
        yDim_(1),
        copy_(vector.size(), '0') {
    const SymmetryFamily family = FamilyOfKind(g.symmetryKind);
    if (family != SymmetryFamily::kTranslation1D && family != SymmetryFamily::kScaling1D) {
      yDim_ = g.symmetryYDim;
    }
    const size_t size = static_cast<size_t>(xDim_) * static_cast<size_t>(yDim_);
    region_.assign(size, 0);
    for (size_t i = 0; i < vector.size(); ++i) {
      const bool one = vector[i] == '1';
      if (i >= start_ && i < start_ + size) {
        region_[i - start_] = one;
      } else if (one) {
        copy_[i] = '1';
        ++outsideOnes_;
      }
    }
    // Copies that fill half the region or more are too dense to teach
    // anything about the object's shape.
    denseAt_ = static_cast<int64_t>(size) / 2;
  }

  int64_t Run(SymmetryFamily family) {
    switch (family) {
      case SymmetryFamily::kTranslation1D: Translate1D(); break;
      case SymmetryFamily::kScaling1D: Scale1D(); break;
      case SymmetryFamily::kTranslationX: Translate2D(true, false); break;
      case SymmetryFamily::kTranslationY: Translate2D(false, true); break;
      case SymmetryFamily::kTranslationXY: Translate2D(true, true); break;
      case SymmetryFamily::kScaling2D: Scale2D(); break;
      case SymmetryFamily::kRotation: Rotate(false); break;
      case SymmetryFamily::kRotationScaling: Rotate(true); break;
      case SymmetryFamily::kNone: break;
    }
    return made_;
  }

 private:
  size_t at(int x, int y) const { return static_cast<size_t>(y) * xDim_ + x; }
  bool RegionEmpty(const Grid& g) const {
    return std::find(g.begin(), g.end(), 1) == g.end();
  }

  // Hands on the working copy with `g` as its region; the scaling and
  // rotation families drop copies that are too dense.
  void Emit(const Grid& g, bool checkDensity) {
    int64_t ones = outsideOnes_;
    for (uint8_t b : g) ones += b;
    if (checkDensity && ones >= denseAt_) return;
    for (size_t i = 0; i < g.size(); ++i) copy_[start_ + i] = g[i] ? '1' : '0';
    sink_(copy_);
    ++made_;
  }

  void Translate1D() {
    const int len = xDim_;
    const Extent e = FindExtent(region_, len, 1);
    const int w = e.width();
    Grid g(region_.size());
    for (int o = 0; o <= len - w; ++o) {
      std::fill(g.begin(), g.end(), 0);
      for (int j = 0; j < w; ++j) g[static_cast<size_t>(o + j)] = region_[static_cast<size_t>(e.c0 + j)];
      Emit(g, false);
    }
  }

  void Translate2D(bool alongX, bool alongY) {
    const Extent e = FindExtent(region_, xDim_, yDim_);
    // Along one axis only, the other keeps its full span.
    const int c0 = alongX ? e.c0 : 0, w = alongX ? e.width() : xDim_;
    const int r0 = alongY ? e.r0 : 0, h = alongY ? e.height() : yDim_;
    Grid g(region_.size());
    for (int ox = alongX ? 0 : c0; ox <= (alongX ? xDim_ - w : c0); ++ox) {
      for (int oy = alongY ? 0 : r0; oy <= (alongY ? yDim_ - h : r0); ++oy) {
        std::fill(g.begin(), g.end(), 0);
        for (int y = 0; y < h; ++y) {
          for (int x = 0; x < w; ++x) g[at(ox + x, oy + y)] = region_[at(c0 + x, r0 + y)];
        }
        Emit(g, false);
      }
    }
  }

  void Scale1D() {
    const int len = xDim_;
    const Extent e = FindExtent(region_, len, 1);
    if (e.empty) return;
    const int objectLength = e.width();
    std::vector<uint8_t> buffer(static_cast<size_t>(len), 0);
    for (int i = 0; i < objectLength; ++i) buffer[static_cast<size_t>(i)] = region_[static_cast<size_t>(e.c0 + i)];

    // Shortest run of equal characters in the trimmed object.
    int smallest = objectLength;
    for (int i = 0; i < objectLength;) {
      int j = i;
      while (j < objectLength && buffer[static_cast<size_t>(j)] == buffer[static_cast<size_t>(i)]) ++j;
      smallest = std::min(smallest, j - i);
      i = j;
    }

    std::vector<uint8_t> base;
    if (smallest == 1) {
      base.assign(buffer.begin(), buffer.begin() + objectLength);
    } else {
      // Halve the object: a pair is set when both halves are, or, when
      // that leaves nothing, when either is.
      const int half = len / 2;
      base.assign(static_cast<size_t>(half), 0);
      bool any = false;
      for (int i = 0; i < half; ++i) {
        base[static_cast<size_t>(i)] = buffer[static_cast<size_t>(2 * i)] && buffer[static_cast<size_t>(2 * i + 1)];
        any = any || base[static_cast<size_t>(i)];
      }
      if (!any) {
        for (int i = 0; i < half; ++i) {
          base[static_cast<size_t>(i)] = buffer[static_cast<size_t>(2 * i)] || buffer[static_cast<size_t>(2 * i + 1)];
        }
      }
      const Extent be = FindExtent(base, half, 1);
      if (be.empty || half == 0) return;
      base = std::vector<uint8_t>(base.begin() + be.c0, base.begin() + be.c1 + 1);
    }
    const int b = static_cast<int>(base.size());

    // Runs of 1 in the base: start and length.
    std::vector<std::pair<int, int>> runs;
    for (int i = 0; i < b;) {
      if (!base[static_cast<size_t>(i)]) { ++i; continue; }
      int j = i;
      while (j < b && base[static_cast<size_t>(j)]) ++j;
      runs.emplace_back(i, j - i);
      i = j;
    }

    const int lengthStep = std::max(len / 10, 2 * smallest);
    const int offsetStep = len / 30 + 1;
    Grid g(region_.size());
    for (int t = b; t < len; t += lengthStep) {
      const float factor = static_cast<float>(t) / static_cast<float>(b);
      for (int o = 0; o <= len - t; o += offsetStep) {
        std::fill(g.begin(), g.end(), 0);
        for (const auto& [c, r] : runs) {
          const int from = o + static_cast<int>(static_cast<float>(c) * factor);
          const int count = static_cast<int>(factor * static_cast<float>(r));
          for (int i = std::max(from, 0); i < from + count && i < len; ++i) g[static_cast<size_t>(i)] = 1;
        }
        Emit(g, true);
      }
    }
  }

  // Moves the object of g to column 0, row 0.
  Grid MoveToOrigin(const Grid& g, const Extent& e) const {
    Grid out(g.size(), 0);
    for (int y = 0; y < e.height(); ++y) {
      for (int x = 0; x < e.width(); ++x) out[at(x, y)] = g[at(e.c0 + x, e.r0 + y)];
    }
    return out;
  }

  // Steps from a region `g` that the 2-D scaling and the rotation with
  // scaling share: the reduced base image, then every larger size at every
  // offset.
  void ScaleFrom(const Grid& g) {
    if (RegionEmpty(g)) return;
    const Extent e = FindExtent(g, xDim_, yDim_);
    const Grid moved = MoveToOrigin(g, e);
    const int w = e.width(), h = e.height();
    auto reduction = [](int extent) { return extent <= 10 ? 1 : extent <= 50 ? 2 : extent <= 100 ? 3 : 4; };
    const int fx = reduction(w), fy = reduction(h);

    Grid base;
    int baseW = w, baseH = h;
    if (fx == 1 && fy == 1) {
      base = moved;
    } else {
      baseW = w / fx;
      baseH = h / fy;
      base.assign(g.size(), 0);
      auto build = [&](int threshold) {
        bool any = false;
        for (int j = 0; j < baseH; ++j) {
          for (int i = 0; i < baseW; ++i) {
            int ones = 0;
            for (int y = j * fy; y < j * fy + fy; ++y) {
              for (int x = i * fx; x < i * fx + fx; ++x) ones += moved[at(x, y)];
            }
            base[at(i, j)] = ones > threshold;
            any = any || ones > threshold;
          }
        }
        return any;
      };
      int threshold = (fx * fy) / 2;
      if (!build(threshold)) {
        if (threshold > 1) threshold /= 2;
        if (!build(threshold)) build(1);
      }
    }
    Emit(base, true);

    const int sx = xDim_ / 50 + 1, sy = yDim_ / 50 + 1;
    const int growX = xDim_ / 20 + 1, growY = yDim_ / 20 + 1;
    Grid copy(g.size());
    for (int tw = baseW, th = baseH; tw < xDim_ || th < yDim_; tw += growX, th += growY) {
      const float ex = static_cast<float>(tw) / static_cast<float>(baseW);
      const float ey = static_cast<float>(th) / static_cast<float>(baseH);
      for (int ox = 0; ox <= xDim_ - tw; ox += sx) {
        for (int oy = 0; oy <= yDim_ - th; oy += sy) {
          std::fill(copy.begin(), copy.end(), 0);
          for (int j = 0; j < baseH; ++j) {
            for (int i = 0; i < baseW; ++i) {
              if (!base[at(i, j)]) continue;
              const int x0 = static_cast<int>(ex * static_cast<float>(i)) + ox;
              const int x1 = static_cast<int>(ex * (static_cast<float>(i) + 0.99f)) + ox;
              const int y0 = static_cast<int>(ey * static_cast<float>(j)) + oy;
              const int y1 = static_cast<int>(ey * (static_cast<float>(j) + 0.99f)) + oy;
              for (int y = std::max(y0, 0); y <= y1 && y < yDim_; ++y) {
                for (int x = std::max(x0, 0); x <= x1 && x < xDim_; ++x) copy[at(x, y)] = 1;
              }
            }
          }
          Emit(copy, true);
        }
      }
    }
  }

  void Scale2D() {
    if (RegionEmpty(region_)) return;
    Emit(region_, true);
    ScaleFrom(region_);
  }

  // The object shifted so that its box sits in the middle of the region.
  Grid Centred() const {
    const Extent e = FindExtent(region_, xDim_, yDim_);
    const int dx = (xDim_ - e.c1 - e.c0 - 1) / 2;
    const int dy = (yDim_ - e.r1 - e.r0 - 1) / 2;
    Grid out(region_.size(), 0);
    for (int y = 0; y < yDim_; ++y) {
      for (int x = 0; x < xDim_; ++x) {
        if (!region_[at(x, y)]) continue;
        const int nx = x + dx, ny = y + dy;
        if (nx >= 0 && nx < xDim_ && ny >= 0 && ny < yDim_) out[at(nx, ny)] = 1;
      }
    }
    return out;
  }

  Grid Turned(const Grid& g, float theta) const {
    const float cx = static_cast<float>(xDim_ - 2) / 2.0f;
    const float cy = static_cast<float>(yDim_ - 2) / 2.0f;
    const float c = std::cos(theta), s = std::sin(theta);
    Grid out(g.size(), 0);
    for (int y = 0; y < yDim_; ++y) {
      for (int x = 0; x < xDim_; ++x) {
        if (!g[at(x, y)]) continue;
        const float l = static_cast<float>(x) - cx;
        const float m = cy - static_cast<float>(y);
        const float colf = cx + (c * l - s * m) + 0.5f;
        const float rowf = cy - (m * c + l * s) - 0.5f;
        // Targets are truncated toward zero; anything past the region is lost.
        if (!(colf > -1.0f && colf < static_cast<float>(xDim_))) continue;
        if (!(rowf > -1.0f && rowf < static_cast<float>(yDim_))) continue;
        out[at(static_cast<int>(colf), static_cast<int>(rowf))] = 1;
      }
    }
    return out;
  }

  void Rotate(bool withScaling) {
    if (RegionEmpty(region_)) return;
    Emit(region_, true);
    const Grid centred = Centred();
    const float step = withScaling ? kRotationScalingStep : kRotationStep;
    Grid placed(region_.size());
    for (int k = 0; k < kAngleCount; ++k) {
      const Grid turned = Turned(centred, static_cast<float>(k) * step);
      if (withScaling) {
        Emit(turned, true);
        ScaleFrom(turned);
        continue;
      }
      const Extent e = FindExtent(turned, xDim_, yDim_);
      const Grid moved = MoveToOrigin(turned, e);
      for (int ox = 0; ox <= xDim_ - e.width(); ++ox) {
        for (int oy = 0; oy <= yDim_ - e.height(); ++oy) {
          std::fill(placed.begin(), placed.end(), 0);
          for (int y = 0; y < e.height(); ++y) {
            for (int x = 0; x < e.width(); ++x) placed[at(ox + x, oy + y)] = moved[at(x, y)];
          }
          Emit(placed, true);
        }
      }
    }
  }

  const SymmetryCopySink& sink_;
  size_t start_;
  int xDim_;
  int yDim_;
  std::string copy_;
  Grid region_;
  int64_t outsideOnes_ = 0;
  int64_t denseAt_ = 0;
  int64_t made_ = 0;
};

bool IsOneDimensional(SymmetryFamily family) {
  return family == SymmetryFamily::kTranslation1D || family == SymmetryFamily::kScaling1D;
}

}  // namespace

SymmetryFamily FamilyOfKind(int symmetryKind) {
  switch (symmetryKind) {
    case 1: case 2: return SymmetryFamily::kTranslation1D;
    case 3: case 4: return SymmetryFamily::kScaling1D;
    case 11: return SymmetryFamily::kTranslationX;
    case 12: return SymmetryFamily::kTranslationY;
    case 13: return SymmetryFamily::kTranslationXY;
    case 21: case 22: case 23: return SymmetryFamily::kScaling2D;
    case 31: return SymmetryFamily::kRotation;
    case 32: case 33: case 34: return SymmetryFamily::kRotationScaling;
    default: return SymmetryFamily::kNone;
  }
}

int CheckSymmetryRegion(const SymmetryGeometry& g, uint32_t n) {
  const SymmetryFamily family = FamilyOfKind(g.symmetryKind);
  if (family == SymmetryFamily::kNone) return kSymmetryRegionFits;
  const bool oneD = IsOneDimensional(family);
  if (g.symmetryStart < 0 || g.symmetryXDim <= 0 || (!oneD && g.symmetryYDim <= 0)) {
    return kSymmetryRegionUnset;
  }
  const int64_t size = oneD ? int64_t{g.symmetryXDim}
                            : int64_t{g.symmetryXDim} * int64_t{g.symmetryYDim};
  if (int64_t{g.symmetryEnd} - g.symmetryStart + 1 != size) return kSymmetryRegionInconsistent;
  if (int64_t{g.symmetryStart} + size > int64_t{n}) return kSymmetryRegionPastVector;
  return kSymmetryRegionFits;
}

std::string SymmetryRegionProblem(int code) {
  switch (code) {
    case kSymmetryRegionUnset:
      return "The symmetry region is not set; please set the symmetry again.";
    case kSymmetryRegionPastVector:
      return "The symmetry region runs past the end of the training vectors.";
    case kSymmetryRegionInconsistent:
      return "The symmetry end position does not agree with the symmetry dimensions.";
    default:
      return "";
  }
}

int64_t ExpandSymmetry(std::string_view vector, const SymmetryGeometry& geometry,
                       const SymmetryCopySink& sink) {
  const SymmetryFamily family = FamilyOfKind(geometry.symmetryKind);
  if (family == SymmetryFamily::kNone) return 0;
  if (CheckSymmetryRegion(geometry, static_cast<uint32_t>(vector.size())) != kSymmetryRegionFits) {
    return 0;
  }
  Expander expander(vector, geometry, sink);
  return expander.Run(family);
}

}  // namespace foresta
