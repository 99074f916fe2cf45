#!/usr/bin/env bash
# Builds the Debian package from a release configuration of the programs
# alone (no tests, no benchmarks) and checks it: the control fields and
# dependencies, the file list, that apt could install it here, and that
# the programs unpacked from it work (check-install.sh on the unpacked tree).
#   scripts/check-deb.sh [BUILD_DIR]   (default build/package)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${1:-build/package}
fail() { echo "check-deb: $*" >&2; exit 1; }

flags=(-DCMAKE_BUILD_TYPE=Release -DFORESTA_BUILD_TESTS=OFF -DFORESTA_BUILD_BENCH=OFF)
[ -n "${CI:-}" ] && flags+=(-DFORESTA_WERROR=ON)
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S . -B "$build" "${generator[@]}" "${flags[@]}" >/dev/null
cmake --build "$build" -j "${FORESTA_JOBS:-2}"
rm -f "$build"/foresta_*.deb
(cd "$build" && cpack -G DEB >/dev/null 2>&1) || fail "cpack failed"

version=$(sed -n 's/^project(Foresta VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb=$build/foresta_${version}-1_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb"
deb=$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")
echo "check-deb: $deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = foresta ] || fail "Package: $(field Package)"
[ "$(field Version)" = "${version}-1" ] || fail "Version: $(field Version)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ "$(field Section)" = science ] || fail "Section: $(field Section)"
depends=$(field Depends)
echo "check-deb: Depends: $depends"
depends_names=$(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends")
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
           libqt6charts6 libqt6svg6; do
  grep -qxF "$lib" <<<"$depends_names" || fail "Depends lacks $lib"
done

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/foresta ./usr/bin/foresta-cli ./usr/bin/foresta-print ./usr/bin/foresta-chart \
         ./usr/share/foresta/manual.txt ./usr/share/foresta/edit.hlp ./usr/share/foresta/LICENSE \
         ./usr/share/foresta/D_math2a.txt ./usr/share/foresta/dj30/msft.txt \
         ./usr/share/applications/foresta.desktop \
         ./usr/share/icons/hicolor/scalable/apps/foresta.svg \
         ./usr/share/man/man1/foresta.1.gz ./usr/share/man/man1/foresta-cli.1.gz \
         ./usr/share/man/man1/foresta-print.1.gz ./usr/share/man/man1/foresta-chart.1.gz \
         ./usr/share/doc/foresta/copyright; do
  grep -qxF "$f" <<<"$files" || fail "the package lacks $f"
done
stray=$(grep -E '^\./usr/bin/.' <<<"$files" | grep -vxE '\./usr/bin/foresta(-cli|-print|-chart)?' || true)
[ -z "$stray" ] || fail "files in /usr/bin besides the programs: $stray"
outside=$(grep -vE '^\./(usr/)?$|^\./usr/(bin|share)/' <<<"$files" || true)
[ -z "$outside" ] || fail "files outside /usr/bin and /usr/share: $outside"

# apt would find every dependency on this system (a simulation: nothing is installed).
if command -v apt-get >/dev/null; then
  apt-get install --simulate --no-install-recommends "$deb" >/dev/null 2>&1 \
    || fail "apt-get cannot resolve the package's dependencies"
fi

# The programs as the package installs them, unpacked into a scratch root.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch"
QT_QPA_PLATFORM=offscreen bash "$root/scripts/check-install.sh" --prefix "$scratch/usr"
echo "check-deb: the package is complete and its programs work"
