#!/usr/bin/env bash
# Installs the Khronos glTF validator (an npm package, run with node) into
# .tools/node, where the export tests look for it. Skipped when it is there.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=.tools/node
version=2.0.0-dev.3.10
[ -f "$folder/node_modules/gltf-validator/package.json" ] &&
  grep -q "\"version\": \"$version\"" "$folder/node_modules/gltf-validator/package.json" && exit 0
mkdir -p "$folder"
npm install --prefix "$folder" --no-audit --no-fund --no-save "gltf-validator@$version" >/dev/null
