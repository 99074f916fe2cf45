#ifndef FORESTA_STATE_READABLE_FILE_H_
#define FORESTA_STATE_READABLE_FILE_H_

#include <string>

namespace foresta {

// True when `path` names a regular file (after following symbolic links)
// that can be opened for reading. A directory, a FIFO, a device, a missing
// or an unreadable file are all false. The file tests ask this before they
// open a file, because opening a directory succeeds and only its reads
// fail, and opening a FIFO for reading waits for a writer.
bool IsReadableRegularFile(const std::string& path);

}  // namespace foresta

#endif  // FORESTA_STATE_READABLE_FILE_H_
