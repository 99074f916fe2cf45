#ifndef FORESTA_FRAME_PARAMETER_DIALOGS_H_
#define FORESTA_FRAME_PARAMETER_DIALOGS_H_

#include <memory>
#include <string>
#include <vector>

#include <QDialog>

#include "state/shell.h"
#include "state/workbench_state.h"

class QAbstractButton;
class QLineEdit;
class QRadioButton;
class QCheckBox;

namespace foresta {

// The longest text an edit field of a parameter dialog takes (its buffer
// holds 250 bytes with the terminator).
inline constexpr int kDialogFieldLength = 249;

// A modal dialog over the text forms of WorkbenchState. It works on its own
// transfer record, a copy of the texts; only OK writes that copy back, so
// Cancel (or closing the dialog) leaves every text exactly as it was.
class ParameterDialog : public QDialog {
  Q_OBJECT

 public:
  using TextField = std::string DialogTexts::*;
  using FlagField = bool DialogTexts::*;

  struct EditEntry {
    const char* label;
    TextField field;
  };
  struct CheckEntry {
    const char* label;
    FlagField field;
  };

  // OK: takes the edited texts into the transfer record.
  void accept() override;

  // Copies the record back into `texts` when the dialog was accepted.
  void TransferBack(DialogTexts& texts) const;

  // For tests and the tab-order check: the edit fields in tab order.
  const std::vector<QLineEdit*>& Edits() const { return edits_; }

 protected:
  ParameterDialog(const DialogTexts& texts, const char* title,
                  std::vector<EditEntry> edits, const char* hint,
                  QWidget* parent);

  // Subclasses add their buttons between the edits and the hint line.
  void AddCheckBoxes(std::vector<CheckEntry> checks);
  void AddInputModeButtons(bool withBatchButton);
  // Finishes the layout: hint line, OK and Cancel, tab order.
  void Finish();

  DialogTexts record_;

 private:
  std::vector<EditEntry> editEntries_;
  std::vector<QLineEdit*> edits_;
  std::vector<CheckEntry> checkEntries_;
  std::vector<QCheckBox*> checks_;
  std::vector<QRadioButton*> modeButtons_;
  std::vector<QWidget*> tabOrder_;
  const char* hint_;
  bool accepted_ = false;
};

// Data File Name (engine file names).
class TMainDialog : public ParameterDialog {
  Q_OBJECT
 public:
  TMainDialog(const DialogTexts& texts, QWidget* parent);
};

// Data File Name/Data Range (the prediction link).
class TPredictDialog : public ParameterDialog {
  Q_OBJECT
 public:
  TPredictDialog(const DialogTexts& texts, QWidget* parent);
};

// Breaker Data (display line breakers).
class TMainDialogBreaker : public ParameterDialog {
  Q_OBJECT
 public:
  TMainDialogBreaker(const DialogTexts& texts, QWidget* parent);
};

// Shifter Data.
class TMainDialog1 : public ParameterDialog {
  Q_OBJECT
 public:
  TMainDialog1(const DialogTexts& texts, QWidget* parent);
};

// Segment Counter Data.
class TMainDialogCounter : public ParameterDialog {
  Q_OBJECT
 public:
  TMainDialogCounter(const DialogTexts& texts, QWidget* parent);
};

// Symmetry Data.
class TMainDialogSym : public ParameterDialog {
  Q_OBJECT
 public:
  TMainDialogSym(const DialogTexts& texts, QWidget* parent);
};

// Backtest (Tools menu): scored and validation origins, season, grid.
class TBacktestDialog : public ParameterDialog {
  Q_OBJECT
 public:
  TBacktestDialog(const DialogTexts& texts, QWidget* parent);
};

// The dialog of `kind` over `texts`.
std::unique_ptr<ParameterDialog> MakeParameterDialog(DialogKind kind,
                                                     const DialogTexts& texts,
                                                     QWidget* parent);

}  // namespace foresta

#endif  // FORESTA_FRAME_PARAMETER_DIALOGS_H_
