// Rows of the File, Edit, View and Window commands. The window and the
// active document handle them, so they have no workbench handler.
#include "workbench/command_vocabulary.h"

namespace foresta {
namespace {

constexpr CommandRow kRows[] = {
    {kCmFileNew, "&New", "Create a new document", nullptr},
    {kCmFileOpen, "&Open...", "Open an existing document; it becomes the input data file", nullptr},
    {kCmImportCsv, "&Import CSV...",
     "Convert a CSV file into an input data file, open it and make it the input", nullptr},
    {kCmFileClose, "&Close", "Close the active document", nullptr},
    {kCmFileSave, "&Save", "Save the active document", nullptr},
    {kCmFileSaveAs, "Save &As...", "Save the active document under a new name", nullptr},
    {kCmFileRevert, "R&evert to Saved", "Reload the active document from its file", nullptr},
    {kCmPrintPreview, "Print Pre&view...", "Show the pages of the active document as printed", nullptr},
    {kCmPrint, "&Print...", "Print the active document", nullptr},
    {kCmPrintSetup, "P&rint Setup...", "Choose a printer and its settings", nullptr},
    {kCmExit, "E&xit", "Quit the application", nullptr, "Alt+F4"},
    {kCmEditUndo, "&Undo", "Undo the last change", nullptr, "Alt+BkSp"},
    {kCmEditRedo, "&Redo", "Redo the last undone change", nullptr, "Ctrl+Y"},
    {kCmEditCut, "Cu&t", "Cut the selection to the clipboard", nullptr, "Shift+Del"},
    {kCmEditCopy, "&Copy", "Copy the selection to the clipboard", nullptr, "Ctrl+Ins"},
    {kCmEditPaste, "&Paste", "Insert the text on the clipboard", nullptr, "Shift+Ins"},
    {kCmEditClear, "Clear &All", "Delete the whole text", nullptr, "Ctrl+Del"},
    {kCmEditSelectAll, "&Select All", "Select the whole text", nullptr},
    {kCmEditDelete, "&Delete", "Delete the selection", nullptr, "Del"},
    {kCmEditFind, "&Find...", "Find a text", nullptr},
    {kCmEditReplace, "&Replace...", "Find a text and replace it", nullptr},
    {kCmEditFindNext, "&Next", "Find the next occurrence", nullptr, "F3"},
    {kCmFont, "&Font...", "Choose the display font", nullptr},
    {kCmViewChart, "&Chart", "Chart the input data file, with its last prediction and backtest", nullptr},
    {kCmCascade, "&Cascade", "Arrange the document windows so that they overlap", nullptr},
    {kCmTile, "&Tile", "Arrange the document windows side by side", nullptr},
    {kCmArrangeIcons, "Arrange &Icons", "Line up the minimised document windows", nullptr},
    {kCmCloseAll, "C&lose All", "Close every document window", nullptr},
};

}  // namespace

std::span<const CommandRow> WindowCommandRows() { return kRows; }

}  // namespace foresta
