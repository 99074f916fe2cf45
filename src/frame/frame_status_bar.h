#ifndef FORESTA_FRAME_FRAME_STATUS_BAR_H_
#define FORESTA_FRAME_FRAME_STATUS_BAR_H_

#include <QStatusBar>

class QLabel;

namespace foresta {

// The main window's status bar: the message field (hints), the caret
// position and document size fields, and the CAPS, NUM and OVR indicators.
class FrameStatusBar : public QStatusBar {
  Q_OBJECT

 public:
  explicit FrameStatusBar(QWidget* parent);

  // The caret's line and column, both counted from 1.
  void ShowCaretPosition(int line, int column);
  void ShowDocumentSize(long long bytes);
  void ShowOverwrite(bool on);
  // In the message field, for a while.
  void ShowMessage(const std::string& text);

  // Empties the document fields (no document is active).
  void ClearDocumentFields();

  // Reads the lock keys afresh.
  void RefreshLockKeys();

  QString PositionText() const;
  QString SizeText() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* AddField(int characters, const QString& sample);
  void SetIndicator(QLabel* label, bool on);

  QLabel* position_;
  QLabel* size_;
  QLabel* caps_;
  QLabel* num_;
  QLabel* overwrite_;
};

}  // namespace foresta

#endif  // FORESTA_FRAME_FRAME_STATUS_BAR_H_
