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
    : QDialog(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  setWindowTitle(replace ? QStringLiteral("Replace") : QStringLiteral("Find"));

  auto* fields = new QFormLayout;
  find_ = new QLineEdit(QString::fromLatin1(data.findWhat), this);
  find_->setMaxLength(static_cast<int>(FindData::kMaxText));
  fields->addRow(QStringLiteral("Fi&nd what:"), find_);
  if (replace) {
    replaceWith_ = new QLineEdit(QString::fromLatin1(data.replaceWith), this);
    replaceWith_->setMaxLength(static_cast<int>(FindData::kMaxText));
    fields->addRow(QStringLiteral("Re&place with:"), replaceWith_);
  }
  wholeWord_ = new QCheckBox(QStringLiteral("Match &whole word only"), this);
  wholeWord_->setChecked(data.flags & FindData::kWholeWord);
  matchCase_ = new QCheckBox(QStringLiteral("Match &case"), this);
  matchCase_->setChecked(data.flags & FindData::kMatchCase);
  wrapAround_ = new QCheckBox(QStringLiteral("Wrap ar&ound"), this);
  wrapAround_->setChecked(data.wrapAround);

  auto* left = new QVBoxLayout;
  left->addLayout(fields);
  left->addWidget(wholeWord_);
  left->addWidget(matchCase_);
  left->addWidget(wrapAround_);
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
  findNext_ = new QPushButton(QStringLiteral("&Find Next"), this);
  findNext_->setDefault(true);
  buttons->addWidget(findNext_);
  connect(findNext_, &QPushButton::clicked, this, [this] { Send(FindData::kFindNext); });
  if (replace) {
    replaceButton_ = new QPushButton(QStringLiteral("&Replace"), this);
    replaceAll_ = new QPushButton(QStringLiteral("Replace &All"), this);
    buttons->addWidget(replaceButton_);
    buttons->addWidget(replaceAll_);
    connect(replaceButton_, &QPushButton::clicked, this, [this] { Send(FindData::kReplace); });
    connect(replaceAll_, &QPushButton::clicked, this, [this] { Send(FindData::kReplaceAll); });
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
    findNext_->setEnabled(has_text);
    if (replaceButton_) replaceButton_->setEnabled(has_text);
    if (replaceAll_) replaceAll_->setEnabled(has_text);
  };
  connect(find_, &QLineEdit::textChanged, this, enable);
  enable();
}

FindData FindReplaceDialog::Data() const {
  FindData data;
  data.flags = 0;
  if (down_->isChecked()) data.flags |= FindData::kDown;
  if (wholeWord_->isChecked()) data.flags |= FindData::kWholeWord;
  if (matchCase_->isChecked()) data.flags |= FindData::kMatchCase;
  data.wrapAround = wrapAround_->isChecked();
  data.findWhat = find_->text().toLatin1().toStdString();
  if (replaceWith_) data.replaceWith = replaceWith_->text().toLatin1().toStdString();
  return data;
}

void FindReplaceDialog::FocusSearchField() {
  find_->setFocus(Qt::ActiveWindowFocusReason);
  find_->selectAll();
}

void FindReplaceDialog::Send(std::uint32_t request) {
  FindData data = Data();
  data.flags |= request;
  emit Request(data);
}

void FindReplaceDialog::done(int result) {
  if (!closingSent_) {
    closingSent_ = true;
    Send(FindData::kDialogTerm);
  }
  QDialog::done(result);
}

void FindReplaceDialog::closeEvent(QCloseEvent* event) {
  if (!closingSent_) {
    closingSent_ = true;
    Send(FindData::kDialogTerm);
  }
  QDialog::closeEvent(event);
}

}  // namespace foresta
