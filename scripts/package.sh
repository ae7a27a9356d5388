#!/usr/bin/env bash
# Builds the Debian package into build/ (telvo-vocabulary_<version>_<arch>.deb) and prints its
# path. Its run-time dependencies are computed by dpkg-shlibdeps.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build_dir=${BUILD_DIR:-build}
(cd "$build_dir" && cpack -G DEB >/dev/null)
ls -t "$build_dir"/telvo-vocabulary_*.deb | head -n1
