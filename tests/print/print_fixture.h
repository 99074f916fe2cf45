#ifndef FORESTA_TESTS_PRINT_PRINT_FIXTURE_H_
#define FORESTA_TESTS_PRINT_PRINT_FIXTURE_H_

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <string>

#include "editor/edit_prompter.h"
#include "editor/widget/edit_client.h"

namespace foresta {

class QuietPrompter : public EditPrompter {
 public:
  Answer Message(const std::string&, const std::string& text, Buttons, Icon) override {
    last = text;
    return Answer::kCancel;
  }
  bool AskSaveFileName(std::string*) override { return false; }
  std::string last;
};

// A document of numbered lines in an editor, and a PDF page to print it on.
class PrintFixture : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }

  std::string Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)).toStdString(); }

  // Writes `count` lines "line 1" ... (no lines: one empty line).
  std::string WriteLines(int count, const char* name = "doc.txt") {
    std::string path = Path(name);
    std::ofstream out(path, std::ios::binary);
    for (int i = 1; i <= count; ++i) out << "line " << i << (i < count ? "\n" : "");
    return path;
  }

  TEditClient& Editor(const std::string& file) {
    editor = std::make_unique<TEditClient>(nullptr, QString::fromStdString(file), &prompter);
    return *editor;
  }

  QPdfWriter& Writer(QPageLayout::Orientation orientation = QPageLayout::Portrait) {
    writer = std::make_unique<QPdfWriter>(QString::fromStdString(Path("out.pdf")));
    writer->setPageSize(QPageSize(QPageSize::A4));
    writer->setPageOrientation(orientation);
    return *writer;
  }

  // Runs a poppler tool if it is installed; false when it is not.
  static bool RunTool(const QString& tool, const QStringList& args, QString* out) {
    if (QStandardPaths::findExecutable(tool).isEmpty()) return false;
    QProcess process;
    process.start(tool, args);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return false;
    *out = QString::fromUtf8(process.readAllStandardOutput());
    return true;
  }

  QTemporaryDir dir;
  QuietPrompter prompter;
  std::unique_ptr<TEditClient> editor;
  std::unique_ptr<QPdfWriter> writer;
};

}  // namespace foresta

#endif  // FORESTA_TESTS_PRINT_PRINT_FIXTURE_H_
