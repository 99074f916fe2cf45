#include "editor/widget/find_replace_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace foresta {

FindReplaceDialog::FindReplaceDialog(const FindData& data, bool replace, QWidget* parent)
    : QDialog(parent), replace_(replace) {
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  setWindowTitle(replace ? QStringLiteral("Replace") : QStringLiteral("Find"));

  auto* fields = new QFormLayout;
  find_ = new QLineEdit(QString::fromLatin1(data.findWhat), this);
  find_->setMaxLength(static_cast<int>(FindData::kMaxText));
  fields->addRow(QStringLiteral("Fi&nd what:"), find_);
  if (replace) {
    replace_with_ = new QLineEdit(QString::fromLatin1(data.replaceWith), this);
    replace_with_->setMaxLength(static_cast<int>(FindData::kMaxText));
    fields->addRow(QStringLiteral("Re&place with:"), replace_with_);
  }
  whole_word_ = new QCheckBox(QStringLiteral("Match &whole word only"), this);
  whole_word_->setChecked(data.flags & FindData::kWholeWord);
  match_case_ = new QCheckBox(QStringLiteral("Match &case"), this);
  match_case_->setChecked(data.flags & FindData::kMatchCase);

  auto* left = new QVBoxLayout;
  left->addLayout(fields);
  left->addWidget(whole_word_);
  left->addWidget(match_case_);
  up_ = new QRadioButton(QStringLiteral("&Up"), this);
  down_ = new QRadioButton(QStringLiteral("&Down"), this);
  (data.flags & FindData::kDown ? down_ : up_)->setChecked(true);
  if (!replace) {
    // The Replace dialog always searches down.
    auto* direction = new QGroupBox(QStringLiteral("Direction"), this);
    auto* box = new QHBoxLayout(direction);
    box->addWidget(up_);
    box->addWidget(down_);
    left->addWidget(direction);
  } else {
    down_->setChecked(true);
    up_->hide();
    down_->hide();
  }

  auto* buttons = new QVBoxLayout;
  find_next_ = new QPushButton(QStringLiteral("&Find Next"), this);
  find_next_->setDefault(true);
  buttons->addWidget(find_next_);
  connect(find_next_, &QPushButton::clicked, this, [this] { Send(FindData::kFindNext); });
  if (replace) {
    replace_button_ = new QPushButton(QStringLiteral("&Replace"), this);
    replace_all_ = new QPushButton(QStringLiteral("Replace &All"), this);
    buttons->addWidget(replace_button_);
    buttons->addWidget(replace_all_);
    connect(replace_button_, &QPushButton::clicked, this, [this] { Send(FindData::kReplace); });
    connect(replace_all_, &QPushButton::clicked, this, [this] { Send(FindData::kReplaceAll); });
  }
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(cancel);
  buttons->addStretch();

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addLayout(buttons);

  auto enable = [this] {
    bool has_text = !find_->text().isEmpty();
    find_next_->setEnabled(has_text);
    if (replace_button_) replace_button_->setEnabled(has_text);
    if (replace_all_) replace_all_->setEnabled(has_text);
  };
  connect(find_, &QLineEdit::textChanged, this, enable);
  enable();
}

FindData FindReplaceDialog::Data() const {
  FindData data;
  data.flags = 0;
  if (down_->isChecked()) data.flags |= FindData::kDown;
  if (whole_word_->isChecked()) data.flags |= FindData::kWholeWord;
  if (match_case_->isChecked()) data.flags |= FindData::kMatchCase;
  data.findWhat = find_->text().toLatin1().toStdString();
  if (replace_with_) data.replaceWith = replace_with_->text().toLatin1().toStdString();
  return data;
}

void FindReplaceDialog::Send(std::uint32_t request) {
  FindData data = Data();
  data.flags |= request;
  emit Request(data);
}

void FindReplaceDialog::done(int result) {
  if (!closing_sent_) {
    closing_sent_ = true;
    Send(FindData::kDialogTerm);
  }
  QDialog::done(result);
}

void FindReplaceDialog::closeEvent(QCloseEvent* event) {
  if (!closing_sent_) {
    closing_sent_ = true;
    Send(FindData::kDialogTerm);
  }
  QDialog::closeEvent(event);
}

}  // namespace foresta
