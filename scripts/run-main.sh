#!/usr/bin/env bash
# Installs what is needed, builds the release configuration and runs the
# main job: a prediction on the bundled example file, then the workbench
# window where a display is available.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh release
cd build/release/bin
echo "== foresta-cli test example2a.txt"
./foresta-cli test example2a.txt
echo "== foresta-cli predict example2a.txt (Real + Linear, precision 10, trend 5)"
./foresta-cli predict example2a.txt
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "== opening the workbench window (close it to finish)"
  ./foresta
else
  echo "== no display: the workbench window is not opened; the prediction above is the main job"
fi
