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
// Return is Find Next, Escape closes.
class FindReplaceDialog : public QDialog {
  Q_OBJECT

 public:
  FindReplaceDialog(const FindData& data, bool replace, QWidget* parent);

  // The current texts and options, without a request flag.
  FindData Data() const;

  QLineEdit* FindEdit() const { return find_; }
  QLineEdit* ReplaceEdit() const { return replaceWith_; }
  QCheckBox* WholeWordBox() const { return wholeWord_; }
  QCheckBox* WrapAroundBox() const { return wrapAround_; }
  QPushButton* FindNextButton() const { return findNext_; }
  QPushButton* ReplaceAllButton() const { return replaceAll_; }

  // Gives the keyboard to the search field, its text selected.
  void FocusSearchField();

 signals:
  void Request(const foresta::FindData& data);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void done(int result) override;

 private:
  void Send(std::uint32_t request);

  bool closingSent_ = false;
  QLineEdit* find_ = nullptr;
  QLineEdit* replaceWith_ = nullptr;
  QCheckBox* wholeWord_ = nullptr;
  QCheckBox* matchCase_ = nullptr;
  QCheckBox* wrapAround_ = nullptr;
  QRadioButton* up_ = nullptr;
  QRadioButton* down_ = nullptr;
  QPushButton* findNext_ = nullptr;
  QPushButton* replaceButton_ = nullptr;
  QPushButton* replaceAll_ = nullptr;
};

}  // namespace foresta

#endif  // FORESTA_EDITOR_WIDGET_FIND_REPLACE_DIALOG_H_
