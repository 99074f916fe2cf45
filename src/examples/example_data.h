#ifndef FORESTA_EXAMPLES_EXAMPLE_DATA_H_
#define FORESTA_EXAMPLES_EXAMPLE_DATA_H_

#include <string>
#include <vector>

namespace foresta {

// Information codes of the example data copies.
// "Copied the example data file D_math2a.txt into the current folder."
inline constexpr int kInfoExampleDataCopied = 880;
// "The example data file D_math2a.txt could not be copied into the current folder."
inline constexpr int kInfoExampleDataNotCopied = 881;

// What to tell the user after ProvideExampleData; code 0 when nothing.
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
