#ifndef FORESTA_EXAMPLES_EXAMPLE_DATA_H_
#define FORESTA_EXAMPLES_EXAMPLE_DATA_H_

#include <string>
#include <vector>

#include "state/message_codes.h"

namespace foresta {

// What to tell the user after ProvideExampleData (kMsgExampleDataCopied or
// kMsgExampleDataNotCopied with its text); code 0 when nothing.
struct ExampleDataNotice {
  int code = 0;
  std::string text;
};

// The Example menu reads its data files (and the folders of the directory
// and batch examples) from the current folder. They come with the program,
// so in a folder that lacks them, a fresh one after installation, the
// bundled copies from `bundleDirectory` are put there first. Existing files
// are never overwritten; names that are neither here nor bundled are left
// to fail where they are read, as before.
ExampleDataNotice ProvideExampleData(const std::string& bundleDirectory,
                                     const std::vector<std::string>& names);

}  // namespace foresta

#endif  // FORESTA_EXAMPLES_EXAMPLE_DATA_H_
