#include "frame/import_dialog.h"

#include <filesystem>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "frame/command_runner.h"
#include "frame/gui_shell.h"

namespace foresta {
namespace {

constexpr char kCaption[] = "Import CSV";

QString FromText(const std::string& text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToText(const QString& text) { return text.toLocal8Bit().toStdString(); }

struct PolicyItem {
  const char* label;
  MissingPolicy policy;
};
constexpr PolicyItem kPolicies[] = {
    {"Refuse the file", MissingPolicy::kFail},
    {"Skip the row", MissingPolicy::kSkip},
    {"Take the previous value", MissingPolicy::kPrevious},
    {"Interpolate", MissingPolicy::kInterpolate},
};

// What the preview found, in a sentence.
std::string Findings(const CsvPreview& p) {
  const std::string delimiter = p.delimiter == '\t'  ? "tabs"
                                : p.delimiter == ';' ? "semicolons"
                                : p.delimiter == ',' ? "commas"
                                                     : "'" + DelimiterName(p.delimiter) + "'";
  std::string text = "Fields separated by " + delimiter;
  if (p.decimalComma) text += ", decimal commas";
  text += p.header ? ", a header row" : ", no header row";
  if (p.dateColumn >= 0) {
    text += "; dates in \"" + p.columns[static_cast<std::size_t>(p.dateColumn)].name + "\"";
  }
  return text + ".";
}

}  // namespace

ImportCsvDialog::ImportCsvDialog(const std::string& csvFile, QWidget* parent)
    : QDialog(parent),
      csvFile_(csvFile),
      delimiter_(new QComboBox),
      decimalComma_(new QCheckBox(QStringLiteral("&Decimal comma (1,5 is one and a half)"))),
      dateColumn_(new QComboBox),
      columns_(new QListWidget),
      missing_(new QComboBox),
      output_(new QLineEdit(FromText(DefaultImportOutput(csvFile)))),
      table_(new QTableWidget),
      status_(new QLabel) {
  setWindowTitle(QString::fromLatin1(kCaption));
  delimiter_->addItem(QStringLiteral("Detect"), 0);
  delimiter_->addItem(QStringLiteral("Comma"), int{','});
  delimiter_->addItem(QStringLiteral("Semicolon"), int{';'});
  delimiter_->addItem(QStringLiteral("Tab"), int{'\t'});
  for (const PolicyItem& item : kPolicies) {
    missing_->addItem(QString::fromLatin1(item.label), static_cast<int>(item.policy));
  }
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
  status_->setWordWrap(true);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("CSV file:"), new QLabel(FromText(csvFile)));
  form->addRow(QStringLiteral("De&limiter:"), delimiter_);
  form->addRow(QString(), decimalComma_);
  form->addRow(QStringLiteral("Da&te column:"), dateColumn_);
  form->addRow(QStringLiteral("&Missing values:"), missing_);
  form->addRow(QStringLiteral("O&utput file:"), output_);

  auto* columnsBox = new QVBoxLayout;
  columnsBox->addWidget(new QLabel(QStringLiteral("C&olumns to import:")));
  columnsBox->addWidget(columns_);
  static_cast<QLabel*>(columnsBox->itemAt(0)->widget())->setBuddy(columns_);
  columns_->setMaximumWidth(220);

  auto* top = new QHBoxLayout;
  top->addLayout(form, 1);
  top->addLayout(columnsBox);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  ok_->setText(QStringLiteral("&Import"));

