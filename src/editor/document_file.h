#ifndef FORESTA_EDITOR_DOCUMENT_FILE_H_
#define FORESTA_EDITOR_DOCUMENT_FILE_H_

#include <string>

#include "editor/lines.h"

namespace foresta {

// Results of ReadDocument.
inline constexpr int kReadOk = 0;
inline constexpr int kReadCannotOpen = 1;    // nothing loaded
inline constexpr int kReadTooManyLines = 2;  // the first max_lines lines loaded
inline constexpr int kReadIoError = 3;       // the lines read so far loaded

// Results of WriteDocument.
inline constexpr int kWriteOk = 0;
inline constexpr int kWriteCannotCreate = 1;  // no file could be created beside the target
inline constexpr int kWriteFailed = 2;        // writing the new content failed
inline constexpr int kWriteCannotReplace = 3;  // the new content could not take the old one's place

// Reads the file `path` as bytes into `lines`: "\r\n" and "\n" both end a
// line, a final line end adds no empty line, an empty file is one empty
// line. On kReadCannotOpen `lines` is one empty line; on the partial
// results it holds what was read.
int ReadDocument(const std::string& path, Lines* lines, int max_lines = Lines::kMaxLines);

// Writes every line followed by "\r\n". The new content is written to a
// temporary file beside `path` and then renamed over it, so that a failure
// at any point leaves the old file as it was. A new file gets the usual
// permissions; an existing one keeps its own.
int WriteDocument(const std::string& path, const Lines& lines);

}  // namespace foresta

#endif  // FORESTA_EDITOR_DOCUMENT_FILE_H_
