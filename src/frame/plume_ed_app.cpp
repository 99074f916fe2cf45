#include "frame/plume_ed_app.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QScreen>
#include <QToolBar>
#include <QUrl>

#include "editor/widget/edit_client.h"
#include "frame/chart/chart_document.h"
#include "frame/chart_windows.h"
#include "frame/command_catalog.h"
#include "frame/command_routing.h"
#include "frame/drawn_icon.h"
#include "frame/frame_status_bar.h"
#include "frame/help_window.h"
#include "frame/import_dialog.h"
#include "frame/plume_ed_mdi_child.h"
#include "frame/plume_ed_mdi_client.h"
#include "frame/plume_ed_window.h"
#include "workbench/command_vocabulary.h"

namespace foresta {
namespace {

QString FromText(const std::string& text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

// The accelerators; the first key of each is the one the menu shows. The
// product's own keys come first; beside them, where no key clashes, the
// keys every desktop editor answers to.
QList<QKeySequence> Accelerators(int id) {
  switch (id) {
    case kCmFileNew: return {QKeySequence(Qt::CTRL | Qt::Key_N)};
    case kCmFileOpen: return {QKeySequence(Qt::CTRL | Qt::Key_O)};
    case kCmFileSave: return {QKeySequence(Qt::CTRL | Qt::Key_S)};
    case kCmFileClose: return {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)};
    case kCmPrint: return {QKeySequence(Qt::CTRL | Qt::Key_P)};
    case kCmEditSelectAll: return {QKeySequence(Qt::CTRL | Qt::Key_A)};
    case kCmEditFind: return {QKeySequence(Qt::CTRL | Qt::Key_F)};
    case kCmEditReplace: return {QKeySequence(Qt::CTRL | Qt::Key_H)};
    case kCmEditUndo: return {QKeySequence(Qt::ALT | Qt::Key_Backspace), QKeySequence(Qt::CTRL | Qt::Key_Z)};
    case kCmEditRedo:
      return {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
    case kCmEditCut: return {QKeySequence(Qt::SHIFT | Qt::Key_Delete), QKeySequence(Qt::CTRL | Qt::Key_X)};
    case kCmEditCopy: return {QKeySequence(Qt::CTRL | Qt::Key_Insert), QKeySequence(Qt::CTRL | Qt::Key_C)};
    case kCmEditPaste: return {QKeySequence(Qt::SHIFT | Qt::Key_Insert), QKeySequence(Qt::CTRL | Qt::Key_V)};
    case kCmEditClear: return {QKeySequence(Qt::CTRL | Qt::Key_Delete)};
    case kCmEditFindNext: return {QKeySequence(Qt::Key_F3)};
    default: return {};
  }
}

// The name a user sees for a command in a progress title: its label
// without the mnemonic mark.
QString PlainLabel(const QAction* action) {
  QString text = action->property("label").toString();
  text.remove(QLatin1Char('&'));
  return text;
}

}  // namespace

std::string ApplicationTitle() { return kProductTitle; }

plume_edApp::plume_edApp(QWidget* parent)
    : QMainWindow(parent),
      statusBar_(new FrameStatusBar(this)),
      runner_(new CommandRunner(this)),
      guiShell_(
          this, ApplicationTitle(),
          [this](const std::string& file) { client_->OpenFile(file); },
          [this](const HelpRequest& request) { return ShowHelpWindow(request); }),
      prompter_(guiShell_, this),
      client_(new plume_edMDIClient(*statusBar_, prompter_, this)),
      shell_(guiShell_, *this, *runner_),
      workbench_(shell_),
      charts_(std::make_unique<ChartWindows>(*client_, *statusBar_, guiShell_)) {
  setWindowTitle(FromText(ApplicationTitle()));
  setWindowIcon(CommandIcon(kApplicationIconId));
  setCentralWidget(client_);
  CreateActions();
  CreateMenus();
  CreateToolBar();
  CreateStatusBar();
  setAcceptDrops(true);
  client_->setAcceptDrops(true);
  connect(client_, &QMdiArea::subWindowActivated, this, [this] {
    FollowActiveDocument();
    UpdateActions();
  });
  // Paste follows the clipboard, whichever program changed it.
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
          &plume_edApp::UpdateActions);
  client_->SetBusyCheck([this] { return runner_->Busy(); });
  connect(client_, &plume_edMDIClient::CommandChosen, this, [this](plume_edMDIChild* child, int id) {
    client_->setActiveSubWindow(child);
    Dispatch(id);
  });
  qApp->installEventFilter(this);
  UpdateActions();

  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize available = screen != nullptr ? screen->availableSize() : QSize(1280, 900);
  resize(std::min(1100, available.width() * 9 / 10), std::min(760, available.height() * 9 / 10));
}

plume_edApp::~plume_edApp() {
  qApp->removeEventFilter(this);
  // Documents and charts go before the workbench and the shell they may
  // call, and before the actions the area's signals would update.
  client_->disconnect(this);
  for (QMdiSubWindow* child : client_->subWindowList()) delete child;
}

QAction* plume_edApp::Action(int id) const {
  auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

void plume_edApp::CreateActions() {
  for (const MenuDefinition& menu : MainMenuBar()) {
    for (int id : menu.ids) {
      if (id == 0 || actions_.count(id) != 0) continue;
      const CommandRow& row = *FindCommand(id);
      const QString label = FromText(std::string(row.label));
      QString text = label;
      // The key column shows the key the product documents; the real keys
      // are the accelerators below.
      if (!row.keyText.empty()) text += QLatin1Char('\t') + FromText(std::string(row.keyText));
      auto* action = new QAction(CommandIcon(id), text, this);
      action->setProperty("label", label);
      action->setData(id);
      action->setStatusTip(FromText(std::string(row.hint)));
      action->setShortcuts(Accelerators(id));
      action->setShortcutContext(Qt::WindowShortcut);
      connect(action, &QAction::triggered, this, [this, id] { Dispatch(id); });
      actions_[id] = action;
      addAction(action);
    }
  }
  auto* contents = new QAction(this);
  contents->setShortcut(QKeySequence(Qt::Key_F1));
  connect(contents, &QAction::triggered, this, [this] { Dispatch(kCmHelpContents); });
  addAction(contents);
  helpModeAction_ = new QAction(this);
  helpModeAction_->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
  connect(helpModeAction_, &QAction::triggered, this, &plume_edApp::EnterHelpMode);
  addAction(helpModeAction_);
}

void plume_edApp::CreateMenus() {
  for (const MenuDefinition& definition : MainMenuBar()) {
    QMenu* menu = menuBar()->addMenu(FromText(std::string(definition.title)));
    for (int id : definition.ids) {
      if (id == 0) {
        menu->addSeparator();
      } else {
        menu->addAction(actions_.at(id));
      }
    }
    connect(menu, &QMenu::aboutToShow, this, &plume_edApp::UpdateActions);
    if (std::find(definition.ids.begin(), definition.ids.end(), kCmCascade) != definition.ids.end()) {
      windowMenu_ = menu;
      connect(menu, &QMenu::aboutToShow, this, &plume_edApp::UpdateWindowMenu);
    }
  }
}

void plume_edApp::UpdateWindowMenu() {
  for (QAction* action : windowList_) {
    windowMenu_->removeAction(action);
    delete action;
  }
  windowList_.clear();
  // Text documents and charts alike.
  const QList<QMdiSubWindow*> documents = client_->subWindowList(QMdiArea::CreationOrder);
  if (documents.isEmpty()) return;
  windowList_ << windowMenu_->addSeparator();
  const QMdiSubWindow* active = client_->currentSubWindow();
  for (qsizetype i = 0; i < documents.size(); ++i) {
    QPointer<QMdiSubWindow> child = documents[i];
    auto* textDocument = qobject_cast<plume_edMDIChild*>(child);
    QString name = textDocument != nullptr ? textDocument->Caption() : child->windowTitle();
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    // The first nine are chosen by their digit.
    const QString text = i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(name)
                               : QStringLiteral("%1 %2").arg(i + 1).arg(name);
    QAction* action = windowMenu_->addAction(text);
    action->setCheckable(true);
    action->setChecked(child == active);
    connect(action, &QAction::triggered, this, [this, child] {
      if (child) client_->setActiveSubWindow(child);
    });
    windowList_ << action;
  }
}

void plume_edApp::CreateToolBar() {
  QToolBar* bar = addToolBar(QStringLiteral("Tools"));
  bar->setObjectName(QStringLiteral("toolBar"));
  bar->setMovable(false);
  bar->setIconSize(QSize(24, 24));
  QFont font = bar->font();
  font.setPointSize(10);
  bar->setFont(font);
  for (int id : ToolBarLayout()) {
    if (id == 0) {
      bar->addSeparator();
      continue;
    }
    QAction* action = actions_.at(id);
    bar->addAction(action);
  }
  // Tool tips name the button; the status bar shows the longer hint.
  for (QAction* action : bar->actions()) {
    if (action->isSeparator()) continue;
    const int id = action->data().toInt();
    if (QWidget* button = bar->widgetForAction(action)) {
      button->setToolTip(FromText(ToolButtonName(id)));
    }
  }
}

void plume_edApp::CreateStatusBar() {
  setStatusBar(statusBar_);
  statusBar_->showMessage(QStringLiteral("Ready"));
}

void plume_edApp::SetPrintHandler(PrintHandler handler, PrintUsable usable) {
  print_ = std::move(handler);
  printUsable_ = std::move(usable);
  UpdateActions();
}

void plume_edApp::FollowActiveDocument() {
  plume_edMDIChild* active = client_->ActiveDocument();
  TEditClient* editor = active != nullptr ? active->Client() : nullptr;
  if (editor == nullptr) return;
  connect(editor, &TEditClient::CommandStateChanged, this, &plume_edApp::UpdateActions,
          Qt::UniqueConnection);
}

// Enables the commands that can act now, by the active editor's own
// conditions (a selection to cut, a change to undo). A disabled command's
// key still reaches the editor, which ignores what does not apply.
void plume_edApp::UpdateActions() {
  plume_edMDIChild* active = client_->ActiveDocument();
  plume_edWindow* document = active != nullptr ? active->Client() : nullptr;
  ChartDocument* chart = ActiveChart();
  QWidget* shown = document != nullptr ? static_cast<QWidget*>(document) : chart;
  const bool anyWindow = !client_->subWindowList().isEmpty();
  for (auto& [id, action] : actions_) {
    if (IsEditorCommand(id)) {
      if (document != nullptr) {
        action->setEnabled(document->CommandEnabled(id));
      } else {
        action->setEnabled(chart != nullptr && chart->CommandEnabled(id));
      }
    } else if (id == kCmPrint || id == kCmPrintPreview || id == kCmPrintSetup) {
      action->setEnabled(print_ && shown != nullptr && (!printUsable_ || printUsable_(shown)));
    } else if (id == kCmCascade || id == kCmTile || id == kCmArrangeIcons ||
               id == kCmCloseAll) {
      action->setEnabled(anyWindow);
    }
  }
  if (document != nullptr) {
    document->RefreshStatus();
  } else if (chart != nullptr) {
    chart->RefreshStatus();
  } else {
    statusBar_->ClearDocumentFields();
  }
}

ChartDocument* plume_edApp::ActiveChart() const {
  QMdiSubWindow* window = client_->currentSubWindow();
  return window != nullptr ? qobject_cast<ChartDocument*>(window->widget()) : nullptr;
}

void plume_edApp::Dispatch(int id) {
  if (runner_->Busy()) {
    // One command at a time: the running one owns the settings until it ends.
    QApplication::beep();
    return;
  }
  if (helpMode_) {
    // In help mode a choice asks for its help page instead of running.
    LeaveHelpMode();
    workbench_.state().helpUsed =
        ShowHelpWindow({HelpRequest::Kind::kCommand, id}) || workbench_.state().helpUsed;
    return;
  }
  if (IsEditorCommand(id)) {
    EditorCommand(id);
  } else if (IsFrameCommand(id)) {
    FrameCommand(id);
  } else {
    RunWorkbenchCommand(id);
  }
}

void plume_edApp::RunWorkbenchCommand(int id) {
  const QAction* action = Action(id);
  const QString label = action != nullptr ? PlainLabel(action) : QString::number(id);
  const int adviceBefore = workbench_.advice().serial;
  const bool ran = runner_->Run((QStringLiteral("Foresta - ") + label).toStdString(),
                                [this, id] { workbench_.Execute(id); });
  // Open charts follow the predictions of their input.
  if (ran && CommandUpdatesCharts(id)) {
    charts_->AfterPrediction(workbench_.state().predictionInputFile,
                             workbench_.state().predictionOutputFile);
  }
  // ... and the backtests: a new advice means new records.
  if (ran && workbench_.advice().serial != adviceBefore) {
    charts_->AfterBacktest(workbench_.advice().inputFile, kBacktestRecordsFile);
  }
  UpdateActions();
}

void plume_edApp::EditorCommand(int id) {
  plume_edMDIChild* active = client_->ActiveDocument();
  if (active != nullptr && active->Client() != nullptr) {
    active->Client()->Command(id);
  } else if (ChartDocument* chart = ActiveChart()) {
    chart->Command(id);
  }
}

void plume_edApp::FrameCommand(int id) {
  switch (id) {
    case kCmFileNew: client_->New(); break;
    case kCmFileOpen: OpenFromDialog(); break;
    case kCmImportCsv: ImportFromDialog(); break;
    case kCmExit: close(); break;
    case kCmCascade: client_->cascadeSubWindows(); break;
    case kCmTile: client_->tileSubWindows(); break;
    case kCmArrangeIcons: ArrangeIcons(); break;
    case kCmViewChart: charts_->Open(workbench_.state().predictionInputFile); break;
    case kCmCloseAll:
      for (QMdiSubWindow* child : client_->subWindowList(QMdiArea::CreationOrder)) {
        if (!child->close()) break;  // the user kept this one: stop asking
      }
      break;
    case kCmPrint:
    case kCmPrintPreview:
    case kCmPrintSetup:
      if (print_) {
        QMdiSubWindow* active = client_->currentSubWindow();
        print_(id, active != nullptr ? active->widget() : nullptr);
      }
      break;
    default: break;
  }
  UpdateActions();
}

void plume_edApp::OpenFromDialog() {
  if (runner_->Busy()) return;
  const std::string chosen = client_->Open();
  // A cancelled Open changes nothing.
  if (chosen.empty()) return;
  LinkInput(chosen);
}

void plume_edApp::ImportFromDialog() {
  if (runner_->Busy()) return;
  const std::string written = ImportCsvInteractively(this, guiShell_, *runner_);
  if (written.empty()) return;
  client_->OpenFile(written);
  LinkInput(written);
}

void plume_edApp::LinkInput(const std::string& chosen) {
  // The file opened last becomes the prediction input. Inside the working
  // directory it is named relative to it, as the Link dialog shows names.
  QString name = FromText(chosen);
  const QString relative = QDir::current().relativeFilePath(name);
  if (!relative.startsWith(QLatin1String(".."))) name = relative;
  const std::string input = name.toLocal8Bit().toStdString();
  if (input.size() > kMaxFileNameLength) {
    guiShell_.ShowMessage(
        "", "The file is open, but its name is longer than " +
                std::to_string(kMaxFileNameLength) +
                " characters, so it cannot become the input data file.\n"
                "The input data file is still " +
                workbench_.state().predictionInputFile + ".",
        MessageButtons::kOk, MessageIcon::kWarning);
    return;
  }
  workbench_.state().predictionInputFile = input;
}

void plume_edApp::ArrangeIcons() {
  // Minimised windows line up along the bottom edge of the document area.
  int x = 0;
  for (QMdiSubWindow* child : client_->subWindowList(QMdiArea::CreationOrder)) {
    if (!child->isMinimized()) continue;
    const QSize size = child->size();
    child->move(x, client_->viewport()->height() - size.height());
    x += size.width();
  }
}

void plume_edApp::EnterHelpMode() {
  if (helpMode_) return;
  helpMode_ = true;
  QApplication::setOverrideCursor(Qt::WhatsThisCursor);
  statusBar_->showMessage(QStringLiteral("Choose a command to see its help; Escape to cancel"));
}

void plume_edApp::LeaveHelpMode() {
  if (!helpMode_) return;
  helpMode_ = false;
  QApplication::restoreOverrideCursor();
  statusBar_->clearMessage();
}

bool plume_edApp::ShowHelpWindow(const HelpRequest& request) {
  if (request.kind == HelpRequest::Kind::kClose) {
    if (help_ != nullptr) help_->close();
    return true;
  }
  if (help_ == nullptr) {
    help_ = new HelpWindow(guiShell_.ResolveBundled("edit.hlp"), this);
  }
  std::string key;
  switch (request.kind) {
    case HelpRequest::Kind::kContents: key = "contents"; break;
    case HelpRequest::Kind::kUsingHelp: key = "using"; break;
    case HelpRequest::Kind::kCommand: key = std::to_string(request.commandId); break;
    case HelpRequest::Kind::kClose: break;
  }
  if (help_->ShowTopic(key)) return true;
  guiShell_.ShowMessage("", "The help file edit.hlp cannot be read. It belongs beside the program.",
                        MessageButtons::kOk, MessageIcon::kWarning);
  return false;
}

bool plume_edApp::CloseDocumentsForExit() {
  // Every document with changes is offered for saving before the
  // application ends; Cancel on any of them keeps the application open.
  for (plume_edMDIChild* child : client_->Documents()) {
    plume_edWindow* document = child->Client();
    if (document == nullptr) continue;
    client_->setActiveSubWindow(child);
    if (!document->CanClose()) return false;
  }
  for (plume_edMDIChild* child : client_->Documents()) child->CloseWithoutAsking();
  return true;
}

void plume_edApp::closeEvent(QCloseEvent* event) {
  if (runner_->Busy()) {
    // A command is still running: it must end first.
    QApplication::beep();
    event->ignore();
    return;
  }
  LeaveHelpMode();
  const MessageAnswer answer =
      guiShell_.ShowMessage(kProductTitle, kCloseQuestion,
                            MessageButtons::kYesNo, MessageIcon::kQuestion);
  if (answer != MessageAnswer::kYes || !CloseDocumentsForExit()) {
    event->ignore();
    return;
  }
  if (workbench_.state().helpUsed) ShowHelpWindow({HelpRequest::Kind::kClose, 0});
  event->accept();
}

void plume_edApp::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void plume_edApp::dropEvent(QDropEvent* event) {
  // Each dropped file opens in its own window, in the order of the drop.
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) client_->OpenFile(url.toLocalFile().toLocal8Bit().toStdString());
  }
  event->acceptProposedAction();
  UpdateActions();
}

bool plume_edApp::eventFilter(QObject* watched, QEvent* event) {
  if (helpMode_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    LeaveHelpMode();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace foresta
