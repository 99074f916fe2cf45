#include "editor/widget/message_box_prompter.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QString>
#include <QStringList>

namespace foresta {

namespace {

// "label|pattern|..." to Qt's "label (pattern);;..." form.
QString QtFilters(const char* pairs) {
  QStringList parts = QString::fromLatin1(pairs).split(QLatin1Char('|'), Qt::SkipEmptyParts);
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    // The label already names its pattern; "*.*" means every file here.
    QString pattern = parts[i + 1] == QLatin1String("*.*") ? QStringLiteral("*") : parts[i + 1];
    filters << parts[i] + QStringLiteral(" (") + pattern + QLatin1Char(')');
  }
  return filters.join(QStringLiteral(";;"));
}

}  // namespace

EditPrompter::Answer MessageBoxPrompter::Message(const std::string& caption, const std::string& text,
                                                 Buttons buttons, Icon icon) {
  QMessageBox::Icon qicon = icon == Icon::kStop          ? QMessageBox::Critical
                            : icon == Icon::kExclamation ? QMessageBox::Warning
                                                         : QMessageBox::NoIcon;
  QMessageBox::StandardButtons qbuttons =
      buttons == Buttons::kOk      ? QMessageBox::StandardButtons(QMessageBox::Ok)
      : buttons == Buttons::kYesNo ? QMessageBox::Yes | QMessageBox::No
                                   : QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  QMessageBox box(qicon, QString::fromLocal8Bit(caption), QString::fromLatin1(text), qbuttons, parent_);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::kYes;
    case QMessageBox::No:
      return Answer::kNo;
    case QMessageBox::Cancel:
      return Answer::kCancel;
    default:
      return buttons == Buttons::kOk ? Answer::kOk : Answer::kCancel;
  }
}

bool MessageBoxPrompter::AskSaveFileName(std::string* name) {
  QString chosen = QFileDialog::getSaveFileName(parent_, QStringLiteral("Save As"), QString(),
                                                QtFilters(kEditorFileFilter));
  if (chosen.isEmpty()) return false;
  *name = chosen.toLocal8Bit().toStdString();
  return true;
}

}  // namespace foresta
