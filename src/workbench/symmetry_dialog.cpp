#include "workbench/symmetry_dialog.h"

#include <cstdint>

#include "state/shell.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

constexpr const char* kInconsistent = "Parameters are inconsistent\n ";
constexpr const char* kSetAgain = "\n Please Set Symmetry Again! ";

struct Classification {
  int kind;
  const char* text;
};

// Kind and line for two positive dimensions, chosen by the check boxes.
Classification Classify2D(const DialogTexts& t) {
  const bool xt = t.xTranslation, yt = t.yTranslation;
  const bool xs = t.xScaling, ys = t.yScaling;
  if (!t.zRotation) {
    if (!xs && !ys) {
      if (xt && yt) return {kXYTranslation2D, "\n2-D x- and y-translational Symmetry! "};
      if (xt) return {kXTranslation2D, "\n2-D x-translational Symmetry! "};
      if (yt) return {kYTranslation2D, "\n2-D y-translational Symmetry! "};
      return {kNoSymmetry, "\n No Symmetry! "};
    }
    if (xs && ys) {
      return {kXYScaling2D,
              "\n2-D x- and y-scaling  +  x- and y- translational Symmetry! "};
    }
    if (xs) {
      if (yt) {
        return {kNoSymmetry,
                "\n Setting (x-scaling + y-translation) is not supported. \n"
                " Please Set Symmetry Again! "};
      }
      return {kXScaling2D, "\n2-D x-scaling and x-translational Symmetry! "};
    }
    if (xt) {
      return {kNoSymmetry,
              "\n Setting (y-scaling + x-translation) is not supported. \n"
              " Please Set Symmetry Again! "};
    }
    return {kYScaling2D, "\n2-D y-scaling and y-translational Symmetry! "};
  }
  if (!xs && !ys) return {kZRotation, "\n z-Rotation Symmetry! "};
  if (xs && ys) {
    return {kFullSymmetry,
            "\n2-D x- and y-scaling  +  x- and y- translational + z-Rotation "
            "Symmetry! "};
  }
  if (xs) {
    if (yt) {
      return {kNoSymmetry,
              "\n Setting (x-scaling + y-translation + z-ratation) is not "
              "supported. \n Please Set Symmetry Again! "};
    }
    return {kXScalingRotation, "\n2-D x-scaling and z-Rotate Symmetry! "};
  }
  if (xt) {
    return {kNoSymmetry,
            "\n Setting (y-scaling + x-translation + z-ratation) is not "
            "supported. \n Please Set Symmetry Again! "};
  }
  return {kYScalingRotation, "\n2-D y-scaling and z-Rotate Symmetry! "};
}

}  // namespace

SymmetryOutcome ApplySymmetryTexts(WorkbenchState& state) {
  const DialogTexts& t = state.texts;
  const int s = ParseDialogInteger(t.symmetryStart);
  const int e = ParseDialogInteger(t.symmetryEnd);
  const int x = ParseDialogInteger(t.symmetryX);
  const int y = ParseDialogInteger(t.symmetryY);
  // 64 bits: texts may hold numbers near the int limits, and a wrapped
  // length or product must never pass as consistent.
  const std::int64_t length = static_cast<std::int64_t>(e) - s + 1;
  const std::int64_t area = static_cast<std::int64_t>(x) * y;

  SymmetryOutcome out;
  std::string& m = out.message;
  if (s < 0) {
    m = " No Symmetry! \n ";
  } else if (s >= e) {
    m = " Invalid Parameters: \n Start Position >= End Position \n ";
  } else if (x < 0 && y < 0) {
    m = " Please Enter Enter x-Dimension \n ";
  } else if (y < 0 && x != length) {
    m = std::string(kInconsistent) +
        "x-Dimension <> Start Position - End Position + 1 \n ";
  } else if (x < 0 && y != length) {
    m = std::string(kInconsistent) +
        "y-Dimension <> Start Position - End Position + 1 \n ";
  } else if (x > 0 && y > 0 && area != length) {
    m = std::string(kInconsistent) +
        " (x-Dim)*(y-Dim ) <> Start Position - End Position + 1 \n ";
  } else {
    out.valid = true;
    m = "Symmetry Parameters: \n Symmetry starts at: " + t.symmetryStart +
        "\nSymmetry ends at: " + t.symmetryEnd + "\nx-Dimension is: " +
        t.symmetryX + "\ny-Dimension is: " + t.symmetryY + "\n";
    state.symmetryStart = s;
    state.symmetryEnd = e;
    state.symmetryXDim = x;
    state.symmetryYDim = y;
  }

  const int positive = (x > 0 ? 1 : 0) + (y > 0 ? 1 : 0);
  Classification c{kNoSymmetry, kSetAgain};
  if (positive == 2) {
    c = Classify2D(t);
  } else if (positive == 1 && x > 0) {
    if (t.xScaling) {
      c = {kScaling1D, "\n1-D x-scaling and x-translational Symmetry! "};
    } else if (t.xTranslation) {
      c = {kTranslation1D, "\n1-D x-translational Symmetry! "};
    }
  } else if (positive == 1) {
    // The engine runs a 1-D symmetry along x; a y-only region is mapped
    // onto x by taking the stored y dimension as the x dimension.
    state.symmetryXDim = state.symmetryYDim;
    if (t.yScaling) {
      c = {kScaling1D, "\n1-D y-scaling and y-translational Symmetry! "};
    } else if (t.yTranslation) {
      c = {kTranslation1D, "\n1-D y-translational Symmetry! "};
    }
  }
  state.symmetryKind = c.kind;
  out.kind = c.kind;
  m += c.text;
  return out;
}

void RunSymmetryCommand(Workbench& wb) {
  if (!wb.shell().RunDialog(DialogKind::kSymmetry, wb.state())) return;
  SymmetryOutcome outcome = ApplySymmetryTexts(wb.state());
  wb.shell().ShowMessage(kSymmetryCaption, outcome.message,
                         MessageButtons::kOk, MessageIcon::kNone);
}

}  // namespace foresta
