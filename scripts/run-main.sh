#!/usr/bin/env bash
# Installs what is needed, builds the release configuration and runs the
# main job: the input test on the bundled example file.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh release
cd build/release/bin
echo "== foresta-cli test example2a.txt"
./foresta-cli test example2a.txt
