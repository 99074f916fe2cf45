#ifndef FORESTA_FRAME_LOCK_KEYS_H_
#define FORESTA_FRAME_LOCK_KEYS_H_

namespace foresta {

struct LockKeyState {
  bool known = false;  // false where the platform cannot tell
  bool capsLock = false;
  bool numLock = false;
};

// The keyboard's Caps Lock and Num Lock lights.
LockKeyState ReadLockKeys();

}  // namespace foresta

#endif  // FORESTA_FRAME_LOCK_KEYS_H_
