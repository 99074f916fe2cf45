#!/usr/bin/env bash
# Builds the Qt-free hand-off between a command's worker thread and the
# window's thread under ThreadSanitizer (build/tsan, nothing else is built
# there) and runs its tests many times over, so the threads interleave in
# many ways. Debian's Qt is not built for ThreadSanitizer, which is why the
# hand-off is plain C++ and the window reaches it only through a callback.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/tsan
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DFORESTA_TSAN=ON -DFORESTA_BUILD_GUI=OFF
       -DFORESTA_BUILD_BENCH=OFF)
[ -n "${CI:-}" ] && flags+=(-DFORESTA_WERROR=ON)
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S . -B "$build" "${generator[@]}" "${flags[@]}" >/dev/null
cmake --build "$build" -j "${FORESTA_JOBS:-2}" --target frame_hand_off_test
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ${TSAN_OPTIONS:-}" \
  "$build/tests/frame_hand_off_test" --gtest_repeat="${FORESTA_TSAN_REPEAT:-50}" \
  --gtest_brief=1
