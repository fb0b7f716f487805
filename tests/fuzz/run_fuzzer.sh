#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the rules fuzzer for a fixed time over a copy of the seed corpus and
# prints the events it checked. Fails when the fuzzer finds a violation.
# Usage: run_fuzzer.sh FUZZER SEED_CORPUS WORK_DIR SECONDS [JOBS]
set -euo pipefail
fuzzer=$1 seeds=$2 work=$3 seconds=$4 jobs=${5:-1}

# The fuzzer adds what it finds to its corpus: keep the committed seeds clean.
rm -rf "$work"
mkdir -p "$work/corpus" "$work/artifacts"
cp "$seeds"/* "$work/corpus/"
cd "$work"

args=(-max_total_time="$seconds" -artifact_prefix="$work/artifacts/" -print_final_stats=1)
if ((jobs > 1)); then
  args+=(-jobs="$jobs" -workers="$jobs")
fi
status=0
"$fuzzer" "${args[@]}" "$work/corpus" >fuzz.log 2>&1 || status=$?

# With several jobs each one writes its own fuzz-N.log, which the main log
# repeats.
logs=(fuzz.log)
if ((jobs > 1)); then
  logs=(fuzz-*.log)
fi
if ((status != 0)) || compgen -G "$work/artifacts/*" >/dev/null; then
  grep -h -A40 -e 'stackfall rules fuzzer: violation' -e 'ERROR: ' -e 'deadly signal' fuzz*.log |
    head -80 >&2 || true
  echo "rules fuzzer: FAILED (exit $status); inputs in $work/artifacts/, logs in $work" >&2
  ls "$work/artifacts" >&2
  exit 1
fi

grep -h 'stackfall rules fuzzer: reached' "${logs[@]}" || true
grep -h 'stackfall rules fuzzer: .* events checked' "${logs[@]}" |
  awk '{ events += $4; rate += $10 }
       END { if (NR == 0) { print "rules fuzzer: no report found"; exit 1 }
             printf "rules fuzzer: %d events checked, %.0f events per second, %d process(es), no violation\n",
                    events, rate, NR }'
