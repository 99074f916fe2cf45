#include "frame/command_catalog.h"

#include "workbench/command_ids.h"

namespace foresta {
namespace {

constexpr int kToolBar[] = {
    kCmFileNew, kCmFileOpen, kCmFileSave, 0,
    kCmLink, kCmInput, kCmOutput, 0,
    kCmRealPlusLinear, kCmRealZeroLinear, kCmRealMinusLinear, 0,
    kCmRealPlusExponential, kCmRealZeroExponential, kCmRealMinusExponential, 0,
    kCmEditCut, kCmEditCopy, kCmEditPaste, 0,
    kCmEditUndo, kCmEditRedo, kCmPrint, kCmPrintPreview, kCmHelpContents,
};

}  // namespace

std::span<const int> ToolBarLayout() { return kToolBar; }

std::string ToolButtonName(int id) {
  switch (id) {
    case kCmFileNew: return "New";
    case kCmFileOpen: return "Open";
    case kCmFileSave: return "Save";
    case kCmLink: return "Link";
    case kCmInput: return "Input";
    case kCmOutput: return "Output";
    case kCmRealPlusLinear: return "Real + Linear";
    case kCmRealMinusLinear: return "Real -- Linear";
    case kCmRealZeroLinear: return "Real 0 Linear";
    case kCmRealPlusExponential: return "Real + Exponential";
    case kCmRealMinusExponential: return "Real -- Exponential";
    case kCmRealZeroExponential: return "Real 0 Exponential";
    case kCmEditCut: return "Cut";
    case kCmEditCopy: return "Copy";
    case kCmEditPaste: return "Paste";
    case kCmEditUndo: return "Undo";
    case kCmEditRedo: return "Redo";
    case kCmPrint: return "Print";
    case kCmPrintPreview: return "Print Preview";
    case kCmHelpContents: return "Help Contents";
    default: return {};
  }
}

}  // namespace foresta
