#ifndef FORESTA_FRAME_DRAWN_ICON_H_
#define FORESTA_FRAME_DRAWN_ICON_H_

#include <QIcon>

namespace foresta {

inline constexpr int kApplicationIconId = 1001;
inline constexpr int kDocumentIconId = 1002;

// The icon of a command (or of the application, 1001, or of a document
// window, 1002). Icons are vector drawings painted at whatever size and
// pixel ratio they are asked for, so they stay sharp on high-density
// screens. A null icon for identifiers without a drawing.
QIcon CommandIcon(int id);

}  // namespace foresta

#endif  // FORESTA_FRAME_DRAWN_ICON_H_
