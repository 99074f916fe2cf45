#ifndef FORESTA_FRAME_PLUME_ED_APP_H_
#define FORESTA_FRAME_PLUME_ED_APP_H_

#include <functional>
#include <map>
#include <memory>
#include <string>

#include <QMainWindow>

#include "frame/command_runner.h"
#include "frame/gui_shell.h"
#include "frame/shell_prompter.h"
#include "workbench/workbench.h"

class QAction;
class QMenu;

namespace foresta {

class ChartDocument;
class ChartWindows;
class FrameStatusBar;
class HelpWindow;
class plume_edMDIClient;
class plume_edWindow;

// The product's name and version ("Foresta 2.8"): the main window's caption
// and the caption of every box that names no caption of its own.
std::string ApplicationTitle();

// The application's main window: the workbench it drives, the menu bar,
// tool bar and status bar, the document area and the help window. Every
// command identifier a menu item, button or key sends comes to Dispatch().
class plume_edApp : public QMainWindow {
  Q_OBJECT

 public:
  explicit plume_edApp(QWidget* parent = nullptr);
  ~plume_edApp() override;

  // Performs a command as if its menu item had been chosen.
  void Dispatch(int id);

  // Printing is supplied from outside; until it is, the print commands stay
  // disabled. `usable` says whether a document can be printed now (a
  // usable printer); the commands need an active document in any case.
  // `document` is the widget of the active document window: an editor
  // (plume_edWindow) or a chart; nullptr when none is open.
  using PrintHandler = std::function<void(int id, QWidget* document)>;
  using PrintUsable = std::function<bool(QWidget* document)>;
  void SetPrintHandler(PrintHandler handler, PrintUsable usable = {});

  Workbench& workbench() { return workbench_; }
  GuiShell& guiShell() { return guiShell_; }
  CommandRunner& runner() { return *runner_; }
  plume_edMDIClient& documentArea() { return *client_; }
  ChartWindows& charts() { return *charts_; }
  FrameStatusBar& frameStatusBar() { return *statusBar_; }
  HelpWindow* helpWindow() const { return help_; }
  QAction* Action(int id) const;
  bool InHelpMode() const { return helpMode_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  void CreateStatusBar();
  void UpdateActions();
  // Lists the open document windows at the foot of the Window menu, the
  // active one checked.
  void UpdateWindowMenu();
  // Keeps the actions in step with the active editor's selection, journal
  // and modified flag.
  void FollowActiveDocument();

  void RunWorkbenchCommand(int id);
  void FrameCommand(int id);
  void EditorCommand(int id);
  // The chart shown in the active document window, or nullptr.
  ChartDocument* ActiveChart() const;
  void OpenFromDialog();
  void ImportFromDialog();
  // Makes `file`, open in a document window, the prediction input.
  void LinkInput(const std::string& file);
  void ArrangeIcons();
  void EnterHelpMode();
  void LeaveHelpMode();
  bool ShowHelpWindow(const HelpRequest& request);
  // Asks about every changed document; false when the user cancelled.
  bool CloseDocumentsForExit();

  FrameStatusBar* statusBar_;
  CommandRunner* runner_;
  GuiShell guiShell_;
  ShellPrompter prompter_;
  plume_edMDIClient* client_;
  MarshallingShell shell_;
  Workbench workbench_;
  std::unique_ptr<ChartWindows> charts_;
  HelpWindow* help_ = nullptr;
  std::map<int, QAction*> actions_;
  QMenu* windowMenu_ = nullptr;
  QList<QAction*> windowList_;
  QAction* helpModeAction_ = nullptr;
  bool helpMode_ = false;
  PrintHandler print_;
  PrintUsable printUsable_;
};

}  // namespace foresta

#endif  // FORESTA_FRAME_PLUME_ED_APP_H_
