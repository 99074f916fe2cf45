#include "examples/airplane_generator.h"

#include <vector>

#include "examples/example_file.h"
#include "state/workbench_state.h"

namespace foresta {
namespace {

struct Point {
  double x, y;
};
using Polygon = std::vector<Point>;

// Outlines in a frame of -1..1, nose up (negative y). Each wing and tail is
// listed for the left side and mirrored.
std::vector<Polygon> LeftHalf(int kind) {
  switch (kind) {
    case 0:  // airliner: long body, swept wings, swept tail
      return {{{0, -0.95}, {-0.1, -0.75}, {-0.1, 0.9}, {0, 0.95}},
              {{-0.1, -0.15}, {-0.95, 0.25}, {-0.95, 0.38}, {-0.1, 0.15}},
              {{-0.1, 0.62}, {-0.4, 0.85}, {-0.4, 0.95}, {-0.1, 0.82}}};
    case 1:  // delta-wing jet
      return {{{0, -0.95}, {-0.8, 0.7}, {0, 0.7}},
              {{-0.1, 0.6}, {-0.1, 0.95}, {0, 0.95}, {0, 0.6}}};
    case 2:  // propeller plane: straight wings and tail, propeller bar
      return {{{0, -0.8}, {-0.13, -0.7}, {-0.1, 0.9}, {0, 0.9}},
              {{-0.95, -0.4}, {-0.95, -0.12}, {0, -0.12}, {0, -0.4}},
              {{-0.4, 0.62}, {-0.4, 0.82}, {0, 0.82}, {0, 0.62}},
              {{-0.45, -0.97}, {-0.45, -0.87}, {0, -0.87}, {0, -0.97}}};
    default:  // glider: thin body, very long thin wings
      return {{{0, -0.7}, {-0.07, -0.6}, {-0.06, 0.95}, {0, 0.95}},
              {{-1.0, -0.22}, {-1.0, -0.08}, {0, -0.05}, {0, -0.25}},
              {{-0.3, 0.78}, {-0.3, 0.9}, {0, 0.9}, {0, 0.78}}};
  }
}

constexpr const char* kKindNames[kAirplaneKinds] = {
    "airliner", "delta-wing jet", "propeller plane", "glider"};

bool Inside(const Polygon& poly, double x, double y) {
  bool in = false;
  for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
    const Point& a = poly[i];
    const Point& b = poly[j];
    if ((a.y > y) != (b.y > y) &&
        x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
      in = !in;
  }
  return in;
}

bool Covered(int kind, double x, double y) {
  const double mirrored = x > 0 ? -x : x;
  for (const Polygon& p : LeftHalf(kind))
    if (Inside(p, mirrored, y)) return true;
  return false;
}

std::string OneHot(int kind) {
  std::string v(kAirplaneSide, '0');
  v[static_cast<std::size_t>(kind)] = '1';
  return v;
}

void WriteVector(ExampleFile& out, const std::string& classPart,
                 const std::string& image) {
  out.Write(classPart);
  out.Put('\n');
  for (int r = 0; r < kAirplaneSide; ++r) {
    out.Write(std::string_view(image).substr(
        static_cast<std::size_t>(r * kAirplaneSide), kAirplaneSide));
    out.Put('\n');
  }
  out.Put('\n');
}

const char* SymmetryName(AirplaneView view) {
  switch (view) {
    case AirplaneView::kScaling:
      return "x- and y-scaling with x- and y-translation (kind 23)";
    case AirplaneView::kRotation:
      return "z-rotation (kind 31)";
    case AirplaneView::kRotationAndScaling:
      break;
  }
  return "x- and y-scaling, translation and z-rotation (kind 34)";
}

void WriteHeader(ExampleFile& out, const char* role, AirplaneView view,
                 bool withCount) {
  out.Write(" * \n Airplane Images, ");
  out.Write(role);
  out.Write("\n Top views of four airplanes on a 40 by 40 grid. Classes (the"
            "\n position of the 1 in the first 40 neurons):");
  for (int k = 0; k < kAirplaneKinds; ++k) {
    out.Write("\n   ");
    out.WriteInt(k);
    out.Write(" ");
    out.Write(kKindNames[k]);
  }
  out.Write("\nPlease set line breaker to\n line 2 starts at 40 \n"
            "line 3 starts at 80\nline 4 starts at 120\nline 5 starts at 160\n"
            "Please set symmetry to\nSymmetry starts at   40\n"
            "Symmetry ends at 1639\nx-dimension is 40\ny-dimension is 40\n"
            "Symmetry: ");
  out.Write(SymmetryName(view));
  out.Write("\n*\n");
  if (withCount) out.Write(" 1640\n");
  out.Put('\n');
}

int Finish(ExampleFile& out) {
  return out.Close() ? kExampleWritten : kExampleCannotCreate;
}

}  // namespace

std::string AirplaneImage(int kind, double scale, int quarterTurns) {
  std::string image(kAirplaneSide * kAirplaneSide, '0');
  const double half = kAirplaneSide / 2.0;
  for (int r = 0; r < kAirplaneSide; ++r) {
    for (int c = 0; c < kAirplaneSide; ++c) {
      // Pixel centre in the outline frame, turned back by the rotation.
      double x = (c + 0.5 - half) / (half * 0.95 * scale);
      double y = (r + 0.5 - half) / (half * 0.95 * scale);
      for (int t = 0; t < (quarterTurns % 4 + 4) % 4; ++t) {
        const double turned = x;
        x = y;
        y = -turned;
      }
      if (Covered(kind, x, y))
        image[static_cast<std::size_t>(r * kAirplaneSide + c)] = '1';
    }
  }
  return image;
}

int WriteAirplaneTraining(const WorkbenchState& state, AirplaneView view) {
  ExampleFile out(state.trainingFile);
  if (!out.is_open()) return kExampleCannotCreate;
  WriteHeader(out, "Training Data File", view, true);
  for (int k = 0; k < kAirplaneKinds; ++k)
    WriteVector(out, OneHot(k), AirplaneImage(k, 1.0, 0));
  if (view == AirplaneView::kRotationAndScaling)
    for (int k = 0; k < kAirplaneKinds; ++k)
      WriteVector(out, OneHot(k), AirplaneImage(k, 2.0 / 3.0, 0));
  return Finish(out);
}

int WriteAirplaneRetraining(const WorkbenchState& state) {
  ExampleFile out(state.retrainingFile);
  if (!out.is_open()) return kExampleCannotCreate;
  WriteHeader(out, "Retraining Data File", AirplaneView::kScaling, true);
  for (int k = 0; k < kAirplaneKinds; ++k)
    WriteVector(out, OneHot(k), AirplaneImage(k, 0.8, 0));
  return Finish(out);
}

int WriteAirplaneRecognition(const WorkbenchState& state, AirplaneView view) {
  ExampleFile out(state.recognitionFile);
  if (!out.is_open()) return kExampleCannotCreate;
  WriteHeader(out, "Recognition Data File (class unknown)", view, false);
  const std::string unknown(kAirplaneSide, 'x');
  for (int k = 0; k < kAirplaneKinds; ++k) {
    switch (view) {
      case AirplaneView::kScaling:
        WriteVector(out, unknown, AirplaneImage(k, 0.6, 0));
        break;
      case AirplaneView::kRotation:
        WriteVector(out, unknown, AirplaneImage(k, 1.0, k % 3 + 1));
        break;
      case AirplaneView::kRotationAndScaling:
        WriteVector(out, unknown, AirplaneImage(k, 0.7, k % 3 + 1));
        break;
    }
  }
  return Finish(out);
}

}  // namespace foresta
