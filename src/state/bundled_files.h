#ifndef FORESTA_STATE_BUNDLED_FILES_H_
#define FORESTA_STATE_BUNDLED_FILES_H_

#include <string>

namespace foresta {

// The files that come with the programs: the help, the manual, the
// documents and the example data. An installed program finds them in the
// data folder of its installation (../share/foresta beside bin/); a program
// run from the build tree finds them beside itself, where the build copies
// them. Every front end and every layer looks them up here.

// The folder of the running program (from /proc/self/exe), or empty when
// it cannot be told.
std::string ProgramDirectory();

// The folder of the bundled files for a program in `programDirectory`: the
// installation's data folder when it exists, else `programDirectory`
// itself. Empty for an empty `programDirectory`.
std::string BundledFilesDirectoryFor(const std::string& programDirectory);

// BundledFilesDirectoryFor(ProgramDirectory()).
std::string BundledFilesDirectory();

// The path of the bundled file or folder `name` (a plain relative name such
// as "manual.txt" or "cash3") in `bundleDirectory`, or empty when it is not
// there.
std::string FindBundled(const std::string& bundleDirectory, const std::string& name);

// Result of CopyBundledIfMissing.
enum class BundledCopy {
  kPresent,      // the current folder already has it; nothing was touched
  kCopied,       // copied (for a folder: at least one missing file copied)
  kNotBundled,   // neither here nor among the bundled files
  kCopyFailed,   // bundled, but it could not be copied here
};

// Makes the bundled file or folder `name` available in the current folder:
// when `name` is missing there, copies it from `bundleDirectory`. A folder
// gets every bundled file it lacks. An existing file is never overwritten.
BundledCopy CopyBundledIfMissing(const std::string& bundleDirectory, const std::string& name);

}  // namespace foresta

#endif  // FORESTA_STATE_BUNDLED_FILES_H_
