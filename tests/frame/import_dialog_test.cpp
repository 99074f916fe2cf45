#include "frame/import_dialog.h"

#include <filesystem>
#include <memory>

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "frame/gui_shell.h"
#include "frame/plume_ed_app.h"
#include "frame/plume_ed_mdi_child.h"
#include "frame/plume_ed_mdi_client.h"
#include "frame/qt_environment.h"

namespace foresta {
namespace {

using test::WaitFor;
using test::WorkingDirectory;

constexpr char kSemicolonCsv[] =
    "\xEF\xBB\xBF" "Datum;Kommentar;Umsatz;Kosten\r\n"
    "31.01.2024;gut;1,5;2\r\n"
    "29.02.2024;\"mit; Semikolon\";2,25;NA\r\n"
    "31.03.2024;ok;3;4,75\r\n";

QStringList Checked(const QListWidget* list) {
  QStringList names;
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->checkState() == Qt::Checked) names << list->item(i)->text();
  }
  return names;
}

class ImportDialogTest : public ::testing::Test {
 protected:
  WorkingDirectory dir_;
};

TEST_F(ImportDialogTest, PreviewShowsTheRowsAsTheImportReadsThem) {
  dir_.Write("sales.csv", kSemicolonCsv);
  ImportCsvDialog dialog("sales.csv");
  EXPECT_EQ("Fields separated by semicolons, decimal commas, a header row; dates in "
            "\"Datum\".",
            dialog.statusLabel()->text());
  QTableWidget* table = dialog.previewTable();
  ASSERT_EQ(4, table->columnCount());
  ASSERT_EQ(3, table->rowCount());
  EXPECT_EQ("Umsatz", table->horizontalHeaderItem(2)->text());
  EXPECT_EQ("mit; Semikolon", table->item(1, 1)->text());
  EXPECT_EQ("3", table->verticalHeaderItem(1)->text());  // the file's line
  EXPECT_TRUE(dialog.decimalCommaBox()->isChecked());
  EXPECT_EQ((QStringList{"Umsatz", "Kosten"}), Checked(dialog.columnList()));
  EXPECT_EQ("sales.txt", dialog.outputEdit()->text());
  EXPECT_TRUE(dialog.okButton()->isEnabled());

  ImportRequest r = dialog.Request();
  EXPECT_EQ(r.csvFile, "sales.csv");
  EXPECT_EQ(r.columns, (std::vector<std::string>{"3", "4"}));
  EXPECT_EQ(r.choices.delimiter, ';');
  EXPECT_EQ(r.choices.decimalComma, true);
  EXPECT_EQ(r.choices.dateColumn, "1");
  EXPECT_EQ(r.missing, MissingPolicy::kFail);
}

TEST_F(ImportDialogTest, ChoicesPreviewTheFileAgain) {
  dir_.Write("years.csv", "1999,5\n2000,6\n2001,7\n");
  ImportCsvDialog dialog("years.csv");
  EXPECT_EQ((QStringList{"column 2"}), Checked(dialog.columnList()));
  // No dates: the years become a series of their own.
  dialog.dateColumnBox()->setCurrentIndex(dialog.dateColumnBox()->findText("None"));
  EXPECT_EQ((QStringList{"column 1", "column 2"}), Checked(dialog.columnList()));
  EXPECT_EQ(dialog.Request().choices.dateColumn, "none");

  dialog.delimiterBox()->setCurrentIndex(dialog.delimiterBox()->findText("Semicolon"));
  EXPECT_EQ(1, dialog.previewTable()->columnCount());
  EXPECT_EQ("1999,5", dialog.previewTable()->item(0, 0)->text());
  // Read whole, "1999,5" is a number only with a decimal comma.
  EXPECT_TRUE(dialog.decimalCommaBox()->isChecked());
  EXPECT_EQ((QStringList{"column 1"}), Checked(dialog.columnList()));
  EXPECT_EQ(dialog.Request().choices.decimalComma, true);

  dialog.decimalCommaBox()->click();  // the user knows better
  EXPECT_FALSE(dialog.decimalCommaBox()->isChecked());
  EXPECT_TRUE(Checked(dialog.columnList()).isEmpty());
  EXPECT_FALSE(dialog.okButton()->isEnabled());
  dialog.columnList()->item(0)->setCheckState(Qt::Checked);
  EXPECT_TRUE(dialog.okButton()->isEnabled());
  dialog.missingBox()->setCurrentIndex(3);
  EXPECT_EQ(dialog.Request().missing, MissingPolicy::kInterpolate);
}

