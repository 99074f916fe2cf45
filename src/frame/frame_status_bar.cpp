#include "frame/frame_status_bar.h"

#include <algorithm>

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

#include "frame/lock_keys.h"

namespace foresta {

FrameStatusBar::FrameStatusBar(QWidget* parent) : QStatusBar(parent) {
  position_ = AddField(10, QStringLiteral("0000:0000"));
  size_ = AddField(10, QStringLiteral("0000000000"));
  caps_ = AddField(4, QStringLiteral("CAPS"));
  num_ = AddField(4, QStringLiteral("NUM"));
  overwrite_ = AddField(4, QStringLiteral("OVR"));
  caps_->setText(QStringLiteral("CAPS"));
  num_->setText(QStringLiteral("NUM"));
  overwrite_->setText(QStringLiteral("OVR"));
  SetIndicator(overwrite_, false);
  RefreshLockKeys();
  // Lock keys can change while any of our windows has the keyboard.
  qApp->installEventFilter(this);
}

QLabel* FrameStatusBar::AddField(int characters, const QString& sample) {
  auto* label = new QLabel(this);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setAlignment(Qt::AlignCenter);
  const QFontMetrics metrics(label->font());
  const int width = std::max(metrics.horizontalAdvance(sample),
                             metrics.averageCharWidth() * characters);
  label->setMinimumWidth(width + 12);
  addPermanentWidget(label);
  return label;
}

void FrameStatusBar::SetIndicator(QLabel* label, bool on) {
  // The indicator keeps its place; only its ink says whether it is on.
  label->setEnabled(on);
}

void FrameStatusBar::ShowCaretPosition(int line, int column) {
  position_->setText(QStringLiteral("%1:%2").arg(line).arg(column));
}

void FrameStatusBar::ShowDocumentSize(long long bytes) {
  size_->setText(QString::number(bytes));
}

void FrameStatusBar::ShowOverwrite(bool on) { SetIndicator(overwrite_, on); }

void FrameStatusBar::ShowMessage(const std::string& text) {
  constexpr int kMessageMilliseconds = 10000;
  showMessage(QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())),
              kMessageMilliseconds);
}

void FrameStatusBar::ClearDocumentFields() {
  position_->clear();
  size_->clear();
  SetIndicator(overwrite_, false);
}

void FrameStatusBar::RefreshLockKeys() {
  const LockKeyState state = ReadLockKeys();
  if (!state.known) return;
  SetIndicator(caps_, state.capsLock);
  SetIndicator(num_, state.numLock);
}

bool FrameStatusBar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyRelease ||
      event->type() == QEvent::ApplicationActivate) {
    if (event->type() == QEvent::KeyRelease) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock) RefreshLockKeys();
    } else {
      RefreshLockKeys();
    }
  }
  return QStatusBar::eventFilter(watched, event);
}

QString FrameStatusBar::PositionText() const { return position_->text(); }
QString FrameStatusBar::SizeText() const { return size_->text(); }

}  // namespace foresta
