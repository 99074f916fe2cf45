#!/usr/bin/env bash
# Backtests many input files over several machines with GNU parallel.
#
#   scripts/backtest-parallel.sh SSHLOGINS FILE... [-- BACKTEST-OPTIONS...]
#
# SSHLOGINS is GNU parallel's --sshlogin list: "1/alpha,1/beta" runs one job
# at a time on each of the hosts alpha and beta (each job already uses every
# core of its machine), ":" is this machine, "2/:" two job slots here. Each
# file is copied to the machine that backtests it and removed afterwards.
# Standard output is exactly what running
#
#   foresta-cli backtest --json FILE [BACKTEST-OPTIONS]
#
# for each FILE in turn prints: every file's records, in the order of the
# files, each file's ending with its recommendation. FORESTA_CLI names the
# program on the machines (default: foresta-cli on their PATH).
set -euo pipefail
if [ $# -lt 2 ]; then
  echo "usage: $0 SSHLOGINS FILE... [-- BACKTEST-OPTIONS...]" >&2
  exit 2
fi
logins=$1
shift
files=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
  files+=("$1")
  shift
done
[ $# -gt 0 ] && shift
cli=${FORESTA_CLI:-foresta-cli}
command -v parallel >/dev/null || { echo "$0: GNU parallel is not installed" >&2; exit 1; }
parallel --sshlogin "$logins" --keep-order --halt never \
  --transferfile {} --cleanup \
  "$cli" backtest --json {} "$@" ::: "${files[@]}"