TEST_F(ImportDialogTest, UnreadableFileShowsWhereAndOffersNoImport) {
  dir_.Write("data.csv", std::string("a,b\n1,2\n3,\0\0\n", 13));
  ImportCsvDialog dialog("data.csv");
  EXPECT_EQ("row 3, column 2: a NUL byte: this is not a text file",
            dialog.statusLabel()->text());
  EXPECT_FALSE(dialog.okButton()->isEnabled());
}

// Answers the CSV file dialog once it is up.
void ChooseFile(const QString& name) {
  QTimer::singleShot(0, [name] {
    WaitFor([] { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr; });
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    dialog->selectFile(name);
    static_cast<QDialog*>(dialog)->accept();
  });
}

class ImportCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<plume_edApp>();
    window_->guiShell().SetModalRunner([this](QDialog& dialog) {
      if (auto* import = qobject_cast<ImportCsvDialog*>(&dialog)) {
        if (!configure_(*import)) return static_cast<int>(QDialog::Rejected);
        return static_cast<int>(QDialog::Accepted);
      }
      if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        boxes_ << box->text();
        return static_cast<int>(box->button(QMessageBox::Yes) ? QMessageBox::Yes
                                                             : QMessageBox::Ok);
      }
      return static_cast<int>(QDialog::Rejected);
    });
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }
  void TearDown() override { window_.reset(); }

  WorkingDirectory dir_;
  std::unique_ptr<plume_edApp> window_;
  std::function<bool(ImportCsvDialog&)> configure_ = [](ImportCsvDialog&) { return true; };
  QStringList boxes_;
};

TEST_F(ImportCommandTest, ImportedFileOpensAndBecomesTheInput) {
  dir_.Write("sales.csv", kSemicolonCsv);
  configure_ = [](ImportCsvDialog& d) {
    d.missingBox()->setCurrentIndex(2);  // the previous value
    return true;
  };
  ChooseFile(QString::fromStdString(dir_.Path("sales.csv")));
  window_->Action(kCmImportCsv)->trigger();
  EXPECT_TRUE(boxes_.isEmpty()) << boxes_.join("|").toStdString();
  ASSERT_EQ(1, window_->documentArea().Documents().size());
  EXPECT_TRUE(window_->documentArea().Documents()[0]->windowTitle().contains("sales.txt"));
  EXPECT_EQ("sales.txt", window_->workbench().state().predictionInputFile);
  EXPECT_TRUE(std::filesystem::exists(dir_.Path("sales.txt")));

  // Again: the existing file is replaced only after asking.
  ChooseFile(QString::fromStdString(dir_.Path("sales.csv")));
  window_->Action(kCmImportCsv)->trigger();
  ASSERT_EQ(1, boxes_.size());
  EXPECT_TRUE(boxes_[0].endsWith("sales.txt already exists. Replace it?"));
}

TEST_F(ImportCommandTest, RefusalIsShownAndNothingIsLinked) {
  dir_.Write("gap.csv", "v\n1\nNA\n3\n");
  ChooseFile(QString::fromStdString(dir_.Path("gap.csv")));
  window_->Action(kCmImportCsv)->trigger();
  ASSERT_EQ(1, boxes_.size());
  EXPECT_TRUE(boxes_[0].endsWith("row 3, column 1: missing value \"NA\" in column \"v\""))
      << boxes_[0].toStdString();
  EXPECT_TRUE(window_->documentArea().Documents().isEmpty());
  EXPECT_EQ("example2a.txt", window_->workbench().state().predictionInputFile);
  EXPECT_FALSE(std::filesystem::exists(dir_.Path("gap.txt")));
}

}  // namespace
}  // namespace foresta
