#include "state/bundled_files.h"

#include <filesystem>
#include <system_error>

namespace foresta {
namespace fs = std::filesystem;

namespace {

// The data folder as seen from the programs' folder of an installation
// ("../share/foresta"); the build derives it from its install layout.
constexpr const char* kBundleFromPrograms = FORESTA_BUNDLE_FROM_PROGRAMS;

bool IsDirectory(const fs::path& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

bool Exists(const fs::path& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

// Copies `from` to `to` unless `to` exists.
BundledCopy CopyFile(const fs::path& from, const fs::path& to) {
  if (Exists(to)) return BundledCopy::kPresent;
  std::error_code ec;
  if (!fs::copy_file(from, to, fs::copy_options::none, ec) || ec) {
    return BundledCopy::kCopyFailed;
  }
  return BundledCopy::kCopied;
}

}  // namespace

std::string ProgramDirectory() {
  std::error_code ec;
  fs::path program = fs::read_symlink("/proc/self/exe", ec);
  if (ec || program.empty()) return {};
  return program.parent_path().string();
}

std::string BundledFilesDirectoryFor(const std::string& programDirectory) {
  if (programDirectory.empty()) return {};
  const fs::path installed = (fs::path(programDirectory) / kBundleFromPrograms).lexically_normal();
  if (IsDirectory(installed)) return installed.string();
  return programDirectory;
}

std::string BundledFilesDirectory() { return BundledFilesDirectoryFor(ProgramDirectory()); }

std::string FindBundled(const std::string& bundleDirectory, const std::string& name) {
  if (bundleDirectory.empty() || name.empty()) return {};
  const fs::path path = fs::path(bundleDirectory) / name;
  return Exists(path) ? path.string() : std::string();
}

BundledCopy CopyBundledIfMissing(const std::string& bundleDirectory, const std::string& name) {
  const fs::path here(name);
  const std::string bundled = FindBundled(bundleDirectory, name);
  if (!IsDirectory(bundled)) {
    if (Exists(here)) return BundledCopy::kPresent;
    if (bundled.empty()) return BundledCopy::kNotBundled;
    return CopyFile(bundled, here);
  }
  // A folder: create it when missing and add the files it lacks.
  std::error_code ec;
  if (!IsDirectory(here)) {
    if (Exists(here)) return BundledCopy::kPresent;  // a file by that name: left alone
    fs::create_directories(here, ec);
    if (ec) return BundledCopy::kCopyFailed;
  }
  BundledCopy result = BundledCopy::kPresent;
  for (const fs::directory_entry& entry : fs::directory_iterator(bundled, ec)) {
    if (entry.is_directory(ec)) continue;  // the bundled folders hold files only
    switch (CopyFile(entry.path(), here / entry.path().filename())) {
      case BundledCopy::kCopyFailed: return BundledCopy::kCopyFailed;
      case BundledCopy::kCopied: result = BundledCopy::kCopied; break;
      default: break;
    }
  }
  if (ec) return BundledCopy::kCopyFailed;
  return result;
}

}  // namespace foresta
