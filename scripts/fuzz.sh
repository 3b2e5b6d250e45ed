#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of
# seconds (default 30) on a scratch copy of its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
bash scripts/install-deps.sh
CC=clang CXX=clang++ bash scripts/build.sh build-fuzz -DTM_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
for target in build-fuzz/bin/fuzz_*; do
  name=$(basename "$target")
  scratch=$(mktemp -d)
  echo "-- $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
    "$scratch" "fuzz/corpus/$name" 2>&1 | tail -n 30
  rm -rf "$scratch"
done
