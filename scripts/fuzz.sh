#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of
# seconds (default 30). What a run finds is kept: every target grows its corpus
# in a folder outside git ($TM_FUZZ_CORPUS, by default ~/.cache/tessmoor-fuzz),
# which starts from the seeds in fuzz/corpus and is merged down to the inputs
# that add coverage after each run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
corpus_root=${TM_FUZZ_CORPUS:-${XDG_CACHE_HOME:-$HOME/.cache}/tessmoor-fuzz}
bash scripts/install-deps.sh
CC=clang CXX=clang++ bash scripts/build.sh build-fuzz -DTM_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
for target in build-fuzz/bin/fuzz_*; do
  name=$(basename "$target")
  corpus="$corpus_root/$name"
  mkdir -p "$corpus"
  echo "-- $name for ${seconds}s (corpus $corpus)"
  # New inputs go to the first folder; the seeds are only read.
  "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
    "$corpus" "fuzz/corpus/$name" 2>&1 | tail -n 30
  merged=$(mktemp -d)
  "$target" -merge=1 -rss_limit_mb=2048 "$merged" "$corpus" "fuzz/corpus/$name" 2>&1 | tail -n 2
  rm -rf "$corpus"
  mv "$merged" "$corpus"
done
