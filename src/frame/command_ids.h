#ifndef FORESTA_FRAME_COMMAND_IDS_H_
#define FORESTA_FRAME_COMMAND_IDS_H_

namespace foresta {

// Identifiers of the commands the frame and the editor handle themselves.
// Every other identifier a menu, button or key sends goes to the workbench.
inline constexpr int kCmFileNew = 24331;
inline constexpr int kCmFileOpen = 24332;
inline constexpr int kCmFileClose = 24339;
inline constexpr int kCmFileSave = 24333;
inline constexpr int kCmFileSaveAs = 24334;
inline constexpr int kCmFileRevert = 20002;
inline constexpr int kCmPrintPreview = 24340;
inline constexpr int kCmPrint = 24337;
inline constexpr int kCmPrintSetup = 24338;
inline constexpr int kCmExit = 24310;

inline constexpr int kCmEditUndo = 24321;
inline constexpr int kCmEditCut = 24322;
inline constexpr int kCmEditCopy = 24323;
inline constexpr int kCmEditPaste = 24324;
inline constexpr int kCmEditDelete = 24325;
inline constexpr int kCmEditClear = 24326;
inline constexpr int kCmEditSelectAll = 20001;
inline constexpr int kCmEditFind = 24351;
inline constexpr int kCmEditReplace = 24352;
inline constexpr int kCmEditFindNext = 24353;
inline constexpr int kCmFont = 20000;

inline constexpr int kCmCascade = 24361;
inline constexpr int kCmTile = 24362;
inline constexpr int kCmArrangeIcons = 24364;
inline constexpr int kCmCloseAll = 24365;

inline constexpr int kCmHelpContents = 2001;
inline constexpr int kCmHelpUsing = 2002;

// Commands that act on the active document's editor.
inline bool IsEditorCommand(int id) {
  switch (id) {
    case kCmFileClose: case kCmFileSave: case kCmFileSaveAs:
    case kCmFileRevert: case kCmEditUndo: case kCmEditCut: case kCmEditCopy:
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
    case kCmFileNew: case kCmFileOpen: case kCmExit: case kCmPrintPreview:
    case kCmPrint: case kCmPrintSetup: case kCmCascade: case kCmTile:
    case kCmArrangeIcons: case kCmCloseAll:
      return true;
    default:
      return false;
  }
}

}  // namespace foresta

#endif  // FORESTA_FRAME_COMMAND_IDS_H_
