#include "frame/parameter_dialogs.h"

#include <algorithm>

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace foresta {
namespace {

constexpr const char* kFileNameHint = "To Use Default File Name: Press Cancel";
constexpr const char* kNumbersHint = "To Use Default Numbers: Press Cancel";
constexpr const char* kValuesHint = "To Use Default Values, Press Cancel";
constexpr const char* kBacktestHint =
    "Each row of both windows is forecast from the rows before it; the advice is chosen on the validation window";

QString FromText(const std::string& text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ParameterDialog::ParameterDialog(const DialogTexts& texts, const char* title,
                                 std::vector<EditEntry> edits, const char* hint,
                                 QWidget* parent)
    : QDialog(parent), record_(texts), editEntries_(std::move(edits)), hint_(hint) {
  setWindowTitle(QString::fromLatin1(title));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  for (const EditEntry& entry : editEntries_) {
    const QString text = FromText(record_.*entry.field);
    auto* edit = new QLineEdit;
    // A longer text set elsewhere is shown whole rather than cut short.
    edit->setMaxLength(std::max<int>(kDialogFieldLength, text.size()));
    edit->setText(text);
    edit->setMinimumWidth(260);
    auto* label = new QLabel(QString::fromLatin1(entry.label));
    label->setBuddy(edit);
    form->addRow(label, edit);
    edits_.push_back(edit);
    tabOrder_.push_back(edit);
  }
  layout->addLayout(form);
}

void ParameterDialog::AddCheckBoxes(std::vector<CheckEntry> checks) {
  checkEntries_ = std::move(checks);
  auto* box = new QGroupBox;
  auto* grid = new QHBoxLayout(box);
  for (const CheckEntry& entry : checkEntries_) {
    auto* check = new QCheckBox(QString::fromLatin1(entry.label));
    check->setChecked(record_.*entry.field);
    grid->addWidget(check);
    checks_.push_back(check);
    tabOrder_.push_back(check);
  }
  static_cast<QVBoxLayout*>(layout())->addWidget(box);
}

void ParameterDialog::AddInputModeButtons(bool withBatchButton) {
  auto* box = new QGroupBox;
  auto* row = new QHBoxLayout(box);
  const char* labels[] = {"File", "Directory", "Batch File"};
  for (int i = 0; i < 3; ++i) {
    auto* button = new QRadioButton(QString::fromLatin1(labels[i]));
    row->addWidget(button);
    modeButtons_.push_back(button);
    if (i < 2) tabOrder_.push_back(button);
  }
  row->addStretch();
  // The batch choice exists for the record's sake but is not offered here:
  // batch runs have their own menu.
  modeButtons_[2]->setVisible(withBatchButton);
  modeButtons_[2]->setEnabled(withBatchButton);
  modeButtons_[static_cast<int>(record_.linkMode)]->setChecked(true);
  static_cast<QVBoxLayout*>(layout())->addWidget(box);
}

void ParameterDialog::Finish() {
  auto* outer = static_cast<QVBoxLayout*>(layout());
  auto* hint = new QLabel(QString::fromLatin1(hint_));
  hint->setObjectName(QStringLiteral("hintLine"));
  QFont font = hint->font();
  font.setItalic(true);
  hint->setFont(font);
  outer->addWidget(hint);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* ok = new QPushButton(QStringLiteral("&OK"));
  auto* cancel = new QPushButton(QStringLiteral("&Cancel"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  outer->addLayout(buttons);
  tabOrder_.push_back(ok);
  tabOrder_.push_back(cancel);

  for (std::size_t i = 1; i < tabOrder_.size(); ++i) {
    setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
  }
  if (!edits_.empty()) edits_.front()->setFocus();
  setFixedSize(sizeHint());
}

void ParameterDialog::accept() {
  for (std::size_t i = 0; i < editEntries_.size(); ++i) {
    record_.*editEntries_[i].field = edits_[i]->text().toLocal8Bit().toStdString();
  }
  for (std::size_t i = 0; i < checkEntries_.size(); ++i) {
    record_.*checkEntries_[i].field = checks_[i]->isChecked();
  }
  for (std::size_t i = 0; i < modeButtons_.size(); ++i) {
    if (modeButtons_[i]->isChecked()) record_.linkMode = static_cast<InputMode>(i);
  }
  accepted_ = true;
  QDialog::accept();
}

void ParameterDialog::TransferBack(DialogTexts& texts) const {
  if (accepted_) texts = record_;
}

TMainDialog::TMainDialog(const DialogTexts& texts, QWidget* parent)
    : ParameterDialog(texts, "Data File Name",
                      {{"Training File:", &DialogTexts::training},
                       {"Retraining File:", &DialogTexts::retraining},
                       {"Recognition File:", &DialogTexts::recognition},
                       {"Output File:", &DialogTexts::output},
                       {"User distribution File:", &DialogTexts::distribution}},
                      kFileNameHint, parent) {
  // The input-mode buttons of this dialog were never read; they are left
  // out rather than offered without effect.
  Finish();
}

TPredictDialog::TPredictDialog(const DialogTexts& texts, QWidget* parent)
    : ParameterDialog(texts, "Data File Name/Data Range",
                      {{"Input File:", &DialogTexts::linkInput},
                       {"Output File:", &DialogTexts::linkOutput},
                       {"Enter precision level:", &DialogTexts::linkPrecision},
                       {"Enter trend:", &DialogTexts::linkTrend}},
                      kFileNameHint, parent) {
  AddInputModeButtons(false);
  Finish();
}

TMainDialogBreaker::TMainDialogBreaker(const DialogTexts& texts, QWidget* parent)
    : ParameterDialog(texts, "Breaker Data",
                      {{"Line 2 starts at:", &DialogTexts::line2},
                       {"Line 3 Starts at:", &DialogTexts::line3},
                       {"Line 4 Satrts at:", &DialogTexts::line4},
                       {"Line 5 starts at:", &DialogTexts::line5}},
                      kValuesHint, parent) {
  Finish();
}

TMainDialog1::TMainDialog1(const DialogTexts& texts, QWidget* parent)
    : ParameterDialog(
          texts, "Shifter Data",
          {{" N-bit Shifter, Enter N:", &DialogTexts::shifterBits},
           {"Enter Number of Training vector:", &DialogTexts::shifterTraining},
           {"Enter Number of Retraining Vector:", &DialogTexts::shifterRetraining},
           {"Enter Number of Recognition Pattern:", &DialogTexts::shifterRecognition}},
          kNumbersHint, parent) {
  Finish();
}

TMainDialogCounter::TMainDialogCounter(const DialogTexts& texts, QWidget* parent)
    : ParameterDialog(
          texts, "Segment Counter Data",
          {{" N-bit Segment Counter, Enter N:", &DialogTexts::counterBits},
           {"Enter Number of Training vector:", &DialogTexts::counterTraining},
           {"Enter Number of Retraining Vector:", &DialogTexts::counterRetraining},
           {"Enter Number of Recognition Pattern:", &DialogTexts::counterRecognition}},
          kNumbersHint, parent) {
  Finish();
}

TMainDialogSym::TMainDialogSym(const DialogTexts& texts, QWidget* parent)
    : ParameterDialog(texts, "Symmetry Data",
                      {{"Symmetry starts at:", &DialogTexts::symmetryStart},
                       {"Symmetry ends at:", &DialogTexts::symmetryEnd},
                       {"x-Dimension:", &DialogTexts::symmetryX},
                       {"y-Dimension:", &DialogTexts::symmetryY}},
                      kValuesHint, parent) {
  AddCheckBoxes({{"X-Translation", &DialogTexts::xTranslation},
                 {"Y-Translation", &DialogTexts::yTranslation},
                 {"X-Scaling", &DialogTexts::xScaling},
                 {"Y-Scaling", &DialogTexts::yScaling},
                 {"Z-Rotation", &DialogTexts::zRotation}});
  Finish();
}

TBacktestDialog::TBacktestDialog(const DialogTexts& texts, QWidget* parent)
    : ParameterDialog(texts, "Backtest",
                      {{"Scored origins (the last rows):", &DialogTexts::backtestOrigins},
                       {"Validation origins (the rows before):", &DialogTexts::backtestValidation},
                       {"Season in rows (0: find one):", &DialogTexts::backtestSeason}},
                      kBacktestHint, parent) {
  AddCheckBoxes({{"Wide grid (codes 1-27, precision 5-80, trend 2-12)",
                  &DialogTexts::backtestWideGrid}});
  Finish();
}

std::unique_ptr<ParameterDialog> MakeParameterDialog(DialogKind kind,
                                                     const DialogTexts& texts,
                                                     QWidget* parent) {
  switch (kind) {
    case DialogKind::kDataFiles:
      return std::make_unique<TMainDialog>(texts, parent);
    case DialogKind::kLink:
      return std::make_unique<TPredictDialog>(texts, parent);
    case DialogKind::kLineBreaker:
      return std::make_unique<TMainDialogBreaker>(texts, parent);
    case DialogKind::kShifter:
      return std::make_unique<TMainDialog1>(texts, parent);
    case DialogKind::kSegmentCounter:
      return std::make_unique<TMainDialogCounter>(texts, parent);
    case DialogKind::kSymmetry:
      return std::make_unique<TMainDialogSym>(texts, parent);
    case DialogKind::kBacktest:
      return std::make_unique<TBacktestDialog>(texts, parent);
  }
  return nullptr;
}

}  // namespace foresta
