#ifndef FORESTA_FRAME_COMMAND_CATALOG_H_
#define FORESTA_FRAME_COMMAND_CATALOG_H_

#include <span>
#include <string>

namespace foresta {

// The tool bar, left to right; 0 stands for a separator between groups.
// Labels and hints of its commands come from the command vocabulary.
std::span<const int> ToolBarLayout();

// The short name a tool button shows as its tool tip.
std::string ToolButtonName(int id);

}  // namespace foresta

#endif  // FORESTA_FRAME_COMMAND_CATALOG_H_
