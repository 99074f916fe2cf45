#ifndef FORESTA_FRAME_IMPORT_DIALOG_H_
#define FORESTA_FRAME_IMPORT_DIALOG_H_

#include <string>

#include <QDialog>

#include "interchange/csv_import.h"
#include "interchange/csv_preview.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace foresta {

// File > Import CSV...: shows the first rows of a CSV file as the import
// reads them and lets the user choose the delimiter, the decimal comma, the
// date column, the columns to take, the missing-value policy and the output
// file. Every change of how the file is read previews it again; the guesses
// come from the interchange component, so the dialog and `foresta-cli
// import` read a file alike.
class ImportCsvDialog : public QDialog {
  Q_OBJECT

 public:
  // Rows of the preview table.
  static constexpr int kPreviewRows = 20;

  explicit ImportCsvDialog(const std::string& csvFile, QWidget* parent = nullptr);

  // The import the dialog's choices describe: everything the user saw made
  // explicit, so the import reads the file as previewed. `force` is left
  // false; replacing an existing file is asked for separately.
  ImportRequest Request() const;

  const CsvPreview& Preview() const { return preview_; }

  // The controls, for tests.
  QComboBox* delimiterBox() const { return delimiter_; }
  QCheckBox* decimalCommaBox() const { return decimalComma_; }
  QComboBox* dateColumnBox() const { return dateColumn_; }
  QListWidget* columnList() const { return columns_; }
  QComboBox* missingBox() const { return missing_; }
  QLineEdit* outputEdit() const { return output_; }
  QTableWidget* previewTable() const { return table_; }
  QLabel* statusLabel() const { return status_; }
  QPushButton* okButton() const { return ok_; }

 private:
  CsvChoices Choices() const;
  // Reads the first rows again with the current choices and shows them.
  void Refresh();
  void FillTable();
  void FillColumns();
  void UpdateOk();

  std::string csvFile_;
  CsvPreview preview_;
  bool decimalChosen_ = false;  // the user set the decimal comma
  QComboBox* delimiter_;
  QCheckBox* decimalComma_;
  QComboBox* dateColumn_;
  QListWidget* columns_;
  QComboBox* missing_;
  QLineEdit* output_;
  QTableWidget* table_;
  QLabel* status_;
  QPushButton* ok_;
};

class CommandRunner;
class GuiShell;

// The whole File > Import CSV... command: asks for the CSV file, runs the
// dialog, asks before replacing an existing output, imports off the
// user-interface thread and shows a refusal or warning in a box. Returns the
// file written, or empty when nothing was.
std::string ImportCsvInteractively(QWidget* window, GuiShell& shell, CommandRunner& runner);

}  // namespace foresta

#endif  // FORESTA_FRAME_IMPORT_DIALOG_H_
