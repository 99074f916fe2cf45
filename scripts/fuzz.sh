#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang in build/fuzz (nothing
# else is built there) and runs them on their seed corpora.
#   scripts/fuzz.sh TARGET SECONDS   one harness (fuzz_input_file or input_file)
#   scripts/fuzz.sh all SECONDS      every harness in turn (CI: all 10)
#   scripts/fuzz.sh list             the harnesses' names
# Inputs that reach new code are kept in build/fuzz/corpus/<harness>; the
# seeds in fuzz/corpus are only read. A finding is saved in
# build/fuzz/artifacts/<harness>/ and the script exits 1; reproduce it with
#   build/fuzz/fuzz/<harness> build/fuzz/artifacts/<harness>/crash-...
set -euo pipefail
cd "$(dirname "$0")/.."

harnesses=()
for f in fuzz/fuzz_*.cpp; do harnesses+=("$(basename "$f" .cpp)"); done

usage() { echo "usage: $0 TARGET|all SECONDS | list" >&2; exit 2; }
[ $# -ge 1 ] || usage
if [ "$1" = list ]; then printf '%s\n' "${harnesses[@]}"; exit 0; fi
[ $# -eq 2 ] && [[ "$2" =~ ^[0-9]+$ ]] && [ "$2" -gt 0 ] || usage
seconds=$2
if [ "$1" = all ]; then
  targets=("${harnesses[@]}")
else
  name=$1
  [[ "$name" == fuzz_* ]] || name=fuzz_$name
  [ -f "fuzz/$name.cpp" ] || { echo "$0: no harness $1 (see '$0 list')" >&2; exit 2; }
  targets=("$name")
fi

build=build/fuzz
flags=(-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFORESTA_FUZZ=ON)
[ -n "${CI:-}" ] && flags+=(-DFORESTA_WERROR=ON)
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S . -B "$build" "${generator[@]}" "${flags[@]}" >/dev/null
cmake --build "$build" -j "${FORESTA_JOBS:-2}" --target "${targets[@]}"

# Rates are given per second of processor time as well: on a shared
# machine the wall-clock rate says little about the harness.
TIMEFORMAT='%U %S'
status=0
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t" "$build/artifacts/$t" "$build/logs"
  log="$build/logs/$t.log"
  if cpu=$( { time "$build/fuzz/$t" -max_total_time="$seconds" -timeout=30 \
                -rss_limit_mb=2048 -print_final_stats=1 \
                -artifact_prefix="$PWD/$build/artifacts/$t/" \
                "$build/corpus/$t" "fuzz/corpus/$t" >"$log" 2>&1; } 2>&1 ); then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    per_cpu=$(awk -v r="${runs:-0}" -v c="$cpu" \
      'BEGIN { split(c, t, " "); s = t[1] + t[2]; printf "%d", (s > 0 ? r / s : 0) }')
    echo "$t: ${runs:-?} runs in ${seconds} s, ${rate:-?} exec/s, ${per_cpu} exec per processor second; no finding"
  else
    status=1
    echo "$t: FINDING (log $log, input in $build/artifacts/$t/)" >&2
    tail -n 40 "$log" >&2
  fi
done
exit $status
