#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "editor/document_file.h"
#include "editor_fixture.h"

namespace foresta {
namespace {

namespace fs = std::filesystem;

class EditorFileTest : public EditorTest {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("foresta_editor_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all);
    fs::remove_all(dir_);
  }
  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
  std::string MakeFile(const std::string& name, const std::string& bytes) {
    std::ofstream(PathOf(name), std::ios::binary) << bytes;
    return PathOf(name);
  }
  static std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // Changes the document and changes it back: Save then writes it again.
  void Touch() {
    Type("x");
    Key(EditDocument::Key::kBackspace);
  }
  // Loads `bytes` from a file and saves it back; returns what was written.
  std::string RoundTrip(const std::string& bytes) {
    doc.FileName = MakeFile("round.txt", bytes);
    EXPECT_EQ(doc.Read(), kReadOk);
    Touch();
    EXPECT_TRUE(doc.Save());
    return Bytes(doc.FileName);
  }

  fs::path dir_;
};

TEST_F(EditorFileTest, LoadAndSaveRoundTripsEndEveryLineWithCrLf) {
  EXPECT_EQ(RoundTrip(""), "\r\n");
  EXPECT_EQ(Text(), "");
  EXPECT_EQ(RoundTrip("abc"), "abc\r\n");
  EXPECT_EQ(RoundTrip("abc\n"), "abc\r\n");
  EXPECT_EQ(RoundTrip("abc\n\n"), "abc\r\n\r\n");
  EXPECT_EQ(doc.Text().Count(), 2);
  EXPECT_EQ(RoundTrip("a\r\nb\nc\r\n"), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(RoundTrip("  lead\tand\rlone\r"), "  lead\tand\rlone\r\r\n");
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(EditorFileTest, LinesLongerThanTheReadBufferSurviveIntact) {
  std::string line(3'000'000, 'q');
  line[1'048'575] = '\r';  // a carriage return at a buffer boundary that is not a line end
  EXPECT_EQ(RoundTrip(line + "\r\nz"), line + "\r\nz\r\n");
}

TEST_F(EditorFileTest, AMissingFileLeavesAnUntitledUsableDocument) {
  doc.FileName = PathOf("missing.txt");
  EXPECT_EQ(doc.Read(), kReadCannotOpen);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "File I/O Error. File not loaded.");
  EXPECT_EQ(prompter.messages[0].caption, PathOf("missing.txt"));
  EXPECT_TRUE(doc.FileName.empty());
  EXPECT_EQ(Text(), "");
  Type("ok");
  EXPECT_EQ(Text(), "ok");
}

TEST_F(EditorFileTest, APartFileAsksBeforeSavingAndNoLeavesTheFileAlone) {
  std::string original = "1\n2\n3\n4\n";
  doc.FileName = MakeFile("part.txt", original);
  EXPECT_EQ(doc.Read(/*max_lines=*/2), kReadTooManyLines);
  EXPECT_TRUE(doc.PartFile);
  EXPECT_EQ(Text(), "1\n2");
  EXPECT_EQ(prompter.messages.back().text, "Too many lines. Part file loaded.");
  Touch();
  prompter.answer = EditPrompter::Answer::kNo;
  EXPECT_FALSE(doc.Save());
  EXPECT_EQ(prompter.messages.back().caption, "WARNING!");
  EXPECT_EQ(prompter.messages.back().text,
            "This is only a part of the original file. Do you still want to save it?");
  EXPECT_EQ(Bytes(doc.FileName), original);
  // Save As writes without asking and ends the partial state.
  prompter.save_name = PathOf("copy.txt");
  std::size_t asked = prompter.messages.size();
  EXPECT_TRUE(doc.SaveAs());
  EXPECT_EQ(prompter.messages.size(), asked);
  EXPECT_FALSE(doc.PartFile);
  EXPECT_EQ(doc.FileName, PathOf("copy.txt"));
  EXPECT_EQ(Bytes(PathOf("copy.txt")), "1\r\n2\r\n");
}

TEST_F(EditorFileTest, SavingAnUnchangedDocumentWritesNothing) {
  std::string path = MakeFile("same.txt", "one\ntwo");
  doc.FileName = path;
  ASSERT_EQ(doc.Read(), kReadOk);
  EXPECT_TRUE(doc.Save());
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(Bytes(path), "one\ntwo");
  // Undoing every change makes it unchanged again.
  Type("x");
  doc.Undo();
  EXPECT_TRUE(doc.Save());
  EXPECT_EQ(Bytes(path), "one\ntwo");  // a write would have ended the lines with "\r\n"
}

TEST_F(EditorFileTest, ExactlyTheLineLimitIsNotAPartFile) {
  doc.FileName = MakeFile("full.txt", "1\n2\n");
  EXPECT_EQ(doc.Read(2), kReadOk);
  EXPECT_FALSE(doc.PartFile);
}

TEST_F(EditorFileTest, SaveWithoutANameIsSaveAsAndCancelWritesNothing) {
  Type("text");
  EXPECT_FALSE(doc.Save());
  EXPECT_EQ(prompter.save_dialogs, 1);
  EXPECT_TRUE(doc.IsDirty);
  prompter.save_name = PathOf("new.txt");
  EXPECT_TRUE(doc.Save());
  EXPECT_EQ(Bytes(PathOf("new.txt")), "text\r\n");
  EXPECT_FALSE(doc.IsDirty);
  EXPECT_FALSE(doc.CanUndo());
}

TEST_F(EditorFileTest, AFailedSaveIsReportedAndKeepsTheChangesAndTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
  doc.FileName = MakeFile("keep.txt", "old\n");
  ASSERT_EQ(doc.Read(), kReadOk);
  Type("new ");
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(doc.Save());
  ASSERT_FALSE(prompter.messages.empty());
  EXPECT_EQ(prompter.messages.back().text, "File I/O Error. File not saved.");
  EXPECT_TRUE(doc.IsDirty);
  EXPECT_TRUE(doc.CanUndo());
  fs::permissions(dir_, fs::perms::owner_all);
  EXPECT_EQ(Bytes(doc.FileName), "old\n");
  // Nothing is left behind in the directory either.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(EditorFileTest, AFailedReplaceLeavesNoTemporaryFileBehind) {
  doc.FileName = MakeFile("target", "old\n");
  ASSERT_EQ(doc.Read(), kReadOk);
  Type("new ");
  // The name now belongs to a directory, which a file cannot replace.
  fs::remove(doc.FileName);
  fs::create_directories(fs::path(doc.FileName) / "inside");
  EXPECT_FALSE(doc.Save());
  EXPECT_EQ(prompter.messages.back().text, "File I/O Error. File not saved.");
  EXPECT_TRUE(doc.IsDirty);
  EXPECT_TRUE(doc.CanUndo());
  EXPECT_TRUE(fs::is_directory(fs::path(doc.FileName) / "inside"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(EditorFileTest, SavingKeepsTheFilesPermissions) {
  std::string path = MakeFile("mode.txt", "x\n");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  doc.FileName = path;
  ASSERT_EQ(doc.Read(), kReadOk);
  Type("y");
  ASSERT_TRUE(doc.Save());
  EXPECT_EQ(fs::status(path).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(EditorFileTest, CloseQueryKeepsTheWindowOpenWhenTheSaveDoesNotHappen) {
  Type("unsaved");
  prompter.answer = EditPrompter::Answer::kCancel;
  EXPECT_FALSE(doc.CanClose());
  EXPECT_EQ(prompter.messages.back().caption, "Untitled");
  EXPECT_EQ(prompter.messages.back().text, "This file has changed. Do you want to save the changes?");
  // Yes, then the save dialog is cancelled: stay open.
  prompter.answer = EditPrompter::Answer::kYes;
  EXPECT_FALSE(doc.CanClose());
  prompter.answer = EditPrompter::Answer::kNo;
  EXPECT_TRUE(doc.CanClose());
  prompter.answer = EditPrompter::Answer::kYes;
  prompter.save_name = PathOf("closed.txt");
  EXPECT_TRUE(doc.CanClose());
  EXPECT_EQ(Bytes(PathOf("closed.txt")), "unsaved\r\n");
}

TEST_F(EditorFileTest, RevertReloadsButKeepsTheTextWhenTheFileIsGone) {
  doc.FileName = MakeFile("rev.txt", "saved\n");
  ASSERT_EQ(doc.Read(), kReadOk);
  Type("edit ");
  EXPECT_EQ(doc.Revert(), kReadOk);
  EXPECT_EQ(Text(), "saved");
  EXPECT_FALSE(doc.IsDirty);
  EXPECT_FALSE(doc.CanUndo());
  Type("again ");
  fs::remove(doc.FileName);
  EXPECT_EQ(doc.Revert(), kReadCannotOpen);
  EXPECT_EQ(Text(), "again saved");
  EXPECT_FALSE(doc.FileName.empty());
}

}  // namespace
}  // namespace foresta
