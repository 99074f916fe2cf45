#!/usr/bin/env bash
# Configures and builds one configuration: release (default) or asan.
#   scripts/build.sh [release|asan]   -> build/<config>
set -euo pipefail
cd "$(dirname "$0")/.."
config=${1:-release}
jobs=${FORESTA_JOBS:-2}
case "$config" in
  release) flags=(-DCMAKE_BUILD_TYPE=Release) ;;
  asan)    flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DFORESTA_SANITIZE=ON -DFORESTA_BUILD_BENCH=OFF) ;;
  *) echo "usage: $0 [release|asan]" >&2; exit 2 ;;
esac
[ -n "${CI:-}" ] && flags+=(-DFORESTA_WERROR=ON)
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S . -B "build/$config" "${generator[@]}" "${flags[@]}" >/dev/null
cmake --build "build/$config" -j "$jobs"
