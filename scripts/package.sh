#!/usr/bin/env bash
# Builds a release build in build-release/ and from it the Debian package
# build-release/tessmoor-editor_<version>_amd64.deb with CPack. Its dependencies
# come from the libraries the programs link (dpkg-shlibdeps). Install it with
#   sudo apt install ./build-release/tessmoor-editor_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# CPack asks dpkg-shlibdeps for the dependencies of the files that `file` names
# as programs; a minimal Debian has neither tool. cmark-gfm makes the guide's HTML.
missing=()
for package in dpkg-dev file cmark-gfm; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# Only what the package holds is built; the tests and benchmarks are not in it.
# Debian's hardening flags, as a package built by dpkg-buildpackage would get them.
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON -DTM_GUIDE_HTML=ON \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build-release -j"$(nproc)" --target TMEdit tmcompile assets desktop_files guide_html
rm -f build-release/tessmoor-editor_*.deb
(cd build-release && cpack -G DEB >/dev/null)
ls build-release/tessmoor-editor_*.deb
# The package must pass Debian's checks without a remark; a warning fails the script.
lintian --fail-on error,warning build-release/tessmoor-editor_*.deb
