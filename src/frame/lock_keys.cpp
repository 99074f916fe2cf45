#include "frame/lock_keys.h"

#include <QGuiApplication>

#if defined(FORESTA_HAVE_X11)
#include <X11/XKBlib.h>
#endif

namespace foresta {

LockKeyState ReadLockKeys() {
  LockKeyState state;
#if defined(FORESTA_HAVE_X11)
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return state;
  // Qt offers no portable way to read the lock lights; ask the X server.
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return state;
  unsigned int lights = 0;
  if (XkbGetIndicatorState(display, XkbUseCoreKbd, &lights) == Success) {
    state.known = true;
    state.capsLock = (lights & 0x01) != 0;
    state.numLock = (lights & 0x02) != 0;
  }
  XCloseDisplay(display);
#endif
  return state;
}

}  // namespace foresta
