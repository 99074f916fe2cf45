#ifndef FORESTA_EDITOR_WIDGET_FIND_REPLACE_DIALOG_H_
#define FORESTA_EDITOR_WIDGET_FIND_REPLACE_DIALOG_H_

#include <QDialog>

#include "editor/find_data.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace foresta {

// The modeless Find or Replace dialog over a copy of the editor's
// FindData. Each button sends the data with its request flag; closing
// the dialog sends the closing flag. The dialog deletes itself on close.
class FindReplaceDialog : public QDialog {
  Q_OBJECT

 public:
  FindReplaceDialog(const FindData& data, bool replace, QWidget* parent);

  bool IsReplace() const { return replace_; }
  // The current texts and options, without a request flag.
  FindData Data() const;

  QLineEdit* FindEdit() const { return find_; }
  QLineEdit* ReplaceEdit() const { return replace_with_; }
  QCheckBox* WholeWordBox() const { return whole_word_; }
  QCheckBox* MatchCaseBox() const { return match_case_; }
  QRadioButton* UpButton() const { return up_; }
  QPushButton* FindNextButton() const { return find_next_; }
  QPushButton* ReplaceButton() const { return replace_button_; }
  QPushButton* ReplaceAllButton() const { return replace_all_; }

 signals:
  void Request(const foresta::FindData& data);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void done(int result) override;

 private:
  void Send(std::uint32_t request);

  bool replace_;
  bool closing_sent_ = false;
  QLineEdit* find_ = nullptr;
  QLineEdit* replace_with_ = nullptr;
  QCheckBox* whole_word_ = nullptr;
  QCheckBox* match_case_ = nullptr;
  QRadioButton* up_ = nullptr;
  QRadioButton* down_ = nullptr;
  QPushButton* find_next_ = nullptr;
  QPushButton* replace_button_ = nullptr;
  QPushButton* replace_all_ = nullptr;
};

}  // namespace foresta

#endif  // FORESTA_EDITOR_WIDGET_FIND_REPLACE_DIALOG_H_
