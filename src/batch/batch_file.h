#ifndef FORESTA_BATCH_BATCH_FILE_H_
#define FORESTA_BATCH_BATCH_FILE_H_

#include <ostream>
#include <string>
#include <string_view>

#include "state/message_codes.h"
#include "state/workbench_state.h"

namespace foresta {

class BatchFileAccess;

// Where the batch test and loader copy what they read, so the user can see
// where reading stopped (the input test uses the same file).
inline constexpr const char* kBatchEchoFile = "error.tmp";

// Results of TestBatchFile; the message shown is 160 + code. The codes
// beyond 10 are chosen so that 160 + code is their message code.
enum BatchTestCode : int {
  kBatchOk = 0,
  kBatchCannotOpen = 1,  // also: not a readable regular file
  kBatchNoComment = 2,
  kBatchCommentNotClosed = 3,
  kBatchBadOutputFile = 4,
  kBatchBadPrecision = 5,
  kBatchBadTrend = 6,
  kBatchBadRunCode = 7,
  kBatchBadFileCount = 8,
  kBatchBadInputFile = 9,
  kBatchNotEnoughFiles = 10,
  // A read error ended the reading before the end of the file.
  kBatchReadFailed = kMsgBatchReadFailed - kMsgBatchTestBase,
  // The batch file is the echo file: opening the echo would empty it.
  kBatchIsEchoFile = kMsgBatchIsEchoFile - kMsgBatchTestBase,
  // The output names one of the input files: the report would replace it.
  kBatchOutputIsInput = kMsgBatchOutputIsInput - kMsgBatchTestBase,
};

inline constexpr int kBatchMinPrecision = 2;
inline constexpr int kBatchMaxPrecision = 10000;
inline constexpr int kBatchMinTrend = 2;
inline constexpr int kBatchMaxTrend = 1000;

// Checks `batchFile` before a run: comment section, output name (the file is
// created or emptied to prove it can be written), precision, trend, run
// code, number of files and either the one input file (a regular file that
// can be opened for reading) or enough non-blank lines for the names.
// An output that is one of the input names is refused and left as it is;
// otherwise the output is emptied when the test ends, however it ends once
// the output name has been accepted. A batch file that is the echo file,
// or that cannot be read to its end, is refused.
// Echoes what it read into `echoFile`. Settings are not touched. Returns a
// BatchTestCode.
int TestBatchFile(const std::string& batchFile,
                  const std::string& echoFile = kBatchEchoFile);

// The same test over a batch file's bytes in memory, asking `files` about
// the output and input names. `echo`, when given, receives what
// TestBatchFile writes to the echo file. Never returns kBatchCannotOpen,
// kBatchIsEchoFile or kBatchReadFailed.
int TestBatchBytes(std::string_view bytes, BatchFileAccess& files,
                   std::ostream* echo = nullptr);

// Result of LoadBatchFile when the file could no longer be read (or is the
// echo file, or a read error stopped it).
inline constexpr int kBatchLoadFailed = -1;

// REQUIRES: TestBatchFile(state.batchFile) returned kBatchOk.
// Stores the batch file's output name, precision, trend and input (one file
// in File mode, or the names that are readable regular files in Directory
// mode) into `state` and the Link dialog's texts; echoes into `echoFile`.
// Returns the batch run code, or kBatchLoadFailed with `state` untouched.
int LoadBatchFile(WorkbenchState& state,
                  const std::string& echoFile = kBatchEchoFile);

// The same load from the batch file's bytes in memory (state.batchFile is
// not read), asking `files` which input names can be read.
int LoadBatchBytes(std::string_view bytes, WorkbenchState& state,
                   BatchFileAccess& files, std::ostream* echo = nullptr);

// Results of SaveBatchFile.
enum BatchSaveCode : int {
  kBatchSaved = 0,
  kBatchSaveCannotOpen = 1,
  kBatchSaveWriteFailed = 2,
};

// Writes the batch file layout for the current settings to `out`. A
// non-empty `directoryPrefix` marks the first Directory save of a run: each
// name is written after two tabs with the prefix in front of it (names that
// are already absolute are written as they are).
void WriteBatchFile(const WorkbenchState& state,
                    const std::string& directoryPrefix, std::string& out);

// Replaces state.batchFile with the current settings. The first Directory
// save of a run puts the absolute path of the current directory in front of
// each name and clears state.firstDirectorySave. Returns a BatchSaveCode.
int SaveBatchFile(WorkbenchState& state);

// A name as read from a batch file, with backslashes taken as the path
// separators they are in files written on other systems.
std::string BatchPathName(const std::string& word);

}  // namespace foresta

#endif  // FORESTA_BATCH_BATCH_FILE_H_
