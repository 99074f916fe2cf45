#ifndef FORESTA_EDITOR_FIND_DATA_H_
#define FORESTA_EDITOR_FIND_DATA_H_

#include <cstdint>
#include <string>

namespace foresta {

// The data shared by the Find and Replace dialogs and the editor.
struct FindData {
  static constexpr std::uint32_t kDown = 0x1;
  static constexpr std::uint32_t kWholeWord = 0x2;
  static constexpr std::uint32_t kMatchCase = 0x4;
  static constexpr std::uint32_t kFindNext = 0x8;
  static constexpr std::uint32_t kReplace = 0x10;
  static constexpr std::uint32_t kReplaceAll = 0x20;
  static constexpr std::uint32_t kDialogTerm = 0x40;

  // The texts the dialogs accept: 80 characters each.
  static constexpr std::size_t kMaxText = 80;

  std::uint32_t flags = kDown | kMatchCase;
  // Find Next that reaches the end (or, searching up, the start) of the
  // document goes on from the other end.
  bool wrapAround = true;
  std::string findWhat;
  std::string replaceWith;
};

}  // namespace foresta

#endif  // FORESTA_EDITOR_FIND_DATA_H_
