#!/usr/bin/env bash
# Takes a picture of the workbench window with a prediction report open,
# under a virtual X display.
#   scripts/screenshot.sh [OUTPUT.png [COMMAND-ID...]]
# (default: build/screenshot.png after Data/Input and Real/+ Linear;
#  docs/chart.png is taken with: docs/chart.png 700 555 24339, the chart
#  of the input, a prediction it draws, and the report closed again)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out=${1:-$root/build/screenshot.png}
shift || true
commands=("$@")
[ ${#commands[@]} -eq 0 ] && commands=(552 555)
case "$out" in /*) ;; *) out=$root/$out ;; esac
bin=$root/build/release/bin
if [ ! -x "$bin/foresta-screenshot" ]; then
  cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build/release -j "${FORESTA_JOBS:-2}" --target foresta-screenshot foresta_data
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/data/example2a.txt" "$work/"
cd "$work"
xvfb-run -a -s "-screen 0 1280x860x24" \
  "$bin/foresta-screenshot" "$out" "${commands[@]}"
echo "$out"
