#ifndef FORESTA_FRAME_COMMAND_ROUTING_H_
#define FORESTA_FRAME_COMMAND_ROUTING_H_

#include "workbench/command_ids.h"

namespace foresta {

// Which of the window-handled commands (File, Edit, View, Window) go to the
// active document's editor and which to the window itself; every other
// identifier goes to the workbench.

// Commands that act on the active document's editor.
inline bool IsEditorCommand(int id) {
  switch (id) {
    case kCmFileClose: case kCmFileSave: case kCmFileSaveAs:
    case kCmFileRevert: case kCmEditUndo: case kCmEditRedo: case kCmEditCut: case kCmEditCopy:
    case kCmEditPaste: case kCmEditDelete: case kCmEditClear:
    case kCmEditSelectAll: case kCmEditFind: case kCmEditReplace:
    case kCmEditFindNext: case kCmFont:
      return true;
    default:
      return false;
  }
}

// Commands the frame and its document area handle.
inline bool IsFrameCommand(int id) {
  switch (id) {
    case kCmFileNew: case kCmFileOpen: case kCmImportCsv: case kCmExit: case kCmPrintPreview:
    case kCmPrint: case kCmPrintSetup: case kCmCascade: case kCmTile:
    case kCmArrangeIcons: case kCmCloseAll: case kCmViewChart:
      return true;
    default:
      return false;
  }
}

}  // namespace foresta

#endif  // FORESTA_FRAME_COMMAND_ROUTING_H_
