#!/usr/bin/env bash
# Checks an installation of a built tree, without building anything:
# installs BUILD_DIR into a scratch prefix (or checks PREFIX, an installation
# already made, e.g. a package unpacked by check-deb.sh) and verifies the
# layout and that the installed programs work from an empty folder.
#   scripts/check-install.sh --build BUILD_DIR
#   scripts/check-install.sh --prefix PREFIX
set -euo pipefail

fail() { echo "check-install: $*" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

case "${1:-}" in
  --build)
    [ -n "${2:-}" ] || fail "usage: $0 --build BUILD_DIR | --prefix PREFIX"
    prefix=$scratch/stage
    cmake --install "$2" --prefix "$prefix" >/dev/null || fail "cmake --install $2 failed"
    ;;
  --prefix)
    [ -n "${2:-}" ] || fail "usage: $0 --build BUILD_DIR | --prefix PREFIX"
    prefix=$(cd "$2" && pwd)
    ;;
  *) echo "usage: $0 --build BUILD_DIR | --prefix PREFIX" >&2; exit 2 ;;
esac

bin=$prefix/bin
share=$prefix/share/foresta
[ -x "$bin/foresta-cli" ] || fail "no $bin/foresta-cli"

# bin/ holds programs only: every file is an executable ELF file.
for f in "$bin"/*; do
  [ -f "$f" ] && [ -x "$f" ] && [ "$(head -c 4 "$f" | od -An -c | tr -d ' ')" = '177ELF' ] \
    || fail "not a program in bin/: ${f#"$prefix"/}"
done

# The bundled files are in share/foresta.
for f in manual.txt help.txt example.txt edit.hlp example2a.txt D_math2a.txt img50x50.trn \
         cash3/D_ch3XYZ.txt dj30/msft.txt LICENSE; do
  [ -f "$share/$f" ] || fail "missing share/foresta/$f"
done

# foresta-cli links no Qt.
if ldd "$bin/foresta-cli" | grep -i 'libQt'; then fail "foresta-cli links Qt"; fi
[ "$("$bin/foresta-cli" --version)" = "Foresta 2.8" ] || fail "foresta-cli --version"

# A prediction in an empty folder, on a copy of a bundled example.
work=$scratch/work
mkdir "$work"
cd "$work"
cp "$share/example2a.txt" .
"$bin/foresta-cli" predict example2a.txt > report.txt || fail "foresta-cli predict failed"
grep -q '^Weighted Average' report.txt || fail "the prediction report lacks its average"

# An Example command in an empty folder copies its data and says so; the
# data then predicts. A second run finds the file and copies nothing.
empty=$scratch/empty
mkdir "$empty"
cd "$empty"
out=$("$bin/foresta-cli" --json do 571)
grep -q '"code":880,.*Copied the example data file D_math2a.txt into the current folder.' <<<"$out" \
  || fail "Example 571 did not copy its data: $out"
cmp -s D_math2a.txt "$share/D_math2a.txt" || fail "the copied data differs from the bundled file"
"$bin/foresta-cli" predict D_math2a.txt >/dev/null || fail "the copied example does not predict"
out=$("$bin/foresta-cli" --json do 575)
grep -q 'folder cash3' <<<"$out" || fail "Example 575 did not copy the folder cash3: $out"
[ "$(ls cash3 | wc -l)" -eq 7 ] || fail "cash3 is incomplete"
grep -q '"code":880' <<<"$("$bin/foresta-cli" --json do 571)" && fail "a second run copied again"

# The window and the printer, when installed.
if [ -x "$bin/foresta" ]; then
  [ "$("$bin/foresta" --version)" = "Foresta 2.8" ] || fail "foresta --version"
  [ -x "$bin/foresta-print" ] || fail "foresta is installed without foresta-print"
  XDG_RUNTIME_DIR=$scratch QT_QPA_PLATFORM=offscreen "$bin/foresta-cli" print "$share/manual.txt" --pdf manual.pdf >/dev/null \
    || fail "foresta-cli print failed"
  [ "$(head -c 5 manual.pdf)" = "%PDF-" ] || fail "foresta-cli print wrote no PDF"
  [ -x "$bin/foresta-chart" ] || fail "foresta is installed without foresta-chart"
  QT_QPA_PLATFORM=offscreen "$bin/foresta-chart" D_math2a.txt --svg chart.svg >/dev/null \
    || fail "foresta-chart failed"
  grep -q '<svg' chart.svg || fail "foresta-chart wrote no SVG"
  desktop-file-validate "$prefix/share/applications/foresta.desktop" || fail "the desktop entry is invalid"
  grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/foresta.svg" || fail "no icon"
fi

for page in "${bin}"/*; do
  name=$(basename "$page")
  [ -f "$prefix/share/man/man1/$name.1.gz" ] || fail "no manual page for $name"
done
[ -f "$prefix/share/doc/foresta/copyright" ] || fail "no share/doc/foresta/copyright"
echo "check-install: $prefix is a working installation"
