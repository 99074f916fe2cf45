#include "examples/example_data.h"

#include <filesystem>

#include "state/bundled_files.h"

namespace foresta {
namespace {

// "file a.txt", "files a.txt and b.txt", "folder cash3", "file a.txt and
// folder cash3": the names as one phrase.
std::string Phrase(const std::string& bundleDirectory, const std::vector<std::string>& names) {
  std::string files, folders;
  int fileCount = 0, folderCount = 0;
  for (const std::string& name : names) {
    std::error_code ec;
    bool folder = std::filesystem::is_directory(std::filesystem::path(bundleDirectory) / name, ec);
    std::string& list = folder ? folders : files;
    (folder ? folderCount : fileCount)++;
    list += (list.empty() ? "" : ", ") + name;
  }
  auto named = [](const char* one, int count, const std::string& list) {
    if (count == 0) return std::string();
    std::string text = std::string(one) + (count > 1 ? "s " : " ") + list;
    if (auto last = text.rfind(", "); count > 1 && last != std::string::npos) {
      text.replace(last, 2, " and ");
    }
    return text;
  };
  std::string phrase = named("file", fileCount, files);
  std::string folderPhrase = named("folder", folderCount, folders);
  if (!phrase.empty() && !folderPhrase.empty()) phrase += " and ";
  return phrase + folderPhrase;
}

}  // namespace

ExampleDataNotice ProvideExampleData(const std::string& bundleDirectory,
                                     const std::vector<std::string>& names) {
  std::vector<std::string> copied, failed;
  for (const std::string& name : names) {
    switch (CopyBundledIfMissing(bundleDirectory, name)) {
      case BundledCopy::kCopied: copied.push_back(name); break;
      case BundledCopy::kCopyFailed: failed.push_back(name); break;
      default: break;
    }
  }
  if (!failed.empty()) {
    return {kMsgExampleDataNotCopied, "The example data " + Phrase(bundleDirectory, failed) +
                                           " could not be copied into the current folder."};
  }
  if (!copied.empty()) {
    return {kMsgExampleDataCopied,
            "Copied the example data " + Phrase(bundleDirectory, copied) + " into the current folder."};
  }
  return {};
}

}  // namespace foresta
