#!/usr/bin/env bash
# Builds the editor (installing what is missing) and starts it with the sample map.
# Without a display it runs under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
editor=(build/bin/TMEdit build/bin/Maps/Sample.tmm)
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "${editor[@]}"
else
  exec xvfb-run -a -s "-screen 0 1280x800x24" "${editor[@]}"
fi