  auto* outer = new QVBoxLayout(this);
  outer->addLayout(top);
  outer->addWidget(status_);
  outer->addWidget(table_, 1);
  outer->addWidget(buttons);
  resize(760, 560);

  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(delimiter_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
  connect(decimalComma_, &QCheckBox::clicked, this, [this] {
    decimalChosen_ = true;
    Refresh();
  });
  connect(dateColumn_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
  connect(columns_, &QListWidget::itemChanged, this, [this] { UpdateOk(); });
  connect(output_, &QLineEdit::textChanged, this, [this] { UpdateOk(); });
  Refresh();
}

CsvChoices ImportCsvDialog::Choices() const {
  CsvChoices choices;
  if (const int d = delimiter_->currentData().toInt(); d != 0) {
    choices.delimiter = static_cast<char>(d);
  }
  if (decimalChosen_) choices.decimalComma = decimalComma_->isChecked();
  // Item 0 lets the file decide; the others carry "none" or an index.
  if (dateColumn_->currentIndex() > 0) {
    choices.dateColumn = ToText(dateColumn_->currentData().toString());
  }
  return choices;
}

void ImportCsvDialog::Refresh() {
  preview_ = PreviewCsv(csvFile_, Choices());
  // The controls show what the preview found, without previewing again.
  const QSignalBlocker blockDecimal(decimalComma_);
  const QSignalBlocker blockDate(dateColumn_);
  decimalComma_->setChecked(preview_.decimalComma);
  const int chosenDate = dateColumn_->currentIndex();
  dateColumn_->clear();
  dateColumn_->addItem(QStringLiteral("Detect"), QString());
  dateColumn_->addItem(QStringLiteral("None"), QStringLiteral("none"));
  for (std::size_t j = 0; j < preview_.columns.size(); ++j) {
    dateColumn_->addItem(FromText(preview_.columns[j].name), QString::number(j + 1));
  }
  dateColumn_->setCurrentIndex(chosenDate >= 0 && chosenDate < dateColumn_->count() ? chosenDate
                                                                                    : 0);
  status_->setText(FromText(preview_.problem.ok() ? Findings(preview_)
                                                  : preview_.problem.message));
  FillTable();
  FillColumns();
  UpdateOk();
}

void ImportCsvDialog::FillTable() {
  const int columns = static_cast<int>(preview_.columns.size());
  const int rows = std::min<int>(kPreviewRows, static_cast<int>(preview_.rows.size()));
  table_->clear();
  table_->setColumnCount(columns);
  table_->setRowCount(rows);
  QStringList names;
  for (const CsvColumnGuess& c : preview_.columns) names << FromText(c.name);
  table_->setHorizontalHeaderLabels(names);
  QStringList lines;
  for (int r = 0; r < rows; ++r) {
    lines << QString::number(preview_.rowNumbers[static_cast<std::size_t>(r)]);
    const auto& row = preview_.rows[static_cast<std::size_t>(r)];
    for (int j = 0; j < columns && j < static_cast<int>(row.size()); ++j) {
      table_->setItem(r, j, new QTableWidgetItem(FromText(row[static_cast<std::size_t>(j)])));
    }
  }
  // The row headers are the file's line numbers, as refusals name them.
  table_->setVerticalHeaderLabels(lines);
}

void ImportCsvDialog::FillColumns() {
  const QSignalBlocker block(columns_);
  columns_->clear();
  for (std::size_t j = 0; j < preview_.columns.size(); ++j) {
    const CsvColumnGuess& c = preview_.columns[j];
    auto* item = new QListWidgetItem(FromText(c.name), columns_);
    item->setData(Qt::UserRole, static_cast<int>(j + 1));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(c.numeric ? Qt::Checked : Qt::Unchecked);
    if (!c.numeric) item->setToolTip(QStringLiteral("No numbers in the first rows"));
  }
}

void ImportCsvDialog::UpdateOk() {
  bool any = false;
  for (int i = 0; i < columns_->count(); ++i) {
    any = any || columns_->item(i)->checkState() == Qt::Checked;
  }
  ok_->setEnabled(preview_.problem.ok() && any && !output_->text().trimmed().isEmpty());
}

ImportRequest ImportCsvDialog::Request() const {
  ImportRequest request;
  request.csvFile = csvFile_;
  for (int i = 0; i < columns_->count(); ++i) {
    const QListWidgetItem* item = columns_->item(i);
    if (item->checkState() == Qt::Checked) {
      request.columns.push_back(std::to_string(item->data(Qt::UserRole).toInt()));
    }
  }
  request.choices.delimiter = preview_.delimiter;
  request.choices.decimalComma = preview_.decimalComma;
  request.choices.dateColumn =
      preview_.dateColumn < 0 ? std::string("none") : std::to_string(preview_.dateColumn + 1);
  request.missing = static_cast<MissingPolicy>(missing_->currentData().toInt());
  request.outputFile = ToText(output_->text().trimmed());
  return request;
}

std::string ImportCsvInteractively(QWidget* window, GuiShell& shell, CommandRunner& runner) {
  const QString csv = QFileDialog::getOpenFileName(
      window, QString::fromLatin1(kCaption), QString(),
      QStringLiteral("CSV files (*.csv *.tsv *.txt);;All Files (*)"));
  if (csv.isEmpty()) return {};
  ImportCsvDialog dialog(ToText(csv), window);
  if (shell.RunModal(dialog) != QDialog::Accepted) return {};
  ImportRequest request = dialog.Request();
  std::error_code ec;
  if (std::filesystem::exists(request.outputFile, ec)) {
    if (shell.ShowMessage(kCaption, request.outputFile + " already exists. Replace it?",
                          MessageButtons::kYesNo, MessageIcon::kQuestion) != MessageAnswer::kYes) {
      return {};
    }
    request.force = true;
  }
  request.progress = [&runner](double done) {
    runner.ReportProgress("Importing", done);
    return !runner.CancelRequested();
  };
  ImportSummary summary;
  // A large file takes a moment: import behind the progress window.
  runner.Run(std::string("Foresta - ") + kCaption, [&] { summary = ImportCsv(request); });
  if (summary.problem.code == kMsgImportCancelled) return {};
  if (!summary.problem.ok()) {
    shell.ShowMessage(kCaption, request.csvFile + ": " + summary.problem.message,
                      MessageButtons::kOk, MessageIcon::kWarning);
    return {};
  }
  for (const std::string& warning : summary.warnings) {
    shell.ShowMessage(kCaption, warning, MessageButtons::kOk, MessageIcon::kInformation);
  }
  return summary.outputFile;
}

}  // namespace foresta
