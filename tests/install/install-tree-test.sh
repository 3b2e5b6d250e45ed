#!/usr/bin/env bash
# The installed editor: `cmake --install` of this build into a fresh prefix holds
# every file a desktop program needs, the desktop's validators accept them, the
# file types are recognised by their contents, and the installed programs work
# from the prefix alone (TMEdit opens the installed sample map with all its
# pictures, showing exactly what the build's TMEdit shows; tmcompile writes the
# same bytes as the build's).
# Usage: install-tree-test.sh BUILD_DIR PROBE_PLUGIN_DIR
set -euo pipefail
build=$1
probe_plugins=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.tessmoor.Editor
share=$prefix/share
expected=(
  bin/TMEdit bin/tmcompile
  share/tessmoor-editor/Maps/Sample.tmm share/tessmoor-editor/Maps/Courtyard.tmm
  share/applications/$id.desktop share/mime/packages/$id.xml share/metainfo/$id.metainfo.xml
  share/man/man1/TMEdit.1.gz share/man/man1/tmcompile.1.gz
  share/man/de/man1/TMEdit.1.gz share/man/de/man1/tmcompile.1.gz
  share/doc/tessmoor-editor/copyright share/doc/tessmoor-editor/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png"
    "share/icons/hicolor/${size}x${size}/mimetypes/application-x-tessmoor-map.png"
    "share/icons/hicolor/${size}x${size}/mimetypes/application-x-tessmoor-model.png")
  # An icon's pixels must match the folder it is in, or the desktop scales it.
  header=$(od --endian=big -An -tu4 -j16 -N8 "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" | tr -s ' ')
  [ "$header" = " $size $size" ] || fail "application icon in ${size}x${size} is not that size:$header"
done
for name in "$build"/bin/GFX/* "$build"/bin/TMEGfx/*; do
  case $name in *.PCX | *.pcx) expected+=("share/tessmoor-editor/${name#"$build"/bin/}") ;; esac
done
for file in "${expected[@]}"; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
[ -x "$prefix/bin/TMEdit" ] && [ -x "$prefix/bin/tmcompile" ] || fail "programs not executable"
# Nothing the build or the tests leave beside the programs may slip into the data folder.
for folder in GFX TMEGfx Maps; do
  extra=$(find "$share/tessmoor-editor/$folder" -type f ! -iname '*.pcx' ! -name Sample.tmm ! -name Courtyard.tmm)
  [ -z "$extra" ] || fail "unexpected files installed: $extra"
done

# English manual pages in man1, German ones under de/, each in its own language.
zcat "$share/man/man1/tmcompile.1.gz" | grep -q '^\.SH DESCRIPTION' || fail "man1/tmcompile.1 is not English"
zcat "$share/man/de/man1/tmcompile.1.gz" | grep -q '^\.SH BESCHREIBUNG' || fail "de/man1/tmcompile.1 is not German"
for page in "$share"/man/man1/*.gz "$share"/man/de/man1/*.gz; do
  warnings=$(zcat "$page" | LC_ALL=C.UTF-8 groff -man -ww -z -K utf8 2>&1) || true
  [ -z "$warnings" ] || fail "groff warns about $page: $warnings"
done

desktop-file-validate "$share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >"$work/appstream.txt" ||
  { cat "$work/appstream.txt"; fail "appstreamcli validate"; }

# The map type by its contents alone, as a file manager sees a renamed map.
mkdir -p "$work/mime/mime/packages"
cp "$share/mime/packages/$id.xml" "$work/mime/mime/packages/"
XDG_DATA_HOME="$work/mime" update-mime-database "$work/mime/mime"
cp "$share/tessmoor-editor/Maps/Sample.tmm" "$work/map-without-extension"
"$build/bin/tmcompile" -o "$work/model-without-extension" "$work/map-without-extension" >/dev/null
for pair in "map-without-extension application/x-tessmoor-map" "model-without-extension application/x-tessmoor-model"; do
  set -- $pair
  found=$(XDG_DATA_HOME="$work/mime" XDG_DATA_DIRS=/usr/share XDG_CURRENT_DESKTOP= xdg-mime query filetype "$work/$1")
  [ "$found" = "$2" ] || fail "xdg-mime names $1 as '$found', not $2"
done

# The installed editor, and the build's for comparison, each with empty settings.
run_editor() { # editor map output-folder
  mkdir -p "$3/config" "$3/data"
  local status=0
  XDG_CONFIG_HOME="$3/config" XDG_DATA_HOME="$3/data" QT_QPA_PLATFORM=offscreen \
    QT_PLUGIN_PATH="$probe_plugins" QT_QPA_GENERIC_PLUGINS="tmstartprobe:$3" \
    timeout 120 "$1" "$2" </dev/null || status=$?
  [ -f "$3/message.txt" ] && fail "$1 showed the message: $(cat "$3/message.txt")"
  [ "$status" -eq 0 ] || fail "$1 ended with status $status"
  grep -q "Sample.tmm" "$3/caption.txt" 2>/dev/null || fail "$1 does not show the sample map in its caption"
}
run_editor "$prefix/bin/TMEdit" "$share/tessmoor-editor/Maps/Sample.tmm" "$work/installed"
run_editor "$build/bin/TMEdit" "$build/bin/Maps/Sample.tmm" "$work/built"
cmp -s "$work/installed/window.png" "$work/built/window.png" ||
  fail "the installed editor shows the sample map differently from the build's"

# tmcompile from the prefix: the same model, and an export that needs every picture.
for format in tcm glb; do
  "$prefix/bin/tmcompile" -f $format -o "$work/installed.$format" "$share/tessmoor-editor/Maps/Sample.tmm" \
    >/dev/null || fail "installed tmcompile -f $format failed"
  "$build/bin/tmcompile" -f $format -o "$work/built.$format" "$build/bin/Maps/Sample.tmm" >/dev/null
  cmp -s "$work/installed.$format" "$work/built.$format" || fail "installed tmcompile -f $format writes other bytes"
done

[ "$failures" -eq 0 ] || exit 1
echo "install tree: ${#expected[@]} files, validators, file types, TMEdit and tmcompile from the prefix all pass"
